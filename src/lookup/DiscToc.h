#pragma once
// A disc's table of contents as the CD information service sees it, and the disc id
// worked out from it.
#include <QString>
#include <QtGlobal>
#include <vector>

namespace vinaxo {

struct DiscTrack {
    int number = 0;    // as on the disc, 1 to 99
    qint32 start = 0;  // frames (75 per second) from the start of the disc, lead-in included
    bool audio = true;
};

struct DiscToc {
    static constexpr int FramesPerSecond = 75;
    static constexpr int LeadIn = 150; // frames before the first sector (2 seconds)

    std::vector<DiscTrack> tracks; // every track, data tracks included, in disc order
    qint32 leadOut = 0;            // frames, lead-in included

    bool isEmpty() const { return tracks.empty(); }
    // The 32-bit disc id of the service: digit sums of the track starts in seconds,
    // the disc's playing time in seconds and the track count.
    quint32 discId() const;
    QString discIdText() const; // eight lower-case hexadecimal digits
    // Playing time of the whole disc in whole seconds (lead-out over 75).
    qint32 totalSeconds() const { return leadOut / FramesPerSecond; }
    // "DISCID NTRKS OFFSET... SECONDS" as sent after "cddb query".
    QString queryArguments() const;
    // Length of track index i (0-based, every track) in frames: up to the next track's
    // start or the lead-out. An audio track followed by a data session loses the gap
    // between the sessions.
    qint32 lengthFrames(std::size_t i) const;
};

// minutes in the lowest byte, seconds in the next, frames in the third, as the packed
// track length of the CD audio device (PackedTimeToText reads the two lowest bytes).
qint32 PackFrames(qint32 frames);

} // namespace vinaxo
