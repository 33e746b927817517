#pragma once
// Disc images written by the tests: a CUE sheet with its BIN (sparse, of the exact
// size), or a cdrdao TOC file, with chosen track lengths; and a CD audio device that
// serves a fixed table of contents.
#include "lookup/ICDAudioDevice.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace vinaxo::test {

struct ImageTrack {
    qint32 frames;
    bool audio = true;
};

// The CD-Text of a CUE sheet: TITLE and PERFORMER before the first track (the album's),
// and a TITLE in each track that has one (empty: none).
struct CueText {
    QString title;
    QString performer;
    QStringList trackTitles;
};

// NAME.cue and NAME.bin in dir; returns the path of the .cue.
QString WriteCueImage(const QString& dir, const QString& name, const std::vector<ImageTrack>& tracks,
                      const CueText& text = {});
// NAME.toc and NAME.bin in dir; returns the path of the .toc.
QString WriteTocImage(const QString& dir, const QString& name, const std::vector<qint32>& frames);

// Writes bytes to path, making its folder.
void WriteFile(const QString& path, const QByteArray& bytes);

// The table of contents of a disc whose audio tracks have these lengths (frames).
DiscToc TocOf(const std::vector<qint32>& frames);

class FakeCDAudioDevice final : public ICDAudioDevice {
public:
    explicit FakeCDAudioDevice(DiscToc toc = {}) : m_toc(std::move(toc)) {}
    CDOpenResult open(const QString& path) override
    {
        ++opens;
        lastPath = path;
        m_open = result == CDOpenResult::Ok;
        return result;
    }
    void close() override { m_open = false; }
    bool isOpen() const override { return m_open; }
    const DiscToc& toc() const override { return m_open ? m_toc : m_empty; }
    QString errorText() const override { return CDOpenResultText(result); }

    CdText cdText() const override { return m_open ? text : CdText{}; }

    CDOpenResult result = CDOpenResult::Ok;
    CdText text;
    int opens = 0;
    QString lastPath;

private:
    DiscToc m_toc, m_empty;
    bool m_open = false;
};

} // namespace vinaxo::test
