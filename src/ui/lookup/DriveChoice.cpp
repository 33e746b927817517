#include "ui/lookup/DriveChoice.h"

#include "model/Workspace.h"
#include "ui/common/AppContext.h"
#include "ui/common/IFileDialogs.h"

#include <QComboBox>
#include <QFileInfo>

#include <cdio/cdio.h>

namespace vinaxo {

namespace {
const QString kDefaultDrive = QStringLiteral("D:");
const QString kDiscImage = QStringLiteral("Disc Image...");

void addChoice(QComboBox* combo, const QString& stored)
{
    // Images show their file name; the full path is the tip.
    const bool image = stored != kDefaultDrive && !stored.startsWith(QLatin1String("/dev/"));
    const QString name = image ? QFileInfo(stored).fileName() : stored;
    combo->insertItem(combo->count() - 1, name, stored);
    combo->setItemData(combo->count() - 2, stored, Qt::ToolTipRole);
}

void selectStored(QComboBox* combo, const QString& stored)
{
    int i = combo->findData(stored);
    if (i < 0) {
        addChoice(combo, stored);
        i = combo->count() - 2;
    }
    combo->setCurrentIndex(i);
}
} // namespace

QStringList SystemCDDrives()
{
    QStringList drives;
    char** list = cdio_get_devices(DRIVER_DEVICE);
    for (char** d = list; d && *d; ++d)
        drives << QString::fromLocal8Bit(*d);
    cdio_free_device_list(list);
    return drives;
}

void SetUpDriveChoice(QComboBox* combo, AppContext& ctx, QWidget* dialogParent, const QStringList& drives)
{
    combo->clear();
    combo->addItem(kDiscImage); // stays last
    addChoice(combo, kDefaultDrive);
    for (const QString& d : drives)
        addChoice(combo, d);
    const QString stored = ctx.ws.config.CDDriveLetter().trimmed();
    selectStored(combo, stored.isEmpty() ? kDefaultDrive : stored);

    QObject::connect(combo, &QComboBox::activated, combo, [combo, &ctx, dialogParent](int index) {
        CDConfig& config = ctx.ws.config;
        if (index != combo->count() - 1) {
            config.setCDDriveLetter(combo->itemData(index).toString());
            return;
        }
        FileDialogRequest request;
        request.title = QStringLiteral("Choose a Disc Image");
        request.filters = {QStringLiteral("Disc Images (*.cue *.toc *.nrg)"), QStringLiteral("All Files (*)")};
        const QFileInfo current(config.CDDriveLetter());
        if (current.isFile())
            request.directory = current.absolutePath();
        const auto path = ctx.dialogs.openFile(dialogParent, request);
        if (path)
            config.setCDDriveLetter(*path);
        // Cancelled: the earlier choice shows again.
        selectStored(combo, config.CDDriveLetter());
    });
}

} // namespace vinaxo
