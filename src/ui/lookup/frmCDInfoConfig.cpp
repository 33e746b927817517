#include "ui/lookup/frmCDInfoConfig.h"

#include "lookup/CCDInfo.h"
#include "model/Workspace.h"
#include "platform/IBusyPointer.h"
#include "platform/IMessageService.h"
#include "ui/common/AppContext.h"
#include "ui_frmCDInfoConfig.h"

#include <QKeyEvent>
#include <QLabel>
#include <QTimer>

namespace vinaxo {

frmCDInfoConfig::frmCDInfoConfig(AppContext& ctx, QWidget* parent)
    : QDialog(parent), m_ctx(ctx), ui(std::make_unique<Ui::frmCDInfoConfig>())
{
    ui->setupUi(this);
    m_status = new QLabel(ui->StatusBar1);
    m_status->setObjectName(QStringLiteral("lblStatus"));
    ui->StatusBar1->addWidget(m_status, 1);
    // A site list line is long: the whole of it shows as the tip of the list.
    ui->cmbSiteList->setToolTip(QString());

    connect(ui->cmdSiteList, &QPushButton::clicked, this, &frmCDInfoConfig::getSiteList);
    connect(ui->cmdOK, &QPushButton::clicked, this, &frmCDInfoConfig::accept);
    connect(ui->cmbSiteList, &QComboBox::activated, this,
            [this](int index) { chooseSite(ui->cmbSiteList->itemText(index)); });
    connect(ui->txtUserID, &QLineEdit::editingFinished, this, &frmCDInfoConfig::storeUserId);
    connect(ui->txtTimeout, &QLineEdit::textChanged, this, &frmCDInfoConfig::timeoutChanged);
    connect(ui->cmdTimeoutUp, &QToolButton::clicked, this, [this] { stepTimeout(1); });
    connect(ui->cmdTimeoutDown, &QToolButton::clicked, this, [this] { stepTimeout(-1); });
    ui->txtTimeout->installEventFilter(this);
}

frmCDInfoConfig::~frmCDInfoConfig() = default;

void frmCDInfoConfig::setCDInfo(CCDInfo* info)
{
    if (m_info)
        disconnect(m_info, nullptr, m_status, nullptr);
    m_info = info;
    m_site = SiteParts{};
    if (m_info) {
        m_site.additional = m_info->SiteAdditionalAddress();
        connect(m_info, &CCDInfo::OnStatusChange, m_status, &QLabel::setText);
    }
}

void frmCDInfoConfig::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_activated) {
        m_activated = true;
        // Once the window is up: a time-out of 0 gets its message over this window.
        QTimer::singleShot(0, this, &frmCDInfoConfig::activation);
    }
}

void frmCDInfoConfig::activation()
{
    if (!m_info)
        return;
    ui->txtUserID->setText(m_info->UserID());
    // Setting the box counts as a change: the stored value is checked and written back.
    const QString timeout = QString::number(m_info->Timeout());
    if (ui->txtTimeout->text() == timeout)
        timeoutChanged(timeout);
    else
        ui->txtTimeout->setText(timeout);
    fillSiteList();
    if (!m_info->SiteAddress().isEmpty())
        selectCurrentSite(m_info->SiteAddress(), m_info->SitePort());
}

void frmCDInfoConfig::fillSiteList()
{
    ui->cmbSiteList->clear();
    ui->cmbSiteList->addItems(m_info->CDInfoSites());
    ui->cmbSiteList->setCurrentIndex(-1);
}

void frmCDInfoConfig::selectCurrentSite(const QString& address, const QString& port)
{
    ui->lblSiteAddress->setText(address);
    ui->lblSitePort->setText(port);
    QStringList items;
    for (int i = 0; i < ui->cmbSiteList->count(); ++i)
        items << ui->cmbSiteList->itemText(i);
    const int index = CurrentSiteIndex(items, address, port);
    if (index < 0)
        return;
    ui->cmbSiteList->setCurrentIndex(index);
    chooseSite(items[index]);
}

void frmCDInfoConfig::chooseSite(const QString& item)
{
    ui->cmbSiteList->setToolTip(item);
    m_site = SplitSiteItem(item, m_site);
    ui->lblSiteProtocol->setText(ProtocolText(m_site.port));
    ui->lblSiteAddress->setText(m_site.address);
    ui->lblSitePort->setText(m_site.port);
    CDConfig& config = m_ctx.ws.config;
    config.setSiteAddress(m_site.address);
    config.setSitePort(m_site.port);
    config.setSiteAdditionalAddress(m_site.additional);
    if (m_info) {
        m_info->setSiteAddress(m_site.address);
        m_info->setSiteAdditionalAddress(m_site.additional);
        m_info->setSitePort(m_site.port);
    }
}

void frmCDInfoConfig::getSiteList()
{
    if (!m_info || m_fetching)
        return;
    m_fetching = true;
    ui->cmdSiteList->setEnabled(false);
    ui->cmdOK->setEnabled(false);
    m_ctx.busy.ShowBusyPointer();
    m_info->GetSiteList();
    fillSiteList();
    if (!m_info->SiteAddress().isEmpty())
        selectCurrentSite(m_info->SiteAddress(), m_info->SitePort());
    m_ctx.busy.ShowNormalPointer();
    ui->cmdSiteList->setEnabled(true);
    ui->cmdOK->setEnabled(true);
    m_fetching = false;
    if (m_closeAfterFetch)
        QDialog::done(Rejected);
}

void frmCDInfoConfig::storeUserId()
{
    const QString id = StoredUserId(ui->txtUserID->text());
    m_ctx.ws.config.setUserID(id);
    if (m_info)
        m_info->setUserID(id);
    ui->txtUserID->setModified(false);
}

void frmCDInfoConfig::timeoutChanged(const QString& text)
{
    const auto seconds = TimeoutSeconds(text);
    if (!seconds) {
        m_ctx.ws.messages.show(tr("Timeout value must be between 1 and 60 seconds.  "), tr("Invalid Timeout Value"),
                               MsgIcon::None);
        ui->txtTimeout->setFocus();
        return;
    }
    m_ctx.ws.config.setTimeout(QString::number(*seconds));
    if (m_info)
        m_info->setTimeout(*seconds);
}

void frmCDInfoConfig::stepTimeout(int delta)
{
    const auto now = TimeoutSeconds(ui->txtTimeout->text());
    const int next = qBound(1, (now ? int(*now) : 0) + delta, 60);
    ui->txtTimeout->setText(QString::number(next));
}

bool frmCDInfoConfig::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui->txtTimeout && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            stepTimeout(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmCDInfoConfig::done(int result)
{
    if (m_fetching) {
        m_closeAfterFetch = true;
        if (m_info)
            m_info->Cancel();
        return;
    }
    // A user id typed but not yet left counts too.
    if (ui->txtUserID->isModified())
        storeUserId();
    QDialog::done(result);
}

} // namespace vinaxo
