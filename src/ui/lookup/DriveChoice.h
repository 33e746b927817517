#pragma once
// The drive list of the lookup window: "D:" (the system's default drive), the drives
// libcdio finds, by device path, any disc image chosen before, and "Disc Image..." to pick
// one. The choice is stored as CDDriveLetter at once. Kept apart from the window so that
// a shared drive list can take its place.
#include <QStringList>

class QComboBox;
class QWidget;

namespace vinaxo {

struct AppContext;

// The CD drives of this machine as device paths ("/dev/sr0"), as libcdio finds them.
QStringList SystemCDDrives();

// Fills combo (items show a name, their data is the stored text) and selects the stored
// drive; choosing an item stores it, "Disc Image..." asks for a .cue, .toc or .nrg file.
void SetUpDriveChoice(QComboBox* combo, AppContext& ctx, QWidget* dialogParent,
                      const QStringList& drives = SystemCDDrives());

} // namespace vinaxo
