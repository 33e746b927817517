#include "lookup/MusicBrainzDiscId.h"

#include <discid/discid.h>

#include <array>
#include <memory>

namespace vinaxo {

QString MusicBrainzToc::tocParameter() const
{
    QString s = QString::number(first) + u'+' + QString::number(last) + u'+' + QString::number(leadOut);
    for (qint32 o : offsets)
        s += u'+' + QString::number(o);
    return s;
}

std::optional<MusicBrainzToc> MusicBrainzTocOf(const DiscToc& toc)
{
    const auto& tracks = toc.tracks;
    std::size_t lastAudio = tracks.size();
    for (std::size_t i = 0; i < tracks.size(); ++i) {
        if (tracks[i].audio)
            lastAudio = i;
    }
    if (lastAudio == tracks.size())
        return std::nullopt;
    MusicBrainzToc t;
    t.first = tracks.front().number;
    // Tracks are numbered on from the first, whatever numbers the image gave them.
    t.last = t.first + int(lastAudio);
    if (t.first < 1 || t.last > 99)
        return std::nullopt;
    for (std::size_t i = 0; i <= lastAudio; ++i)
        t.offsets.push_back(tracks[i].start);
    t.leadOut = lastAudio + 1 < tracks.size() ? tracks[lastAudio + 1].start - MusicBrainzToc::DataSessionGap
                                              : toc.leadOut;
    return t;
}

QString MusicBrainzDiscId(const MusicBrainzToc& toc)
{
    if (toc.first < 1 || toc.last > 99 || toc.last < toc.first
        || toc.offsets.size() != std::size_t(toc.last - toc.first + 1))
        return {};
    // offsets[0] is the lead-out, offsets[n] the start of track n.
    std::array<int, 100> offsets{};
    offsets[0] = toc.leadOut;
    for (int n = toc.first; n <= toc.last; ++n)
        offsets[std::size_t(n)] = toc.offsets[std::size_t(n - toc.first)];
    const std::unique_ptr<DiscId, void (*)(DiscId*)> disc(discid_new(), discid_free);
    if (!disc || !discid_put(disc.get(), toc.first, toc.last, offsets.data()))
        return {};
    return QString::fromLatin1(discid_get_id(disc.get()));
}

} // namespace vinaxo
