#include "lookup/CddbParse.h"

#include <QSet>
#include <QStringDecoder>
#include <array>

namespace vinaxo {

QString DecodeReplyLine(QByteArrayView bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString s = utf8.decode(bytes);
    if (utf8.hasError())
        return QString::fromLatin1(bytes.data(), bytes.size());
    return s;
}

QStringList SplitReplyLines(QByteArrayView bytes)
{
    QStringList out;
    qsizetype from = 0;
    while (from < bytes.size()) {
        qsizetype nl = bytes.indexOf('\n', from);
        if (nl < 0)
            nl = bytes.size();
        QByteArrayView line = bytes.sliced(from, nl - from);
        if (line.endsWith('\r'))
            line.chop(1);
        out.push_back(DecodeReplyLine(line));
        from = nl + 1;
    }
    return out;
}

int ReplyCode(QStringView line)
{
    if (line.size() < 3)
        return -1;
    int code = 0;
    for (int i = 0; i < 3; ++i) {
        const QChar c = line[i];
        if (c < u'0' || c > u'9')
            return -1;
        code = code * 10 + (c.unicode() - u'0');
    }
    if (line.size() > 3 && line[3] != u' ' && line[3] != u'-')
        return -1;
    return code;
}

bool IsMultiLineCode(int code) { return code >= 0 && (code / 10) % 10 == 1; }

std::optional<CddbMatch> ParseMatchLine(QStringView line)
{
    const qsizetype s1 = line.indexOf(u' ');
    if (s1 <= 0)
        return std::nullopt;
    const qsizetype s2 = line.indexOf(u' ', s1 + 1);
    CddbMatch m;
    m.category = line.left(s1).toString();
    m.discId = (s2 < 0 ? line.mid(s1 + 1) : line.mid(s1 + 1, s2 - s1 - 1)).toString();
    if (s2 >= 0)
        m.title = line.mid(s2 + 1).toString();
    if (m.discId.isEmpty())
        return std::nullopt;
    return m;
}

std::optional<CddbMatch> ParseExactMatch(QStringView statusLine)
{
    const qsizetype s = statusLine.indexOf(u' ');
    if (s < 0)
        return std::nullopt;
    return ParseMatchLine(statusLine.mid(s + 1));
}

QString MatchKey(const QString& category, const QString& discId)
{
    return category + u' ' + discId;
}

std::vector<CddbMatch> ParseMatchList(const QStringList& lines)
{
    std::vector<CddbMatch> out;
    QSet<QString> seen;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        if (i == 0 && ReplyCode(line) >= 0)
            continue; // the status line
        if (line.startsWith(QLatin1String("211")) || line.startsWith(QLatin1String("210")))
            continue;
        auto m = ParseMatchLine(line);
        if (!m)
            continue;
        // Two discs may share an id in different categories: both stay on offer.
        const QString key = MatchKey(m->category, m->discId).toLower();
        if (seen.contains(key))
            continue;
        seen.insert(key);
        out.push_back(std::move(*m));
    }
    return out;
}

