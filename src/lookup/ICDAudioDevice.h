#pragma once
// The CD audio device: a drive or a disc image, opened by its path. The lookup reads
// the table of contents from it; the editors read the audio tracks' lengths.
#include "lookup/DiscToc.h"

#include <QString>
#include <algorithm>
#include <QStringList>

namespace vinaxo {

enum class CDOpenResult {
    Ok,
    NoDrive,     // no such drive or image file
    NoDisc,      // a drive without a readable disc
    NotAudio,    // a disc or image without audio tracks
    BrokenImage, // an image file that cannot be read as a disc
};

QString CDOpenResultText(CDOpenResult r);

// The titles a disc carries itself (CD-Text): the album's, and one per audio track in
// disc order (an empty text where a track has none).
struct CdText {
    QString title;
    QString performer;
    QStringList trackTitles;
    bool isEmpty() const
    {
        return title.isEmpty() && performer.isEmpty()
            && std::all_of(trackTitles.begin(), trackTitles.end(), [](const QString& t) { return t.isEmpty(); });
    }
};

class ICDAudioDevice {
public:
    virtual ~ICDAudioDevice() = default;

    // "D:" (the stored default) or an empty text stands for the system's default drive;
    // any other text is a device path or a disc image (CUE/BIN, TOC, NRG).
    virtual CDOpenResult open(const QString& driveOrImage) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    // Every track of the open disc; empty when nothing is open.
    virtual const DiscToc& toc() const = 0;
    // What went wrong at the last open, for the user.
    virtual QString errorText() const = 0;
    // The open disc's CD-Text; empty when it has none or nothing is open.
    virtual CdText cdText() const { return {}; }

    // The audio tracks, numbered from 1 in disc order; 0 when nothing is open.
    int trackCount() const;
    // Length of audio track n in frames, 0 for a track that does not exist.
    qint32 trackLengthFrames(int n) const;
    // The same as the device's packed minutes/seconds/frames value.
    qint32 trackLength(int n) const { return PackFrames(trackLengthFrames(n)); }
};

// One track's time as "mm:ss" read from the disc at driveOrImage: the device is opened
// and closed again; an empty text when the disc, or the track, cannot be read.
QString ReadTrackTime(ICDAudioDevice& device, const QString& driveOrImage, int n);

} // namespace vinaxo
