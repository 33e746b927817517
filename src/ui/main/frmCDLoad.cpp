#include "ui/main/frmCDLoad.h"
#include "ui_frmCDLoad.h"

#include <QCloseEvent>
#include <QCoreApplication>
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
    QCoreApplication::processEvents();
}

bool frmCDLoad::step(qint64 done, qint64 total)
{
    if (total > 0)
        ui->pbLoad->setValue(int(done * 1000 / total));
    QCoreApplication::processEvents();
    return true;
}

// The load cannot be interrupted half-way; the window goes away when it is done.
void frmCDLoad::closeEvent(QCloseEvent* event) { event->ignore(); }
void frmCDLoad::keyPressEvent(QKeyEvent*) {}

} // namespace vinaxo
