#pragma once
// The CD audio device on libcdio: hardware drives and the disc images it reads
// (CUE/BIN, cdrdao TOC, NRG).
#include "lookup/ICDAudioDevice.h"

#include <QStringList>

namespace vinaxo {

class CdioAudioDevice final : public ICDAudioDevice {
public:
    CdioAudioDevice();
    ~CdioAudioDevice() override;
    CdioAudioDevice(const CdioAudioDevice&) = delete;
    CdioAudioDevice& operator=(const CdioAudioDevice&) = delete;

    CDOpenResult open(const QString& driveOrImage) override;
    void close() override;
    bool isOpen() const override { return m_open; }
    const DiscToc& toc() const override { return m_toc; }
    QString errorText() const override { return m_error; }
    CdText cdText() const override { return m_cdText; }

    // A drive letter ("D:" to "Z:") names no device on this system: "D:" is the default
    // drive, "E:" the second drive found, and so on. Other texts are taken as paths.
    static bool isDriveLetter(const QString& text);
    // The hardware drives of this machine by device path, in the order letters count them.
    static QStringList hardwareDrives();

private:
    CDOpenResult fail(CDOpenResult r, const QString& what);

    DiscToc m_toc;
    CdText m_cdText;
    bool m_open = false;
    QString m_error;
};

} // namespace vinaxo
