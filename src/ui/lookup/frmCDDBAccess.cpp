#include "ui/lookup/frmCDDBAccess.h"

#include "lookup/CoverStore.h"
#include "model/ListOrder.h"
#include "model/Workspace.h"
#include "platform/IBusyPointer.h"
#include "ui/common/AccessibleNames.h"
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
      m_session(ctx.ws, ctx.busy, ctx.windows), m_mb(std::make_unique<MusicBrainzLookup>(ctx.ws))
{
    ui->setupUi(this);
    setupSource();
    nameComboEditors(this);
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
    connect(ui->cmdGetCDInfo, &QPushButton::clicked, this, &frmCDDBAccess::getCDInfo);
    connect(ui->cmdConfigure, &QPushButton::clicked, this, &frmCDDBAccess::configureClicked);
    connect(ui->cmdOK, &QPushButton::clicked, this, &frmCDDBAccess::applyUpdates);
    connect(ui->cmdCancel, &QPushButton::clicked, this, &frmCDDBAccess::reject);

    m_session.setHooks({
        [this](CCDInfo& info) { showConfiguration(info); },
        [this](const CCDInfo& info) { return chooseMatch(info); },
        [this](const QString& text) { m_status->setText(text); },
    });

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
        // MusicBrainz needs no configuration: the CDDB one is asked for when CDDB is used.
        QTimer::singleShot(0, this, [this] { m_session.Open(source() == LookupSource::CDDB); });
    }
}

void frmCDDBAccess::fillNameLists()
{
    fillList(ui->cmbCDCategory, m_ctx.ws.entries.CategoryEntries());
    fillList(ui->cmbCDArtist, m_ctx.ws.entries.ArtistEntries());
}

void frmCDDBAccess::showConfiguration(CCDInfo& info)
{
    frmCDInfoConfig config(m_ctx, this);
    config.setCDInfo(&info);
    config.exec();
}

void frmCDDBAccess::configureClicked()
{
    if (!m_session.running())
        m_session.Configure();
}

void frmCDDBAccess::setRunning(bool running)
{
    for (QWidget* w : std::initializer_list<QWidget*>{ui->cmdGetCDInfo, ui->cmdConfigure, ui->cmbDriveLetter,
                                                       ui->fraDatabaseAction, ui->cmbSource})
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
    ui->cmdOK->setEnabled(false);
}

void frmCDDBAccess::getCDInfo()
{
    if (source() == LookupSource::MusicBrainz) {
        getMusicBrainzInfo();
        return;
    }
    if (!m_session.info() || m_session.running() || m_mb->running())
        return;
    setRunning(true);
    clearResult();
    m_mbResult = false;
    const bool found = m_session.GetCDInfo();
    ui->lblDiscInfo->setText(m_session.discInfo());
    if (found)
        showResult(m_session.result());
    setRunning(false);
    ui->cmdOK->setEnabled(found);
    if (m_session.cancelled())
        QDialog::reject();
}

std::optional<LookupChoice> frmCDDBAccess::chooseMatch(const CCDInfo& info)
{
    frmCDDBMultiSelect choice(this);
    choice.setCDInfo(&info);
    choice.exec();
    if (!choice.SelectionMade())
        return std::nullopt;
    return LookupChoice{choice.SelectedCategory(), choice.SelectedDiscID()};
}

void frmCDDBAccess::showResult(const LookupFields& r)
{
    ui->DiscTitle->setText(r.title);
    ui->cmbCDArtist->setEditText(r.artist);
    ui->DiscYear->setText(r.year);
    QStringList categories;
    for (int i = 0; i < ui->cmbCDCategory->count(); ++i)
        categories << ui->cmbCDCategory->itemText(i);
    const int match = MatchingCategoryIndex(categories, r.category);
    if (match >= 0)
        ui->cmbCDCategory->setCurrentIndex(match);
    else
        ui->cmbCDCategory->setEditText(r.category);

    QList<QTreeWidgetItem*> rows;
    rows.reserve(r.tracks.size());
    for (qsizetype n = 0; n < r.tracks.size(); ++n) {
        auto* row = new QTreeWidgetItem(QStringList{QString::number(n + 1), r.tracks[n], r.times.value(n)});
        row->setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
        row->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
        rows.push_back(row);
    }
    ui->TrackTitles->addTopLevelItems(rows);
}

