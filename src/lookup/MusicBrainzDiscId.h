#pragma once
// The web service's disc id: worked out by libdiscid from the audio session of the table
// of contents that the CD audio device reads.
#include "lookup/DiscToc.h"

#include <QString>
#include <optional>
#include <vector>

namespace vinaxo {

struct MusicBrainzToc {
    // Session gap between an enhanced disc's audio and its data session (2:32).
    static constexpr qint32 DataSessionGap = 11400;

    int first = 0;              // number of the first track (a data track at the front counts)
    int last = 0;               // number of the last audio track
    qint32 leadOut = 0;         // frames, lead-in included: end of the audio session
    std::vector<qint32> offsets; // starts of tracks first to last, lead-in included

    // "first+last+leadout+offset..." as the service's toc parameter takes it.
    QString tocParameter() const;
};

// The audio session of a disc: every track up to the last audio track, ended by the
// lead-out or, before a trailing data track, by that track's start less the session gap.
// Nothing for a disc without audio tracks or with numbers beyond 1 to 99.
std::optional<MusicBrainzToc> MusicBrainzTocOf(const DiscToc& toc);

// The 28-character id; an empty text when libdiscid refuses the table of contents.
QString MusicBrainzDiscId(const MusicBrainzToc& toc);
inline QString MusicBrainzDiscId(const DiscToc& toc)
{
    const auto t = MusicBrainzTocOf(toc);
    return t ? MusicBrainzDiscId(*t) : QString();
}

} // namespace vinaxo
