#include "ui/entry/frmEntryDetail.h"

#include "ui/entry/CdTextOffer.h"
#include "ui/entry/CoverPanel.h"
#include "ui_frmEntryDetail.h"

#include "lookup/CdioAudioDevice.h"
#include "model/FieldLimits.h"
#include "model/TimeText.h"
#include "model/Workspace.h"
#include "platform/IBusyPointer.h"
#include "platform/IMessageService.h"
#include "ui/common/AccessibleNames.h"
#include "ui/common/AppContext.h"
#include "ui/common/ElidingLabel.h"
#include "ui/common/IWindows.h"
#include "ui/common/TextLimit.h"
#include "ui/common/WindowGeometry.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QScopedValueRollback>
#include <QSignalBlocker>

namespace vinaxo {

namespace {
const QString kSection = QStringLiteral("Windows");
const QString kSizeKey = QStringLiteral("EntryDetailSize");
const QString kPageKey = QStringLiteral("EntryDetailPage");
const char* const kBaseTip = "vinaxoBaseToolTip";
// How long a notice stays in the status bar.
constexpr int NoticeMs = 8000;

void setText(QLineEdit* e, const QString& s)
{
    if (e->text() != s)
        e->setText(s);
}
void setText(QPlainTextEdit* e, const QString& s)
{
    if (e->toPlainText() != s)
        e->setPlainText(s);
}
// A stored time beyond the bar's range leaves the bar at its end and the text as stored.
void setBar(QScrollBar* bar, const QString& time)
{
    const QSignalBlocker block(bar);
    bar->setValue(qMin(int(TimeToSeconds(time)), bar->maximum()));
}
QStringList itemsOf(const QComboBox* box)
{
    QStringList out;
    out.reserve(box->count());
    for (int i = 0; i < box->count(); ++i)
        out << box->itemText(i);
    return out;
}
}

// Change events of the controls while the program fills them are no user edits.
struct frmEntryDetail::Displaying {
    explicit Displaying(frmEntryDetail* w) : flag(w->m_displaying, true) {}
    QScopedValueRollback<bool> flag;
};

frmEntryDetail::frmEntryDetail(AppContext& ctx, QWidget* owner)
    : QMainWindow(owner, Qt::Window), m_ctx(ctx), ui(std::make_unique<Ui::frmEntryDetail>()),
      m_session(ctx.ws, ctx.windows), m_device(std::make_unique<CdioAudioDevice>())
{
    Displaying d(this);
    ui->setupUi(this);
    nameComboEditors(this);
    // Artist and title can be as long as the file holds: the panel never widens the window.
    m_statusPanel = new ElidingLabel(this);
    m_statusPanel->setObjectName(QStringLiteral("sbStatusPanel1"));
    ui->sbStatusBar->addWidget(m_statusPanel, 1);
    m_cover = new CoverPanel(m_session, ctx.dialogs, ui->imgCover, ui->cmdPicture, ui->cmdRemovePicture, this);
    connect(m_cover, &CoverPanel::edited, this, &frmEntryDetail::markChanged);
    connect(m_cover, &CoverPanel::notice, this, [this](const QString& text) { ui->sbStatusBar->showMessage(text, NoticeMs); });

    setUpKeyboard();
    capTextBoxes();
    connect(ui->First, &QAction::triggered, this, [this] { onMove(EntryEditSession::Move::First); });
    connect(ui->Prev, &QAction::triggered, this, [this] { onMove(EntryEditSession::Move::Prev); });
    connect(ui->Next, &QAction::triggered, this, [this] { onMove(EntryEditSession::Move::Next); });
    connect(ui->Last, &QAction::triggered, this, [this] { onMove(EntryEditSession::Move::Last); });
    connect(ui->Insert, &QAction::triggered, this, &frmEntryDetail::onInsert);
    connect(ui->Cancel, &QAction::triggered, this, &frmEntryDetail::onCancel);
    connect(ui->Post, &QAction::triggered, this, &frmEntryDetail::onPost);
    connect(ui->Delete, &QAction::triggered, this, &frmEntryDetail::onDelete);
    connect(ui->CDDB, &QAction::triggered, this, &frmEntryDetail::onLookup);
    connect(ui->Close, &QAction::triggered, this, &frmEntryDetail::onClose);

    connect(ui->tsEntryDetail, &QTabWidget::currentChanged, this, &frmEntryDetail::onTabChanged);
    connect(ui->btnChangeKeys, &QPushButton::clicked, this, &frmEntryDetail::onUnlock);
    connect(ui->cmdEditCategories, &QPushButton::clicked, this, &frmEntryDetail::onEditCategories);
    connect(ui->cmdEditMediums, &QPushButton::clicked, this, &frmEntryDetail::onEditMediums);

    // Tracks page
    ui->lvTrackList->setModel(&m_session.tracks().model());
    const int em = fontMetrics().horizontalAdvance(QLatin1Char('M'));
    ui->lvTrackList->setColumnWidth(TrackListModel::TitleColumn, 22 * em);
    ui->lvTrackList->setColumnWidth(TrackListModel::TimeColumn, 5 * em);
    ui->lvTrackList->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    connect(ui->lvTrackList->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { onTrackRowChanged(current.isValid() ? current.row() : -1); });
    connect(ui->cmbSaveTrackEntry, &QPushButton::clicked, this, &frmEntryDetail::onUpdateTrack);
    connect(ui->edtCDTrackTitle, &QLineEdit::returnPressed, this, &frmEntryDetail::onUpdateTrack);
    connect(ui->edtCDTrackTime, &QLineEdit::returnPressed, this, &frmEntryDetail::onUpdateTrack);
    connect(ui->cmdAddBlankTracks, &QPushButton::clicked, this, &frmEntryDetail::onBlank);
    connect(ui->cmdGetCDInfo, &QPushButton::clicked, this, &frmEntryDetail::onReadCD);
    const auto barToText = [](QScrollBar* bar, QLineEdit* edit) {
        connect(bar, &QScrollBar::valueChanged, edit, [edit](int v) { edit->setText(SecondsToTime(v)); });
        connect(edit, &QLineEdit::textEdited, bar, [bar](const QString& t) {
            if (IsValidTime(t))
                setBar(bar, t);
        });
    };
    barToText(ui->hsCDTotalTime, ui->edtCDTotalTime);
    barToText(ui->hsCDTrackTime, ui->edtCDTrackTime);
    ui->cmbDriveLetter->attach(ctx.ws.config, ctx.dialogs);
    connectEdits();
    // The title box wraps long titles over two lines but takes no line breaks.
    ui->edtCDTitle->installEventFilter(this);

    // Where the user left it last time, unless that no longer fits the screen.
    RestoreWindowSize(*this, ctx.ws.config.extraValue(kSection, kSizeKey).toSize());
    const int page = ctx.ws.config.extraValue(kSection, kPageKey, 0).toInt();
    m_session.setPage(page >= 0 && page <= 2 ? EntryPage(page) : EntryPage::Detail);
    {
        const QSignalBlocker block(ui->tsEntryDetail);
        ui->tsEntryDetail->setCurrentIndex(int(m_session.page()));
    }
    setPostCancel(false, false);
    applyRefills(m_session.takeRefills());
}

frmEntryDetail::~frmEntryDetail()
{
    if (isVisible())
        rememberWindow();
    // The controls go first, while the handlers their last signals reach still exist.
    m_displaying = m_selectingRow = true;
    ui->lvTrackList->setModel(nullptr);
    delete takeCentralWidget();
}

void frmEntryDetail::setAudioDevice(std::unique_ptr<ICDAudioDevice> device) { m_device = std::move(device); }

void frmEntryDetail::setUpKeyboard()
{
    ui->First->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Home));
    ui->Prev->setShortcut(Qt::Key_PageUp);
    ui->Next->setShortcut(Qt::Key_PageDown);
    ui->Last->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_End));
    ui->Insert->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_N), QKeySequence(Qt::Key_Insert)});
    ui->Post->setShortcut(QKeySequence::Save);
    ui->Delete->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Delete));
    ui->CDDB->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    for (QAction* a : ui->barToolbar->actions()) {
        if (a->isSeparator())
            continue;
        a->setProperty(kBaseTip, a->toolTip());
        // Tab reaches the command bar; Space there runs the command.
        if (QWidget* button = ui->barToolbar->widgetForAction(a))
            button->setFocusPolicy(Qt::TabFocus);
    }
    // Esc belongs to Cancel or Close depending on what is being edited.
    connect(ui->Post, &QAction::enabledChanged, this, &frmEntryDetail::updateEscape);
    connect(ui->Cancel, &QAction::enabledChanged, this, &frmEntryDetail::updateEscape);
    updateEscape();
}

