#include "lookup/ICDAudioDevice.h"

#include "model/TimeText.h"
#include <QCoreApplication>

namespace vinaxo {

QString CDOpenResultText(CDOpenResult r)
{
    switch (r) {
    case CDOpenResult::Ok: return QStringLiteral("ok");
    case CDOpenResult::NoDrive:
        return QCoreApplication::translate("ICDAudioDevice", "no such CD drive or disc image");
    case CDOpenResult::NoDisc:
        return QCoreApplication::translate("ICDAudioDevice", "no disc in the drive");
    case CDOpenResult::NotAudio:
        return QCoreApplication::translate("ICDAudioDevice", "the disc has no audio tracks");
    case CDOpenResult::BrokenImage:
        return QCoreApplication::translate("ICDAudioDevice", "the disc image cannot be read");
    }
    return {};
}

int ICDAudioDevice::trackCount() const
{
    if (!isOpen())
        return 0;
    int n = 0;
    for (const DiscTrack& t : toc().tracks)
        n += t.audio ? 1 : 0;
    return n;
}

qint32 ICDAudioDevice::trackLengthFrames(int n) const
{
    if (!isOpen() || n < 1)
        return 0;
    const DiscToc& t = toc();
    int seen = 0;
    for (std::size_t i = 0; i < t.tracks.size(); ++i) {
        if (t.tracks[i].audio && ++seen == n)
            return t.lengthFrames(i);
    }
    return 0;
}

QString ReadTrackTime(ICDAudioDevice& device, const QString& driveOrImage, int n)
{
    QString result;
    if (device.open(driveOrImage) == CDOpenResult::Ok && device.trackCount() > 0
        && n >= 1 && n <= device.trackCount()) {
        const QString text = PackedTimeToText(device.trackLength(n));
        if (IsValidTime(text))
            result = text;
    }
    device.close();
    return result;
}

} // namespace vinaxo
