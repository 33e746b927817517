#include "lookup/DiscToc.h"

namespace vinaxo {

namespace {
int digitSum(qint32 n)
{
    int s = 0;
    for (; n > 0; n /= 10)
        s += n % 10;
    return s;
}

// Between the audio session and the data session of an enhanced disc lie the lead-out
// and lead-in of the first session: 11,400 frames that no audio track plays.
constexpr qint32 kSessionGap = 11400;
}

quint32 DiscToc::discId() const
{
    quint32 n = 0;
    for (const DiscTrack& t : tracks)
        n += quint32(digitSum(t.start / FramesPerSecond));
    const qint32 first = tracks.empty() ? 0 : tracks.front().start;
    const quint32 len = quint32(qMax(0, leadOut / FramesPerSecond - first / FramesPerSecond));
    return ((n % 0xff) << 24) | ((len & 0xffff) << 8) | (quint32(tracks.size()) & 0xff);
}

QString DiscToc::discIdText() const
{
    return QStringLiteral("%1").arg(discId(), 8, 16, QLatin1Char('0'));
}

QString DiscToc::queryArguments() const
{
    QString s = discIdText() + u' ' + QString::number(tracks.size());
    for (const DiscTrack& t : tracks)
        s += u' ' + QString::number(t.start);
    s += u' ' + QString::number(totalSeconds());
    return s;
}

qint32 DiscToc::lengthFrames(std::size_t i) const
{
    if (i >= tracks.size())
        return 0;
    const bool last = i + 1 == tracks.size();
    const qint32 end = last ? leadOut : tracks[i + 1].start;
    qint32 len = end - tracks[i].start;
    if (!last && tracks[i].audio && !tracks[i + 1].audio && len > kSessionGap)
        len -= kSessionGap;
    return qMax(0, len);
}

qint32 PackFrames(qint32 frames)
{
    frames = qMax(0, frames);
    const qint32 minutes = qMin(255, frames / (60 * DiscToc::FramesPerSecond));
    const qint32 seconds = (frames / DiscToc::FramesPerSecond) % 60;
    const qint32 rest = frames % DiscToc::FramesPerSecond;
    return minutes | (seconds << 8) | (rest << 16);
}

} // namespace vinaxo