void frmEntryDetail::updateEscape()
{
    using Esc = EntryEditSession::EscapeCommand;
    const Esc esc = EntryEditSession::escapeCommand(ui->Cancel->isEnabled(), ui->Post->isEnabled());
    const QKeySequence escape(Qt::Key_Escape), closeKey(Qt::CTRL | Qt::Key_W);
    ui->Cancel->setShortcuts(esc == Esc::Cancel ? QList<QKeySequence>{escape} : QList<QKeySequence>{});
    ui->Close->setShortcuts(esc == Esc::Close ? QList<QKeySequence>{escape, closeKey} : QList<QKeySequence>{closeKey});
    // Each command's tool tip names its keys.
    for (QAction* a : ui->barToolbar->actions()) {
        if (a->isSeparator())
            continue;
        QStringList keys;
        for (const QKeySequence& k : a->shortcuts())
            keys << k.toString(QKeySequence::NativeText);
        const QString base = a->property(kBaseTip).toString();
        a->setToolTip(keys.isEmpty() ? base : base + QStringLiteral(" (") + keys.join(QStringLiteral(", ")) + u')');
    }
}

void frmEntryDetail::capTextBoxes()
{
    const TextLimit::Notice notice = [this](const QString& text) { ui->sbStatusBar->showMessage(text, NoticeMs); };
    struct Box {
        QWidget* box;
        int field;
        const char* name;
    };
    const Box boxes[] = {
        {ui->edtCDTitle, Field::Title, QT_TRANSLATE_NOOP("vinaxo::frmEntryDetail", "Title")},
        {ui->cmbCDArtist->lineEdit(), Field::Artist, QT_TRANSLATE_NOOP("vinaxo::frmEntryDetail", "Artist")},
        {ui->edtCDDesc, Field::Desc, QT_TRANSLATE_NOOP("vinaxo::frmEntryDetail", "Description")},
        {ui->edtCDRelYear, Field::RelYear, QT_TRANSLATE_NOOP("vinaxo::frmEntryDetail", "Release Year")},
        {ui->edtCDCatNbr, Field::Catnbr, QT_TRANSLATE_NOOP("vinaxo::frmEntryDetail", "Catalog Nbr")},
        {ui->cmbCDLabel->lineEdit(), Field::Label, QT_TRANSLATE_NOOP("vinaxo::frmEntryDetail", "Label")},
        {ui->edtCDLocation, Field::Location, QT_TRANSLATE_NOOP("vinaxo::frmEntryDetail", "Location")},
        {ui->edtCDCollNbr, Field::CollNbr, QT_TRANSLATE_NOOP("vinaxo::frmEntryDetail", "Collection Nbr")},
        {ui->edtCDComments, Field::Comments, QT_TRANSLATE_NOOP("vinaxo::frmEntryDetail", "Comments")},
        {ui->edtCDComposer, Field::Composer, QT_TRANSLATE_NOOP("vinaxo::frmEntryDetail", "Composer")},
        {ui->edtCDConductor, Field::Conductor, QT_TRANSLATE_NOOP("vinaxo::frmEntryDetail", "Conductor")},
        {ui->edtCDMiscKey1, Field::MiscKey1, QT_TRANSLATE_NOOP("vinaxo::frmEntryDetail", "Key 1")},
        {ui->edtCDMiscKey2, Field::MiscKey2, QT_TRANSLATE_NOOP("vinaxo::frmEntryDetail", "Key 2")},
        {ui->edtCDMiscKey3, Field::MiscKey3, QT_TRANSLATE_NOOP("vinaxo::frmEntryDetail", "Key 3")},
        {ui->edtCDPurchDate, Field::PurchDate, QT_TRANSLATE_NOOP("vinaxo::frmEntryDetail", "Purchase Date")},
        {ui->edtCDPurchCost, Field::PurchCost, QT_TRANSLATE_NOOP("vinaxo::frmEntryDetail", "Purchase Price")},
        {ui->edtCDAwards, Field::Awards, QT_TRANSLATE_NOOP("vinaxo::frmEntryDetail", "Awards")},
        {ui->edtCDTotalTime, Field::TotalTime, QT_TRANSLATE_NOOP("vinaxo::frmEntryDetail", "Total Time")},
        {ui->edtCDTrackTitle, Field::TrackTitle, QT_TRANSLATE_NOOP("vinaxo::frmEntryDetail", "Track Title")},
        {ui->edtCDTrackTime, Field::TrackTime, QT_TRANSLATE_NOOP("vinaxo::frmEntryDetail", "Time")},
        {ui->edtCDTrackDesc, Field::TrackDesc, QT_TRANSLATE_NOOP("vinaxo::frmEntryDetail", "Description")},
    };
    for (const Box& b : boxes) {
        const int limit = FieldTextLimit(b.field);
        const QString name = tr(b.name);
        if (auto* line = qobject_cast<QLineEdit*>(b.box))
            TextLimit::cap(line, limit, name, notice);
        else if (auto* text = qobject_cast<QPlainTextEdit*>(b.box))
            TextLimit::cap(text, limit, name, notice);
    }
}

