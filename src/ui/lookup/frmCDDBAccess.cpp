#include "ui/lookup/frmCDDBAccess.h"

#include "lookup/CdioAudioDevice.h"
#include "model/ListOrder.h"
#include "model/Workspace.h"
#include "platform/IBusyPointer.h"
#include "ui/common/AppContext.h"
#include "ui/entry/DriveCombo.h"
#include "ui/lookup/frmCDDBMultiSelect.h"
#include "ui/lookup/frmCDInfoConfig.h"
#include "ui_frmCDDBAccess.h"

#include <QHeaderView>
#include <QLabel>
#include <QTimer>
#include <algorithm>

namespace vinaxo {

namespace {
const QString kGeometryKey = QStringLiteral("LookupGeometry");

void fillList(QComboBox* combo, const NameList& names)
{
    combo->setEnabled(false);
    QStringList items = ListedNames(names);
    std::stable_sort(items.begin(), items.end(),
                     [](const QString& a, const QString& b) { return CompareListText(a, b) < 0; });
    combo->clear();
    combo->addItems(items);
    combo->setCurrentIndex(-1);
    combo->setEnabled(true);
}

void clearCombo(QComboBox* combo)
{
    combo->setCurrentIndex(-1);
    combo->setEditText(QString());
}
} // namespace

frmCDDBAccess::frmCDDBAccess(AppContext& ctx, QWidget* parent)
    : QDialog(parent), m_ctx(ctx), ui(std::make_unique<Ui::frmCDDBAccess>()),
      m_device(std::make_unique<CdioAudioDevice>()), m_messages(ctx.ws.messages)
{
    ui->setupUi(this);
    m_status = new QLabel(ui->StatusBar1);
    m_status->setObjectName(QStringLiteral("lblStatus"));
    ui->StatusBar1->addWidget(m_status, 1);

    QHeaderView* header = ui->TrackTitles->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(1, QHeaderView::Stretch);
    header->setSectionResizeMode(2, QHeaderView::ResizeToContents);

    ui->cmbDriveLetter->attach(ctx.ws.config, ctx.dialogs);
    setDatabaseAction(false);
    fillNameLists();
    connect(ui->cmdCancel, &QPushButton::clicked, this, &frmCDDBAccess::reject);

    const QByteArray geometry = ctx.ws.config.extraValue(QStringLiteral("Windows"), kGeometryKey).toByteArray();
    if (!geometry.isEmpty())
        restoreGeometry(geometry);
    connect(this, &QDialog::finished, this, [this] {
        m_ctx.ws.config.setExtraValue(QStringLiteral("Windows"), kGeometryKey, saveGeometry());
    });
}

frmCDDBAccess::~frmCDDBAccess() = default;

void frmCDDBAccess::setDatabaseAction(bool update)
{
    ui->rbUpdateEntry->setEnabled(update);
    (update ? ui->rbUpdateEntry : ui->rbNewEntry)->setChecked(true);
}

void frmCDDBAccess::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_opened) {
        m_opened = true;
        // After the window is on screen, so that the configuration window opens over it.
        QTimer::singleShot(0, this, &frmCDDBAccess::opening);
    }
}

void frmCDDBAccess::fillNameLists()
{
    fillList(ui->cmbCDCategory, m_ctx.ws.entries.CategoryEntries());
    fillList(ui->cmbCDArtist, m_ctx.ws.entries.ArtistEntries());
}

void frmCDDBAccess::opening()
{
    m_info = std::make_unique<CCDInfo>(m_ctx.ws.config, m_messages, m_siteFiles);
    m_info->setHttpPort(m_httpPort);
    connect(m_info.get(), &CCDInfo::OnStatusChange, m_status, &QLabel::setText);
    m_info->setMCIControl(m_device.get());
    m_info->Initialize();
    m_configured = m_info->ConfigurationSet() && m_info->GotSiteList();
    if (!m_configured)
        configure();
}

bool frmCDDBAccess::configure()
{
    frmCDInfoConfig config(m_ctx, this);
    config.setCDInfo(m_info.get());
    config.exec();
    // What was entered counts at once, not only from the next opening of this window.
    m_configured = m_info->SettingsComplete() && m_info->GotSiteList();
    return m_configured;
}

void frmCDDBAccess::on_cmdConfigure_clicked()
{
    if (m_info && !m_running)
        configure();
}

void frmCDDBAccess::setRunning(bool running)
{
    m_running = running;
    for (QWidget* w : std::initializer_list<QWidget*>{ui->cmdGetCDInfo, ui->cmdConfigure, ui->cmbDriveLetter,
                                                       ui->fraDatabaseAction})
        w->setEnabled(!running);
    if (running)
        ui->cmdOK->setEnabled(false);
}

void frmCDDBAccess::clearResult()
{
    ui->DiscTitle->clear();
    clearCombo(ui->cmbCDArtist);
    ui->DiscYear->clear();
    clearCombo(ui->cmbCDCategory);
    ui->TrackTitles->clear();
    ui->lblDiscInfo->clear();
    m_times.clear();
    ui->cmdOK->setEnabled(false);
}

