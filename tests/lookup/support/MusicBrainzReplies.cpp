#include "MusicBrainzReplies.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace vinaxo::test {

namespace {
QString fakeId(const QString& seed, int n)
{
    return QStringLiteral("%1-0000-4000-8000-%2").arg(seed.left(8).leftJustified(8, u'0')).arg(n, 12, 10, QLatin1Char('0'));
}

QJsonObject medium(const MbMediumSpec& m, int n)
{
    QJsonArray discs;
    for (const QString& id : m.discIds)
        discs.append(QJsonObject{{"id", id}, {"sectors", 200000}, {"offset-count", int(m.tracks.size())},
                                 {"offsets", QJsonArray{150}}});
    QJsonArray tracks;
    int pos = 0;
    for (const MbTrackSpec& t : m.tracks) {
        ++pos;
        const QJsonValue length = t.lengthMs >= 0 ? QJsonValue(double(t.lengthMs)) : QJsonValue(QJsonValue::Null);
        tracks.append(QJsonObject{{"id", fakeId("7", n * 100 + pos)},
                                  {"number", QString::number(pos)},
                                  {"position", pos},
                                  {"title", t.title},
                                  {"length", length},
                                  {"recording", QJsonObject{{"id", fakeId("8", n * 100 + pos)},
                                                            {"title", t.title},
                                                            {"length", length},
                                                            {"video", false}}}});
    }
    QJsonObject o{{"position", m.position},
                  {"title", m.title},
                  {"format", m.format},
                  {"track-count", int(m.tracks.size())},
                  {"track-offset", 0},
                  {"discs", discs},
                  {"tracks", tracks}};
    return o;
}
}

QByteArray DiscReplyJson(const QString& discId, const std::vector<MbReleaseSpec>& releases)
{
    QJsonArray rels;
    int n = 0;
    for (const MbReleaseSpec& r : releases) {
        QJsonArray credit;
        for (const auto& [name, join] : r.credit)
            credit.append(QJsonObject{{"name", name},
                                      {"joinphrase", join},
                                      {"artist", QJsonObject{{"id", fakeId("a", ++n)}, {"name", name},
                                                             {"sort-name", name}}}});
        QJsonArray labels;
        for (const auto& [label, catalog] : r.labels) {
            const QJsonValue l = label.isEmpty() ? QJsonValue(QJsonValue::Null)
                                                 : QJsonValue(QJsonObject{{"id", fakeId("b", ++n)}, {"name", label}});
            labels.append(QJsonObject{{"catalog-number", catalog}, {"label", l}});
        }
        QJsonArray media;
        for (const MbMediumSpec& m : r.media)
            media.append(medium(m, ++n));
        rels.append(QJsonObject{{"id", r.id},
                                {"title", r.title},
                                {"status", "Official"},
                                {"date", r.date},
                                {"country", r.country},
                                {"artist-credit", credit},
                                {"label-info", labels},
                                {"media", media}});
    }
    QJsonObject root;
    if (discId.isEmpty()) {
        root = QJsonObject{{"release-count", rels.size()}, {"release-offset", 0}, {"releases", rels}};
    } else {
        root = QJsonObject{{"id", discId}, {"sectors", 200000}, {"offset-count", 1},
                           {"offsets", QJsonArray{150}}, {"releases", rels}};
    }
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

MbReleaseSpec ReleaseOf(int tracks, const QString& discId)
{
    MbReleaseSpec r;
    r.id = QStringLiteral("5b11f4ce-a62d-471e-81fc-a69a8278c7da");
    r.title = QStringLiteral("Long Player");
    r.date = QStringLiteral("2001-02-03");
    r.country = QStringLiteral("GB");
    r.credit = {{QStringLiteral("The Band"), QString()}};
    r.labels = {{QStringLiteral("Label"), QStringLiteral("LBL 1")}};
    MbMediumSpec m;
    m.discIds = {discId};
    for (int i = 1; i <= tracks; ++i)
        m.tracks.push_back({QStringLiteral("Track number %1").arg(i), 180000 + i * 1000});
    r.media.push_back(std::move(m));
    return r;
}

} // namespace vinaxo::test