void frmEntryDetail::connectEdits()
{
    for (QLineEdit* e : {ui->edtCDRelYear, ui->edtCDCatNbr, ui->edtCDLocation, ui->edtCDCollNbr,
                         ui->edtCDComposer, ui->edtCDConductor, ui->edtCDMiscKey1, ui->edtCDMiscKey2,
                         ui->edtCDMiscKey3, ui->edtCDPurchDate, ui->edtCDPurchCost, ui->edtCDTotalTime})
        connect(e, &QLineEdit::textChanged, this, &frmEntryDetail::markChanged);
    for (QPlainTextEdit* e : {ui->edtCDTitle, ui->edtCDDesc, ui->edtCDComments, ui->edtCDAwards})
        connect(e, &QPlainTextEdit::textChanged, this, &frmEntryDetail::markChanged);
    for (QSpinBox* s : {ui->edtCDRateSound, ui->edtCDRatePerform, ui->edtCDNbrDisks, ui->edtCDNbrTracks})
        connect(s, &QSpinBox::valueChanged, this, &frmEntryDetail::markChanged);
    for (QComboBox* c : {ui->cmbCDArtist, ui->cmbCDLabel})
        connect(c, &QComboBox::editTextChanged, this, &frmEntryDetail::markChanged);
    for (QComboBox* c : {ui->cmbCDArtist, ui->cmbCDLabel, ui->cmbCDCategory, ui->cmbCDMedium})
        connect(c, &QComboBox::activated, this, &frmEntryDetail::markChanged);
    connect(ui->edtCDTrackTitle, &QLineEdit::textChanged, this, &frmEntryDetail::trackBoxEdited);
    connect(ui->edtCDTrackTime, &QLineEdit::textChanged, this, &frmEntryDetail::trackBoxEdited);
    connect(ui->edtCDTrackDesc, &QPlainTextEdit::textChanged, this, &frmEntryDetail::trackBoxEdited);
}

