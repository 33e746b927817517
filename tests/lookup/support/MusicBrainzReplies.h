#pragma once
// Replies of the MusicBrainz web service, written by the tests from its documented JSON
// format (GET /ws/2/discid/<id>?inc=recordings+artist-credits+labels&fmt=json).
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace vinaxo::test {

struct MbTrackSpec {
    QString title;
    qint64 lengthMs = -1; // -1 is written as null
};

struct MbMediumSpec {
    int position = 1;
    QString title;
    QString format = QStringLiteral("CD");
    QStringList discIds;
    std::vector<MbTrackSpec> tracks;
};

struct MbReleaseSpec {
    QString id;
    QString title;
    QString date;
    QString country;
    std::vector<std::pair<QString, QString>> credit; // name, join phrase
    std::vector<std::pair<QString, QString>> labels; // label name (empty: null), catalogue number
    std::vector<MbMediumSpec> media;
};

// The reply for a disc id the service knows (discId given) or a fuzzy list by table of
// contents (discId empty).
QByteArray DiscReplyJson(const QString& discId, const std::vector<MbReleaseSpec>& releases);

// A one-medium release of n tracks, each a little over three minutes.
MbReleaseSpec ReleaseOf(int tracks, const QString& discId);

} // namespace vinaxo::test
