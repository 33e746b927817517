#include "ui/main/frmCDLoad.h"
#include "ui_frmCDLoad.h"

#include <QCloseEvent>
#include <QDir>

namespace vinaxo {

frmCDLoad::frmCDLoad(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::frmCDLoad>())
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
}

frmCDLoad::~frmCDLoad() = default;

void frmCDLoad::start(const QString& fileName)
{
    ui->lblFileName->setText(QDir::toNativeSeparators(fileName));
    ui->pbLoad->setValue(0);
    show();
    repaint();
}

// Painted at once, without running pending events: nothing else may run while the
// collection is half loaded, and the user's input waits until the load is done.
bool frmCDLoad::step(qint64 done, qint64 total)
{
    if (total <= 0)
        return true;
    const int value = int(done * 1000 / total);
    // A repaint for each tenth of a per cent at most.
    if (value != ui->pbLoad->value()) {
        ui->pbLoad->setValue(value);
        ui->pbLoad->repaint();
    }
    return true;
}

// The load cannot be interrupted half-way; the window goes away when it is done.
void frmCDLoad::closeEvent(QCloseEvent* event) { event->ignore(); }
void frmCDLoad::keyPressEvent(QKeyEvent*) {}

} // namespace vinaxo