void frmEntryDetail::markChanged()
{
    if (m_displaying)
        return;
    m_session.markChanged();
    ui->Post->setEnabled(true);
}

void frmEntryDetail::trackBoxEdited()
{
    if (m_displaying)
        return;
    m_session.tracks().edited = true;
    markChanged();
}

void frmEntryDetail::setPostCancel(bool post, bool cancel)
{
    ui->Post->setEnabled(post);
    ui->Cancel->setEnabled(cancel);
}

// --- showing --------------------------------------------------------------------------

void frmEntryDetail::showEditor()
{
    if (isVisible()) {
        raise();
        activateWindow();
    } else {
        show();
    }
    applyRefills(m_session.takeRefills());
    ui->cmbDriveLetter->showSetting();
    RefreshDisplay();
}

void frmEntryDetail::RefreshDisplay()
{
    Displaying d(this);
    fillPage();
    m_statusPanel->setText(m_session.statusText());
    const bool locked = m_session.keysLocked();
    ui->cmbCDArtist->setEnabled(!locked);
    ui->edtCDTitle->setEnabled(!locked);
    m_session.shown();
}

void frmEntryDetail::fillPage()
{
    switch (m_session.page()) {
    case EntryPage::Detail: fillDetail(); break;
    case EntryPage::Additional: fillAdditional(); break;
    case EntryPage::Tracks: fillTracks(); break;
    }
}