QString DecodeEntryEscapes(QStringView value)
{
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c == u'\\' && i + 1 < value.size()) {
            const QChar n = value[i + 1];
            if (n == u'n') {
                out += u'\n';
                ++i;
                continue;
            }
            if (n == u't') {
                out += u'\t';
                ++i;
                continue;
            }
            if (n == u'\\') {
                out += u'\\';
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

namespace {
// A CD holds at most 99 tracks, numbered from 0 in the entry.
constexpr int kMaxTracks = 100;

// The track number between the key's name and "=", or -1.
int trackIndex(QStringView key, qsizetype prefix)
{
    const QStringView digits = key.mid(prefix);
    if (digits.isEmpty() || digits.size() > 3)
        return -1;
    int n = 0;
    for (QChar c : digits) {
        if (c < u'0' || c > u'9')
            return -1;
        n = n * 10 + (c.unicode() - u'0');
    }
    return n < kMaxTracks ? n : -1;
}

QString finish(const QString& raw) { return DecodeEntryEscapes(raw.trimmed()); }

QStringList finishTracks(const std::array<QString, kMaxTracks>& parts, int count)
{
    QStringList out;
    out.reserve(count);
    for (int i = 0; i < count; ++i)
        out.push_back(finish(parts[std::size_t(i)]));
    return out;
}
}

CddbEntry ParseEntry(const QStringList& lines)
{
    std::array<QString, kMaxTracks> titles, exts;
    int titleCount = 0, extCount = 0;
    QString dtitle, extd;
    bool haveDtitle = false;
    CddbEntry e;
    for (const QString& line : lines) {
        const qsizetype eq = line.indexOf(u'=');
        const QStringView key = eq < 0 ? QStringView(line) : QStringView(line).left(eq);
        const QStringView value = eq < 0 ? QStringView() : QStringView(line).mid(eq + 1);
        if (line.startsWith(QLatin1String("TTITLE"))) {
            const int n = trackIndex(key, 6);
            if (n >= 0) {
                titles[std::size_t(n)] += value;
                titleCount = qMax(titleCount, n + 1);
            }
        } else if (line.startsWith(QLatin1String("EXTT"))) {
            const int n = trackIndex(key, 4);
            if (n >= 0) {
                exts[std::size_t(n)] += value;
                extCount = qMax(extCount, n + 1);
            }
        } else if (line.startsWith(QLatin1String("DTITLE"))) {
            dtitle += value;
            haveDtitle = true;
        } else if (line.startsWith(QLatin1String("DGENRE"))) {
            const QString g = value.trimmed().toString();
            if (!g.isEmpty())
                e.genre = g;
        } else if (line.startsWith(QLatin1String("DYEAR"))) {
            e.year = value.trimmed().toString();
        } else if (line.startsWith(QLatin1String("EXTD"))) {
            extd += value;
        }
    }
    if (haveDtitle) {
        const QString d = finish(dtitle);
        qsizetype cut = d.indexOf(QLatin1String(" / "));
        qsizetype skip = 3;
        if (cut < 0) {
            cut = d.indexOf(u'/');
            skip = 1;
        }
        if (cut < 0) {
            e.artist = d;
            e.title = d;
        } else {
            e.artist = d.left(cut).trimmed();
            e.title = d.mid(cut + skip).trimmed();
        }
    }
    e.description = finish(extd);
    e.tracks = finishTracks(titles, titleCount);
    e.trackExtensions = finishTracks(exts, extCount);
    return e;
}

int SupportedProtocolLevel(QStringView line)
{
    const qsizetype at = line.indexOf(QLatin1String("supported"));
    if (at < 0)
        return 0;
    int n = 0;
    bool any = false;
    for (qsizetype i = at + 9; i < line.size(); ++i) {
        const QChar c = line[i];
        if (c >= u'0' && c <= u'9') {
            any = true;
            n = n * 10 + (c.unicode() - u'0');
            if (n > 1000)
                return 0;
        } else if (any || c != u' ') {
            break;
        }
    }
    return any ? n : 0;
}

namespace {
// The line cut at single spaces into at most `count` fields, the last taking the rest.
QList<QStringView> fields(QStringView line, int count)
{
    QList<QStringView> out;
    qsizetype from = 0;
    while (out.size() < count - 1) {
        const qsizetype s = line.indexOf(u' ', from);
        if (s < 0)
            break;
        out.push_back(line.mid(from, s - from));
        from = s + 1;
    }
    out.push_back(line.mid(from));
    return out;
}

bool isPort(QStringView text)
{
    if (text.isEmpty() || text.size() > 5)
        return false;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    const int n = text.toInt();
    return n > 0 && n <= 65535;
}
}

std::optional<QString> ParseSiteLine(QStringView line)
{
    const auto f = fields(line, 7);
    if (f.size() < 7 || f[0].isEmpty() || f[2].isEmpty() || f[3].isEmpty())
        return std::nullopt;
    QString entry;
    entry.append(f[0]).append(u' ').append(f[2]).append(u' ').append(f[3]).append(u' ').append(f[6]);
    if (f[2] == QLatin1String("80"))
        entry += QLatin1String(" HTTP");
    return entry;
}

std::optional<QString> SitesReplyToFileLine(QStringView line)
{
    const auto seven = fields(line, 7);
    if (seven.size() == 7 && !isPort(seven[1]) && isPort(seven[2]) && !seven[0].isEmpty()
        && !seven[3].isEmpty())
        return line.toString();
    const auto five = fields(line, 5);
    if (five.size() == 5 && !five[0].isEmpty() && isPort(five[1])) {
        QString out;
        out.append(five[0]).append(QLatin1String(" cddbp ")).append(five[1]).append(QLatin1String(" - "));
        out.append(five[2]).append(u' ').append(five[3]).append(u' ').append(five[4]);
        return out;
    }
    return std::nullopt;
}

} // namespace vinaxo

namespace vinaxo {

QStringList ParseSiteList(QByteArrayView bytes)
{
    QStringList out;
    for (const QString& line : SplitReplyLines(bytes)) {
        if (auto entry = ParseSiteLine(line))
            out.push_back(std::move(*entry));
    }
    return out;
}

} // namespace vinaxo
