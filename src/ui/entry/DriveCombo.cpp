#include "ui/entry/DriveCombo.h"

#include "lookup/CdioAudioDevice.h"
#include "storage/CDConfig.h"
#include "ui/common/IFileDialogs.h"
#include "ui/entry/CDDrives.h"

#include <QFileInfo>
#include <QSignalBlocker>

namespace vinaxo {

DriveCombo::DriveCombo(QWidget* parent) : QComboBox(parent)
{
    setSizeAdjustPolicy(QComboBox::AdjustToContents);
    setToolTip(tr("The CD drive or disc image to read (D: is the default drive)"));
    connect(this, &QComboBox::activated, this, &DriveCombo::chosen);
}

void DriveCombo::attach(CDConfig& config, IFileDialogs& dialogs)
{
    attach(config, dialogs, CdioAudioDevice::hardwareDrives());
}

void DriveCombo::attach(CDConfig& config, IFileDialogs& dialogs, const QStringList& drives)
{
    m_config = &config;
    m_dialogs = &dialogs;
    m_drives = drives;
    showSetting();
}

void DriveCombo::showSetting()
{
    if (!m_config)
        return;
    const QString stored = m_config->CDDriveLetter().trimmed();
    const QSignalBlocker block(this);
    clear();
    const QStringList items = DriveItems(m_drives, stored);
    for (const QString& item : items) {
        addItem(item);
        setItemData(count() - 1, item, Qt::ToolTipRole);
    }
    const int i = findText(stored.isEmpty() ? DefaultDriveName() : stored, Qt::MatchFixedString);
    setCurrentIndex(i >= 0 ? i : 0);
}

void DriveCombo::chosen(int index)
{
    if (!m_config || index < 0)
        return;
    QString value = itemText(index);
    if (value == DiscImageItem()) {
        FileDialogRequest r;
        r.title = tr("Disc Image");
        r.filters
            = {tr("Disc Images") + QStringLiteral(" (*.CUE *.TOC *.NRG)"), tr("All Files") + QStringLiteral(" (*)")};
        const QString stored = m_config->CDDriveLetter();
        if (QFileInfo(stored).isAbsolute())
            r.directory = QFileInfo(stored).absolutePath();
        const auto path = m_dialogs ? m_dialogs->openFile(window(), r) : std::nullopt;
        if (!path || path->isEmpty()) {
            showSetting(); // cancelled: the previous choice stays
            return;
        }
        value = *path;
    }
    m_config->setCDDriveLetter(value);
    showSetting();
    Q_EMIT driveChosen(value);
}

} // namespace vinaxo