void frmEntryDetail::fillDetail()
{
    m_cover->refresh();
    if (!m_session.entries().ValidEntry())
        return;
    const DetailFields f = m_session.detail();
    setText(ui->edtCDTitle, f.title);
    ui->cmbCDArtist->setCurrentText(f.artist);
    setText(ui->edtCDDesc, f.description);
    setText(ui->edtCDRelYear, f.relYear);
    setText(ui->edtCDCatNbr, f.catalogNbr);
    ui->cmbCDLabel->setCurrentText(f.label);
    // A category or medium that is not in its list shows no item (and is kept when the
    // entry is saved), rather than the previous entry's, which a save would copy over.
    ui->cmbCDCategory->setCurrentIndex(EntryEditSession::categoryIndex(itemsOf(ui->cmbCDCategory), f.category));
    ui->cmbCDMedium->setCurrentIndex(EntryEditSession::mediumIndex(itemsOf(ui->cmbCDMedium), f.medium));
    setText(ui->edtCDLocation, f.location);
    setText(ui->edtCDCollNbr, f.collectionNbr);
    setText(ui->edtCDComments, f.comments);
}

void frmEntryDetail::fillAdditional()
{
    if (!m_session.entries().ValidEntry())
        return;
    const AdditionalFields f = m_session.additional();
    setText(ui->edtCDComposer, f.composer);
    setText(ui->edtCDConductor, f.conductor);
    setText(ui->edtCDMiscKey1, f.key1);
    setText(ui->edtCDMiscKey2, f.key2);
    setText(ui->edtCDMiscKey3, f.key3);
    setText(ui->edtCDPurchDate, f.purchDate);
    setText(ui->edtCDPurchCost, f.purchCost);
    setText(ui->edtCDAwards, f.awards);
    ui->edtCDRateSound->setValue(f.rateSound);
    ui->edtCDRatePerform->setValue(f.ratePerform);
}

void frmEntryDetail::fillTracks()
{
    TrackListEditor& t = m_session.tracks();
    t.fill();
    if (!m_session.entries().ValidEntry()) {
        showTrackRow(-1);
        return;
    }
    const TracksFields f = m_session.tracksFields();
    ui->edtCDNbrDisks->setValue(f.nbrDisks);
    ui->edtCDNbrTracks->setValue(f.nbrTracks);
    showTotal(f.totalTime);
    // The first track is shown, so that its title can be typed at once.
    selectTrackRow(t.model().rowCount() > 0 ? 0 : -1);
}

