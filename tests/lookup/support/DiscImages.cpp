#include "DiscImages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace vinaxo::test {

namespace {
QString msf(qint32 frames)
{
    return QStringLiteral("%1:%2:%3")
        .arg(frames / 4500, 2, 10, QLatin1Char('0'))
        .arg((frames / 75) % 60, 2, 10, QLatin1Char('0'))
        .arg(frames % 75, 2, 10, QLatin1Char('0'));
}

void writeBin(const QString& path, qint64 frames)
{
    // Sparse: a disc of an hour costs no disk space.
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.resize(frames * 2352);
}
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

QString WriteCueImage(const QString& dir, const QString& name, const std::vector<ImageTrack>& tracks,
                      const CueText& text)
{
    QString cue;
    if (!text.title.isEmpty())
        cue += QStringLiteral("TITLE \"%1\"\n").arg(text.title);
    if (!text.performer.isEmpty())
        cue += QStringLiteral("PERFORMER \"%1\"\n").arg(text.performer);
    cue += QStringLiteral("FILE \"%1.bin\" BINARY\n").arg(name);
    qint32 at = 0;
    int n = 1;
    for (const ImageTrack& t : tracks) {
        cue += QStringLiteral("  TRACK %1 %2\n")
                   .arg(n, 2, 10, QLatin1Char('0'))
                   .arg(t.audio ? QStringLiteral("AUDIO") : QStringLiteral("MODE1/2352"));
        if (!text.trackTitles.value(n - 1).isEmpty())
            cue += QStringLiteral("    TITLE \"%1\"\n").arg(text.trackTitles.value(n - 1));
        cue += QStringLiteral("    INDEX 01 %1\n").arg(msf(at));
        ++n;
        at += t.frames;
    }
    writeBin(QDir(dir).filePath(name + QStringLiteral(".bin")), at);
    const QString path = QDir(dir).filePath(name + QStringLiteral(".cue"));
    WriteFile(path, cue.toUtf8());
    return path;
}

QString WriteTocImage(const QString& dir, const QString& name, const std::vector<qint32>& frames)
{
    QString toc = QStringLiteral("CD_DA\n");
    qint32 at = 0;
    for (qint32 f : frames) {
        toc += QStringLiteral("TRACK AUDIO\nFILE \"%1.bin\" %2 %3\n").arg(name, msf(at), msf(f));
        at += f;
    }
    writeBin(QDir(dir).filePath(name + QStringLiteral(".bin")), at);
    const QString path = QDir(dir).filePath(name + QStringLiteral(".toc"));
    WriteFile(path, toc.toUtf8());
    return path;
}

DiscToc TocOf(const std::vector<qint32>& frames)
{
    DiscToc toc;
    qint32 at = DiscToc::LeadIn;
    int n = 1;
    for (qint32 f : frames) {
        toc.tracks.push_back(DiscTrack{n++, at, true});
        at += f;
    }
    toc.leadOut = at;
    return toc;
}

} // namespace vinaxo::test
