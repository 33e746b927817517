#pragma once
// Pure readers of the CD information service's replies and of the site list: no
// sockets here, so each is tested on canned replies and fuzzed.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace vinaxo {

// Reply bytes are UTF-8 at protocol level 6; a line that is not valid UTF-8 is read
// as Latin-1, as older servers send it.
QString DecodeReplyLine(QByteArrayView bytes);

// A whole reply cut into lines: LF or CR LF ends a line, each line decoded as above.
QStringList SplitReplyLines(QByteArrayView bytes);

// The status code at the start of a reply line, or -1.
int ReplyCode(QStringView line);
// A reply whose code has 1 as its second digit goes on up to a line holding only ".".
bool IsMultiLineCode(int code);

// One match line of a query: category, disc id, title.
struct CddbMatch {
    QString category;
    QString discId;
    QString title;
};

// "CATEGORY DISCID TITLE" (the code already removed); nothing for a line without a
// category and a disc id.
std::optional<CddbMatch> ParseMatchLine(QStringView line);
// An exact-match status line "200 CATEGORY DISCID TITLE".
std::optional<CddbMatch> ParseExactMatch(QStringView statusLine);
// What tells one match from another: its category and disc id together ("rock 1b023f03"),
// since one disc id may be filed under several categories.
QString MatchKey(const QString& category, const QString& discId);
// The matches of a 210 or 211 reply, the status line first; a category and disc id seen
// before (in any letter case) are left out, the first line with them stays.
std::vector<CddbMatch> ParseMatchList(const QStringList& lines);

// An xmcd entry. Values continued over several lines of the same key are joined;
// tracks are placed by the number after the key.
struct CddbEntry {
    QString artist;
    QString title;
    QString year;
    QString genre; // trimmed "DGENRE", empty when absent
    QString description;
    QStringList tracks;
    QStringList trackExtensions;
};

// The xmcd entry of a read reply, lines from the status line to the end.
CddbEntry ParseEntry(const QStringList& lines);
// "\n", "\t" and "\\" decoded; any other backslash is kept.
QString DecodeEntryEscapes(QStringView value);

// The highest protocol level a server supports, from its answer to "proto"
// ("200 CDDB protocol level: current 1, supported 6"); 0 when not said.
int SupportedProtocolLevel(QStringView line);

// A site list line (host protocol port address latitude longitude description) as the
// lookup shows it: "host port address description", " HTTP" added for port 80.
// Nothing for a line that does not hold all seven fields.
std::optional<QString> ParseSiteLine(QStringView line);
// A line of a "sites" reply in the seven-field form; the five-field form of protocol
// levels 1 and 2 (host port latitude longitude description) is converted.
std::optional<QString> SitesReplyToFileLine(QStringView line);

} // namespace vinaxo

namespace vinaxo {

// The site list file: each usable line as ParseSiteLine gives it, in file order.
// Lines end in LF or CR LF; text is UTF-8, or Latin-1 where it is not.
QStringList ParseSiteList(QByteArrayView fileBytes);

} // namespace vinaxo