LookupFields frmCDDBAccess::fields() const
{
    // Title, artist and category as the user may have edited them; the rest as found.
    LookupFields f = m_mbResult ? m_mb->result() : m_session.result();
    f.title = ui->DiscTitle->text();
    f.artist = ui->cmbCDArtist->currentText();
    f.category = ui->cmbCDCategory->currentText();
    return f;
}

void frmCDDBAccess::applyUpdates()
{
    if (m_mb->running())
        return;
    if (m_session.Apply(ui->rbNewEntry->isChecked(), fields())) {
        storeCover();
        accept();
    } else if (m_session.showedExisting()) {
        QDialog::reject(); // the recording held is selected in the main list
    }
}

void frmCDDBAccess::reject()
{
    if (m_mb->running()) {
        m_mb->cancel();
        return;
    }
    if (!m_session.running()) {
        QDialog::reject();
        return;
    }
    m_session.Cancel();
}

// --- The source choice and the MusicBrainz run ---

void frmCDDBAccess::setupSource()
{
    ui->cmbSource->addItem(LookupSourceName(LookupSource::MusicBrainz));
    ui->cmbSource->addItem(LookupSourceName(LookupSource::CDDB));
    ui->cmbSource->setCurrentIndex(ReadLookupSource(m_ctx.ws.config) == LookupSource::CDDB ? 1 : 0);
    connect(ui->cmbSource, &QComboBox::currentIndexChanged, this,
            [this] { WriteLookupSource(m_ctx.ws.config, source()); });
    m_mb->setHooks({
        [this](const std::vector<MbCandidate>& c) { return chooseCandidate(c); },
        [this](const QString& text) { m_status->setText(text); },
    });
    connect(m_mb.get(), &MusicBrainzLookup::finished, this, &frmCDDBAccess::musicBrainzFinished);
}

LookupSource frmCDDBAccess::source() const
{
    return ui->cmbSource->currentIndex() == 1 ? LookupSource::CDDB : LookupSource::MusicBrainz;
}

void frmCDDBAccess::getMusicBrainzInfo()
{
    if (m_session.running() || m_mb->running())
        return;
    setRunning(true);
    clearResult();
    m_mbResult = true;
    m_ctx.busy.ShowBusyPointer();
    if (!m_mb->start()) {
        m_ctx.busy.ShowNormalPointer();
        ui->lblDiscInfo->setText(m_mb->discInfo());
        setRunning(false);
    }
    // Otherwise musicBrainzFinished ends the run.
}

void frmCDDBAccess::musicBrainzFinished(bool found)
{
    m_ctx.busy.ShowNormalPointer();
    ui->lblDiscInfo->setText(m_mb->discInfo());
    if (found)
        showResult(m_mb->result());
    setRunning(false);
    ui->cmdOK->setEnabled(found);
    if (m_mb->cancelled())
        QDialog::reject();
}

std::optional<int> frmCDDBAccess::chooseCandidate(const std::vector<MbCandidate>& candidates)
{
    m_ctx.busy.ShowNormalPointer();
    frmCDDBMultiSelect choice(this);
    choice.setCandidates(candidates);
    choice.exec();
    m_ctx.busy.ShowBusyPointer();
    if (!choice.SelectionMade())
        return std::nullopt;
    return choice.SelectedIndex();
}

void frmCDDBAccess::storeCover()
{
    // The recording just added or updated is the current one. Like its other fields, its
    // picture reaches the disk when the collection is saved.
    if (!m_mbResult || CoverStore::ImageSuffix(m_mb->cover().left(8)).isEmpty())
        return;
    QString key = m_ctx.ws.entries.LastActionKey();
    if (key.isEmpty() && m_ctx.ws.entries.CurrEntry())
        key = m_ctx.ws.entries.CurrEntry()->CDKey;
    if (!key.isEmpty())
        m_ctx.ws.pendingCovers.set(key, m_mb->cover());
}

} // namespace vinaxo
