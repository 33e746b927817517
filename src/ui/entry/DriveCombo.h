#pragma once
// The drive box shared by the windows that read a disc: the default drive, the drives
// of this machine and "Disc Image..."; the choice is stored in the CDDriveLetter setting
// at once.
#include <QComboBox>
#include <QStringList>

namespace vinaxo {

class CDConfig;
class IFileDialogs;

class DriveCombo : public QComboBox {
    Q_OBJECT
public:
    explicit DriveCombo(QWidget* parent = nullptr);

    // The drives offered are looked up here (once); tests pass their own list.
    void attach(CDConfig& config, IFileDialogs& dialogs);
    void attach(CDConfig& config, IFileDialogs& dialogs, const QStringList& drives);
    // Puts the stored setting back into the box, also when it is a path.
    void showSetting();

Q_SIGNALS:
    void driveChosen(const QString& driveOrImage);

private:
    void chosen(int index);

    CDConfig* m_config = nullptr;
    IFileDialogs* m_dialogs = nullptr;
    QStringList m_drives;
};

} // namespace vinaxo
