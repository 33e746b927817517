#pragma once
// The web service's answer to a disc id lookup, read from its JSON without any network:
// each medium of a release that may be the disc becomes one candidate, and a candidate
// becomes the recording the lookup window fills.
#include "lookup/DiscToc.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <vector>

namespace vinaxo {

struct MbTrack {
    QString title;
    qint64 lengthMs = -1; // -1: the reply gives no length
};

struct MbCandidate {
    QString releaseId;
    QString title;
    QString artist; // the artist credit, names and join phrases joined
    QString date;   // as given: "1999", "1999-05" or "1999-05-03"
    QString country;
    QString label;
    QString catalogNumber;
    QString format;      // of the medium ("CD")
    QString mediumTitle; // the medium's own title, often empty
    int mediumPosition = 1;
    int mediumCount = 1;
    std::vector<MbTrack> tracks;
};

struct MbDiscReply {
    bool ok = false;   // a reply of the expected shape
    QString error;     // why not, or the service's own "error" text
    bool fuzzy = false; // matched by the table of contents, not by the disc id
    std::vector<MbCandidate> candidates;
};

// Limits on what a reply may make: no release has more media, no disc more tracks.
inline constexpr int MbMaxCandidates = 100;
inline constexpr int MbMaxTracks = 99;

// The body of GET /ws/2/discid/<id>. The media chosen from each release are those whose
// disc list holds discId; when none does (a match by table of contents), those with
// audioTracks tracks; failing that, every medium.
MbDiscReply ParseDiscReply(QByteArrayView json, const QString& discId, int audioTracks);

// The year of a release date ("1999-05-03" -> "1999"); empty when it starts otherwise.
QString YearOf(const QString& date);

// One line for a list of candidates: country, year, label, format and "disc n of m",
// the pieces the reply has, joined by ", ".
QString CandidateSummary(const MbCandidate& c);

// What a lookup fills in, in the terms of the recording.
struct LookupRecording {
    QString title;
    QString artist;
    QString year;
    QString category; // the service has no genres: always empty
    QString description;
    QString label;
    QString catalogNumber;
    QStringList tracks;
    QStringList times;    // "mm:ss" per track; empty where neither reply nor disc knows
    QString releaseId;    // kept for the cover art
};

// The candidate as a recording: a multi-disc release's title gains the medium's title in
// brackets, or "(disc n)"; track times are the reply's lengths rounded to the second, or
// the disc's own where the reply has none (disc may be null).
LookupRecording MapCandidate(const MbCandidate& c, const DiscToc* disc);

} // namespace vinaxo