void frmEntryDetail::showTotal(const QString& total)
{
    Displaying d(this);
    setText(ui->edtCDTotalTime, total);
    setBar(ui->hsCDTotalTime, total);
}

void frmEntryDetail::showTrackRow(int row)
{
    Displaying d(this);
    const TrackFields f = m_session.tracks().showRow(row);
    setText(ui->edtCDTrackTitle, f.title);
    setText(ui->edtCDTrackTime, f.time);
    setText(ui->edtCDTrackDesc, f.description);
    setBar(ui->hsCDTrackTime, f.time);
    m_session.tracks().edited = false; // the boxes show the track as it is
}

void frmEntryDetail::selectTrackRow(int row)
{
    {
        QScopedValueRollback<bool> guard(m_selectingRow, true);
        QItemSelectionModel* sel = ui->lvTrackList->selectionModel();
        if (row < 0)
            sel->clear();
        else
            sel->setCurrentIndex(m_session.tracks().model().index(row, 0),
                                 QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    showTrackRow(row);
}

void frmEntryDetail::refillCombo(QComboBox* box, const QStringList& names)
{
    Displaying d(this);
    const QString text = box->currentText();
    box->clear();
    box->addItems(names);
    if (box->isEditable()) {
        box->setCurrentText(text);
    } else {
        // The chosen item stays chosen where it still exists.
        const int i = box->findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive);
        box->setCurrentIndex(i);
    }
}

void frmEntryDetail::applyRefills(const EntryEditSession::Refills& r)
{
    CEntries& c = m_session.entries();
    if (r.artists)
        refillCombo(ui->cmbCDArtist, ListedNames(c.ArtistEntries()));
    if (r.labels)
        refillCombo(ui->cmbCDLabel, ListedNames(c.LabelEntries()));
    if (r.categories)
        refillCombo(ui->cmbCDCategory, ListedNames(c.CategoryEntries()));
    if (r.mediums)
        refillCombo(ui->cmbCDMedium, ListedNames(c.MediumEntries()));
}

// --- saving ---------------------------------------------------------------------------

PageEdits frmEntryDetail::readPage() const
{
    PageEdits e;
    switch (m_session.page()) {
    case EntryPage::Detail: {
        const DetailFields stored = m_session.detail();
        const auto chosen = [](const QComboBox* box, const QString& kept) {
            return box->currentIndex() >= 0 ? box->currentText() : kept;
        };
        e.detail = {ui->edtCDTitle->toPlainText(), ui->cmbCDArtist->currentText(),
                    ui->edtCDDesc->toPlainText(),   ui->edtCDRelYear->text(),
                    ui->edtCDCatNbr->text(),        ui->cmbCDLabel->currentText(),
                    chosen(ui->cmbCDCategory, stored.category), chosen(ui->cmbCDMedium, stored.medium),
                    ui->edtCDLocation->text(),      ui->edtCDCollNbr->text(),
                    ui->edtCDComments->toPlainText()};
        break;
    }
    case EntryPage::Additional:
        e.additional = {ui->edtCDComposer->text(), ui->edtCDConductor->text(), ui->edtCDMiscKey1->text(),
                        ui->edtCDMiscKey2->text(), ui->edtCDMiscKey3->text(), ui->edtCDPurchDate->text(),
                        ui->edtCDPurchCost->text(), ui->edtCDAwards->toPlainText(),
                        ui->edtCDRateSound->value(), ui->edtCDRatePerform->value()};
        break;
    case EntryPage::Tracks:
        e.tracks = {ui->edtCDNbrDisks->value(), ui->edtCDNbrTracks->value(), ui->edtCDTotalTime->text()};
        e.track = readTrack();
        break;
    }
    return e;
}

TrackFields frmEntryDetail::readTrack() const
{
    return {ui->edtCDTrackTitle->text(), ui->edtCDTrackTime->text(), ui->edtCDTrackDesc->toPlainText()};
}

void frmEntryDetail::showSavedBack(const PageEdits& e)
{
    Displaying d(this);
    switch (m_session.page()) {
    case EntryPage::Detail: setText(ui->edtCDRelYear, e.detail.relYear); break;
    case EntryPage::Additional:
        setText(ui->edtCDPurchDate, e.additional.purchDate);
        setText(ui->edtCDPurchCost, e.additional.purchCost);
        break;
    case EntryPage::Tracks:
        showTotal(e.tracks.totalTime);
        setText(ui->edtCDTrackTime, e.track.time);
        break;
    }
}

bool frmEntryDetail::SaveChanges()
{
    if (m_saving) // a message box of this save deactivated the window
        return false;
    QScopedValueRollback<bool> guard(m_saving, true);
    PageEdits edits = readPage();
    const auto r = m_session.saveChanges(edits);
    if (r.showedExisting) {
        // The new recording was dropped for the one held, which the editor now shows.
        RefreshDisplay();
        setPostCancel(false, false);
        return false;
    }
    showSavedBack(edits);
    if (!r.posted)
        return r.ok;
    Displaying d(this);
    const CEntry* e = m_session.entries().CurrEntry();
    if (r.addedArtist && e)
        ui->cmbCDArtist->addItem(e->CDArtist);
    if (r.addedLabel && e)
        ui->cmbCDLabel->addItem(e->CDLabel);
    m_statusPanel->setText(m_session.statusText());
    setPostCancel(false, false);
    return true;
}

// --- commands -------------------------------------------------------------------------

void frmEntryDetail::onMove(EntryEditSession::Move m)
{
    if (SaveChanges() && m_session.move(m))
        RefreshDisplay();
}

void frmEntryDetail::onInsert()
{
    if (!SaveChanges())
        return;
    {
        const QSignalBlocker block(ui->tsEntryDetail);
        ui->tsEntryDetail->setCurrentIndex(int(EntryPage::Detail));
    }
    if (!m_session.insert())
        return;
    RefreshDisplay();
    setPostCancel(false, true);
    ui->edtCDTitle->setFocus();
}

void frmEntryDetail::onCancel()
{
    if (!m_session.cancel())
        return;
    RefreshDisplay();
    setPostCancel(false, false);
}

void frmEntryDetail::onPost()
{
    SaveChanges();
    RefreshDisplay();
}

void frmEntryDetail::onDelete()
{
    if (!m_session.deleteCurrent())
        return;
    RefreshDisplay();
    setPostCancel(false, false);
}

void frmEntryDetail::onLookup()
{
    // The lookup changes the current entry: edits made here are stored first.
    if (!SaveChanges())
        return;
    if (m_ctx.windows)
        m_ctx.windows->showLookup(this, true);
    applyRefills(m_session.takeRefills());
    RefreshDisplay();
}

void frmEntryDetail::onClose()
{
    // A rejected value keeps the window open with it, rather than losing it unseen.
    if (SaveChanges())
        hide();
}

void frmEntryDetail::closeEvent(QCloseEvent* e)
{
    e->ignore();
    onClose();
}

void frmEntryDetail::hideEvent(QHideEvent* e)
{
    rememberWindow();
    QMainWindow::hideEvent(e);
}

void frmEntryDetail::rememberWindow()
{
    m_ctx.ws.config.setExtraValue(kSection, kSizeKey, size());
    m_ctx.ws.config.setExtraValue(kSection, kPageKey, int(m_session.page()));
}

void frmEntryDetail::onTabChanged(int index)
{
    const auto page = EntryPage(index);
    if (page == m_session.page())
        return;
    if (!SaveChanges()) {
        // The user stays on the page with the faulty value.
        const QSignalBlocker block(ui->tsEntryDetail);
        ui->tsEntryDetail->setCurrentIndex(int(m_session.page()));
        return;
    }
    m_session.setPage(page);
    Displaying d(this);
    fillPage();
}

void frmEntryDetail::onUnlock()
{
    ui->cmbCDArtist->setEnabled(true);
    ui->edtCDTitle->setEnabled(true);
    ui->edtCDTitle->setFocus();
}

void frmEntryDetail::onEditCategories()
{
    if (m_ctx.windows)
        m_ctx.windows->showCategoryList(this);
    refillCombo(ui->cmbCDCategory, ListedNames(m_session.entries().CategoryEntries()));
}

void frmEntryDetail::onEditMediums()
{
    if (m_ctx.windows)
        m_ctx.windows->showMediumList(this);
    refillCombo(ui->cmbCDMedium, ListedNames(m_session.entries().MediumEntries()));
}

// --- activation -----------------------------------------------------------------------

bool frmEntryDetail::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate)
        onActivate();
    else if (e->type() == QEvent::WindowDeactivate)
        onDeactivate();
    return QMainWindow::event(e);
}