void frmCDDBAccess::on_cmdGetCDInfo_clicked()
{
    if (!m_info || m_running)
        return;
    setRunning(true);
    IBusyPointer& busy = m_ctx.busy;
    busy.ShowBusyPointer();
    if (!m_configured) {
        busy.ShowNormalPointer();
        configure();
        busy.ShowBusyPointer();
    }
    clearResult();
    m_messages.startRun();
    m_info->SearchForCD();

    // What disc was read, so that matches with equal titles can be told apart.
    const DiscToc* toc = m_info->access() ? &m_info->access()->lastToc() : nullptr;
    if (toc && !toc->isEmpty()) {
        ui->lblDiscInfo->setText(QStringLiteral("Disc ID %1, %2 tracks")
                                     .arg(toc->discIdText())
                                     .arg(toc->tracks.size()));
    }

    bool found = false;
    if (!m_cancelled) {
        switch (m_info->LookupStatus()) {
        case 1:
            m_ctx.ws.messages.show(QStringLiteral("No matching recording was found."),
                                   QStringLiteral("No recording found"), MsgIcon::Information);
            break;
        case 2:
            found = true;
            break;
        case 3:
            busy.ShowNormalPointer();
            found = chooseMatch();
            break;
        default:
            // A match whose entry the server would not give: say so rather than nothing.
            if (m_messages.shown() == 0)
                showRetrieveFailure();
            break;
        }
    }
    if (found && !m_cancelled)
        showResult();
    busy.ShowNormalPointer();
    setRunning(false);
    ui->cmdOK->setEnabled(found && !m_cancelled);
    if (m_cancelled) {
        m_cancelled = false;
        QDialog::reject();
    }
}

bool frmCDDBAccess::chooseMatch()
{
    bool chosen = false;
    QString category, discId;
    {
        frmCDDBMultiSelect choice(this);
        choice.setCDInfo(m_info.get());
        choice.exec();
        chosen = choice.SelectionMade();
        category = choice.SelectedCategory();
        discId = choice.SelectedDiscID();
    }
    if (!chosen) {
        m_ctx.ws.messages.show(QStringLiteral("No selection was made - try the search again."),
                               QStringLiteral("No recording selected"), MsgIcon::Information);
        return false;
    }
    m_ctx.busy.ShowBusyPointer();
    m_messages.startRun();
    m_info->ReadCD(category, discId);
    if (m_cancelled)
        return false;
    if (m_info->LookupStatus() == 2)
        return true;
    showRetrieveFailure();
    return false;
}

void frmCDDBAccess::showRetrieveFailure()
{
    m_ctx.ws.messages.show(QStringLiteral("Unable to retrieve data for this recording."),
                           QStringLiteral("Error retrieve data"), MsgIcon::Critical);
}

void frmCDDBAccess::showResult()
{
    ui->DiscTitle->setText(m_info->Title());
    ui->cmbCDArtist->setEditText(m_info->Artist());
    ui->DiscYear->setText(m_info->Year());
    QStringList categories;
    for (int i = 0; i < ui->cmbCDCategory->count(); ++i)
        categories << ui->cmbCDCategory->itemText(i);
    const int match = MatchingCategoryIndex(categories, m_info->Category());
    if (match >= 0)
        ui->cmbCDCategory->setCurrentIndex(match);
    else
        ui->cmbCDCategory->setEditText(m_info->Category());

    const QStringList& titles = m_info->TrackList();
    m_times = ReadTrackTimes(*m_device, m_ctx.ws.config.CDDriveLetter(), int(titles.size()));
    ui->TrackTitles->clear();
    QList<QTreeWidgetItem*> rows;
    rows.reserve(titles.size());
    for (qsizetype n = 0; n < titles.size(); ++n) {
        auto* row = new QTreeWidgetItem(QStringList{QString::number(n + 1), titles[n], m_times.value(n)});
        row->setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
        row->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
        rows.push_back(row);
    }
    ui->TrackTitles->addTopLevelItems(rows);
}

LookupFields frmCDDBAccess::fields() const
{
    LookupFields f;
    f.title = ui->DiscTitle->text();
    f.artist = ui->cmbCDArtist->currentText();
    f.year = m_info ? m_info->Year() : QString();
    f.category = ui->cmbCDCategory->currentText();
    if (m_info) {
        f.description = m_info->Description();
        f.tracks = m_info->TrackList();
        f.trackExtensions = m_info->TrackExtension();
    }
    f.times = m_times;
    return f;
}

void frmCDDBAccess::on_cmdOK_clicked()
{
    if (m_running)
        return;
    LookupApply apply(m_ctx.ws, m_ctx.windows);
    const bool done = ui->rbNewEntry->isChecked() ? apply.Add(fields()) : apply.Update(fields());
    if (done)
        accept();
}

void frmCDDBAccess::reject()
{
    if (!m_running) {
        QDialog::reject();
        return;
    }
    if (!m_cancelled) {
        m_cancelled = true;
        m_messages.mute();
        if (m_info)
            m_info->Cancel();
    }
}

} // namespace vinaxo
