#include "lookup/MusicBrainzReply.h"

#include "model/TimeText.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

namespace vinaxo {

namespace {
QString text(const QJsonObject& o, QLatin1StringView key)
{
    return o.value(key).toString();
}

QString joinedCredit(const QJsonArray& credit)
{
    QString s;
    for (const QJsonValue& v : credit) {
        const QJsonObject c = v.toObject();
        QString name = text(c, QLatin1StringView("name"));
        if (name.isEmpty())
            name = text(c.value(QLatin1StringView("artist")).toObject(), QLatin1StringView("name"));
        s += name + text(c, QLatin1StringView("joinphrase"));
    }
    return s.trimmed();
}

bool holdsDisc(const QJsonObject& medium, const QString& discId)
{
    for (const QJsonValue& d : medium.value(QLatin1StringView("discs")).toArray()) {
        if (!discId.isEmpty() && text(d.toObject(), QLatin1StringView("id")) == discId)
            return true;
    }
    return false;
}

qsizetype trackCount(const QJsonObject& medium)
{
    const QJsonValue tracks = medium.value(QLatin1StringView("tracks"));
    if (tracks.isArray())
        return tracks.toArray().size();
    return medium.value(QLatin1StringView("track-count")).toInt(-1);
}

std::vector<MbTrack> tracksOf(const QJsonObject& medium)
{
    std::vector<MbTrack> out;
    for (const QJsonValue& v : medium.value(QLatin1StringView("tracks")).toArray()) {
        if (int(out.size()) >= MbMaxTracks)
            break;
        const QJsonObject t = v.toObject();
        const QJsonObject rec = t.value(QLatin1StringView("recording")).toObject();
        MbTrack track;
        track.title = text(t, QLatin1StringView("title"));
        if (track.title.isEmpty())
            track.title = text(rec, QLatin1StringView("title"));
        // Lengths are milliseconds; null or absent where unknown.
        QJsonValue len = t.value(QLatin1StringView("length"));
        if (!len.isDouble())
            len = rec.value(QLatin1StringView("length"));
        if (len.isDouble() && len.toDouble() >= 0 && len.toDouble() < 1e9)
            track.lengthMs = qint64(len.toDouble());
        out.push_back(std::move(track));
    }
    return out;
}
}

MbDiscReply ParseDiscReply(QByteArrayView json, const QString& discId, int audioTracks)
{
    MbDiscReply r;
    QJsonParseError err{};
    const QJsonDocument doc = QJsonDocument::fromJson(json.toByteArray(), &err);
    if (err.error != QJsonParseError::NoError || !doc.isObject()) {
        r.error = QCoreApplication::translate("MusicBrainzReply", "the reply is not a JSON object");
        return r;
    }
    const QJsonObject root = doc.object();
    if (root.contains(QLatin1StringView("error"))) {
        r.error = root.value(QLatin1StringView("error")).toString();
        return r;
    }
    const QJsonValue releases = root.value(QLatin1StringView("releases"));
    if (!releases.isArray()) {
        // A disc stub (asked for only with stubs) or something else altogether.
        r.error = QCoreApplication::translate("MusicBrainzReply", "the reply lists no releases");
        return r;
    }
    r.ok = true;
    r.fuzzy = text(root, QLatin1StringView("id")) != discId;
    for (const QJsonValue& rv : releases.toArray()) {
        const QJsonObject rel = rv.toObject();
        const QJsonArray media = rel.value(QLatin1StringView("media")).toArray();
        std::vector<qsizetype> chosen;
        for (qsizetype i = 0; i < media.size(); ++i) {
            if (holdsDisc(media[i].toObject(), discId))
                chosen.push_back(i);
        }
        if (chosen.empty()) {
            for (qsizetype i = 0; i < media.size(); ++i) {
                if (trackCount(media[i].toObject()) == audioTracks)
                    chosen.push_back(i);
            }
        }
        if (chosen.empty()) {
            for (qsizetype i = 0; i < media.size(); ++i)
                chosen.push_back(i);
        }
        MbCandidate base;
        base.releaseId = text(rel, QLatin1StringView("id"));
        base.title = text(rel, QLatin1StringView("title"));
        base.artist = joinedCredit(rel.value(QLatin1StringView("artist-credit")).toArray());
        base.date = text(rel, QLatin1StringView("date"));
        base.country = text(rel, QLatin1StringView("country"));
        // The first label-info entry that names a label; "[none]" is the service's word
        // for no catalogue number.
        const QJsonArray labelInfo = rel.value(QLatin1StringView("label-info")).toArray();
        for (int pass = 0; pass < 2 && base.label.isEmpty() && base.catalogNumber.isEmpty(); ++pass) {
            for (const QJsonValue& li : labelInfo) {
                const QJsonObject info = li.toObject();
                const QString label =
                    text(info.value(QLatin1StringView("label")).toObject(), QLatin1StringView("name"));
                QString catalog = text(info, QLatin1StringView("catalog-number"));
                if (catalog == QLatin1StringView("[none]"))
                    catalog.clear();
                if (pass == 0 ? !label.isEmpty() : !catalog.isEmpty()) {
                    base.label = label;
                    base.catalogNumber = catalog;
                    break;
                }
            }
        }
        base.mediumCount = int(qMax<qsizetype>(1, media.size()));
        for (qsizetype i : chosen) {
            if (int(r.candidates.size()) >= MbMaxCandidates)
                return r;
            const QJsonObject m = media[i].toObject();
            MbCandidate c = base;
            c.format = text(m, QLatin1StringView("format"));
            c.mediumTitle = text(m, QLatin1StringView("title"));
            const int pos = m.value(QLatin1StringView("position")).toInt(int(i + 1));
            c.mediumPosition = pos > 0 && pos <= 999 ? pos : int(i + 1);
            c.tracks = tracksOf(m);
            r.candidates.push_back(std::move(c));
        }
        if (media.isEmpty() && int(r.candidates.size()) < MbMaxCandidates)
            r.candidates.push_back(std::move(base));
    }
    return r;
}

QString YearOf(const QString& date)
{
    if (date.size() < 4)
        return {};
    for (int i = 0; i < 4; ++i) {
        if (!date[i].isDigit() || date[i].unicode() > u'9')
            return {};
    }
    if (date.size() > 4 && date[4] != u'-')
        return {};
    return date.left(4);
}

QString CandidateSummary(const MbCandidate& c)
{
    QStringList parts;
    for (const QString& p : {c.country, YearOf(c.date), c.label, c.format}) {
        if (!p.isEmpty())
            parts << p;
    }
    if (c.mediumCount > 1)
        parts << QCoreApplication::translate("MusicBrainzReply", "disc %1 of %2")
                     .arg(c.mediumPosition)
                     .arg(c.mediumCount);
    return parts.join(QStringLiteral(", "));
}

LookupRecording MapCandidate(const MbCandidate& c, const DiscToc* disc)
{
    LookupRecording r;
    r.title = c.title;
    if (c.mediumCount > 1) {
        r.title += c.mediumTitle.isEmpty() ? QStringLiteral(" (disc %1)").arg(c.mediumPosition)
                                           : QStringLiteral(" (") + c.mediumTitle + u')';
    }
    r.artist = c.artist;
    r.year = YearOf(c.date);
    r.label = c.label;
    r.catalogNumber = c.catalogNumber;
    r.releaseId = c.releaseId;
    // The disc's own lengths, audio tracks only, for tracks the reply leaves open.
    std::vector<qint32> discFrames;
    if (disc) {
        for (std::size_t i = 0; i < disc->tracks.size(); ++i) {
            if (disc->tracks[i].audio)
                discFrames.push_back(disc->lengthFrames(i));
        }
    }
    r.tracks.reserve(qsizetype(c.tracks.size()));
    r.times.reserve(qsizetype(c.tracks.size()));
    for (std::size_t i = 0; i < c.tracks.size(); ++i) {
        const MbTrack& t = c.tracks[i];
        r.tracks << t.title;
        qint64 seconds = -1;
        if (t.lengthMs >= 0)
            seconds = (t.lengthMs + 500) / 1000;
        else if (i < discFrames.size())
            seconds = discFrames[i] / DiscToc::FramesPerSecond; // as the disc's times show elsewhere
        const QString time = seconds >= 0 ? SecondsToTime(qint32(qMin<qint64>(seconds, 999 * 60 + 59))) : QString();
        r.times << (IsValidTime(time) ? time : QString());
    }
    return r;
}

} // namespace vinaxo