bool frmEntryDetail::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == ui->edtCDTitle && e->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            return true;
    }
    return QMainWindow::eventFilter(watched, e);
}

void frmEntryDetail::onActivate()
{
    const auto a = m_session.activate();
    applyRefills(a.refills);
    ui->cmbDriveLetter->showSetting();
    if (a.refresh)
        RefreshDisplay();
}

void frmEntryDetail::onDeactivate()
{
    if (EntryEditSession::savesOnDeactivate(QApplication::activeModalWidget() != nullptr, isVisible()))
        m_session.deactivated(SaveChanges());
}

// --- tracks page ----------------------------------------------------------------------

void frmEntryDetail::onTrackRowChanged(int row)
{
    if (m_selectingRow)
        return;
    if (m_session.tracks().edited) {
        TrackFields f = readTrack();
        storeTrack(f);
        if (m_session.entries().Changesmade)
            ui->Post->setEnabled(true);
    }
    showTrackRow(row);
}

bool frmEntryDetail::storeTrack(TrackFields& f)
{
    QString total;
    if (!m_session.tracks().storeTrackEdits(f, &total))
        return false;
    if (!total.isEmpty())
        showTotal(total);
    return true;
}

void frmEntryDetail::onUpdateTrack()
{
    TrackListEditor& t = m_session.tracks();
    TrackFields f = readTrack();
    if (!storeTrack(f)) {
        // The rejected time shows what the track kept; the user stays on the track.
        Displaying d(this);
        setText(ui->edtCDTrackTime, f.time);
        setBar(ui->hsCDTrackTime, f.time);
        ui->edtCDTrackTime->setFocus();
        return;
    }
    if (m_session.entries().Changesmade)
        ui->Post->setEnabled(true);
    const int next = t.nextRow();
    if (next >= 0)
        selectTrackRow(next);
    else
        t.edited = false;
    ui->edtCDTrackTitle->setFocus();
    ui->edtCDTrackTitle->selectAll();
}

void frmEntryDetail::onBlank()
{
    switch (m_session.blankTracks(ui->edtCDNbrTracks->value())) {
    case EntryEditSession::Outcome::BadCount: ui->edtCDNbrTracks->setFocus(); return;
    case EntryEditSession::Outcome::Replaced: break;
    default: return;
    }
    Displaying d(this);
    fillTracks();
    ui->Post->setEnabled(true);
}

void frmEntryDetail::onReadCD()
{
    if (m_session.readDisc(m_device.get(), m_ctx.busy, readTrack()) != EntryEditSession::Outcome::Replaced)
        return;
    {
        Displaying d(this);
        fillTracks();
    }
    ui->Post->setEnabled(true);
    offerDiscTitles();
}

void frmEntryDetail::offerDiscTitles()
{
    // Into the boxes, as if typed: the user still saves or drops them.
    const auto titles = AskCdTextTitles(m_ctx.ws.messages, m_session.tracks().lastCdText(),
                                        ui->edtCDTitle->toPlainText(), ui->cmbCDArtist->currentText());
    if (!titles)
        return;
    setText(ui->edtCDTitle, titles->title);
    ui->cmbCDArtist->setCurrentText(titles->performer);
}

} // namespace vinaxo
