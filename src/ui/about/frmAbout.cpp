#include "ui/about/frmAbout.h"

#include "ui/about/ToolbarIcons.h"
#include "ui_frmAbout.h"

#include <QShowEvent>

namespace vinaxo {

frmAbout::frmAbout(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::frmAbout>())
{
    ui->setupUi(this);
    const QIcon icon = applicationIcon(); // a theme look-up: made once
    setWindowIcon(icon);

    QFont title = ui->lblProductName->font();
    title.setBold(true);
    title.setPointSizeF(title.pointSizeF() * 1.8);
    ui->lblProductName->setFont(title);
    const int side = fontMetrics().height() * 5;
    ui->lblIcon->setPixmap(icon.pixmap(QSize(side, side), devicePixelRatioF()));

    m_timer.setSingleShot(true);
    m_timer.setInterval(SplashMilliseconds);
    connect(&m_timer, &QTimer::timeout, this, &QDialog::accept);
    connect(ui->cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_clicked);
}

frmAbout::~frmAbout() = default;

void frmAbout::setSplash(bool splash)
{
    m_splash = splash;
    if (!splash)
        m_timer.stop();
    else if (isVisible())
        m_timer.start();
}

void frmAbout::setSplashInterval(int milliseconds)
{
    m_timer.setInterval(milliseconds);
    if (m_timer.isActive())
        m_timer.start();
}

void frmAbout::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_splash && !event->spontaneous())
        m_timer.start();
}

void frmAbout::cmdOK_clicked()
{
    m_timer.stop();
    accept();
}

frmAbout* frmAbout::showSplash(QWidget* parent)
{
    auto* about = new frmAbout(parent);
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->setAttribute(Qt::WA_ShowWithoutActivating);
    about->setModal(false);
    about->setSplash(true);
    about->show();
    return about;
}

void frmAbout::showAbout(QWidget* parent)
{
    frmAbout about(parent);
    about.setSplash(false);
    about.exec();
}

} // namespace vinaxo
