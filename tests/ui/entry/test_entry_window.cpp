// The entry editor as the user drives it, offscreen, by objectName.
#include "DiscImages.h"
#include "EntryTestSupport.h"
#include "model/FieldLimits.h"
#include "model/TimeText.h"
#include "ui/common/TextLimit.h"
#include "ui/common/WindowGeometry.h"
#include "ui/entry/DriveCombo.h"
#include "ui/entry/CdTextOffer.h"
#include "ui/entry/frmEntryDetail.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

using namespace vinaxo;
using test::child;

namespace {
struct EditorTest : ::testing::Test {
    test::EntryWorld w;
    CEntry* charlie = w.addRecording("Charlie", "Carl", 3);
    CEntry* alpha = w.addRecording("Alpha", "Ann", 0);
    CEntry* bravo = w.addRecording("Bravo", "Bob", 2);
    std::unique_ptr<frmEntryDetail> win;

    void SetUp() override
    {
        w.sortByTitle();
        win = std::make_unique<frmEntryDetail>(w.context, nullptr);
        win->showEditor();
    }
    template <class T>
    T* c(const char* name) { return child<T>(win.get(), name); }
    void act(const char* key) { c<QAction>(key)->trigger(); }
    void page(EntryPage p) { c<QTabWidget>("tsEntryDetail")->setCurrentIndex(int(p)); }
    int shownPage() { return c<QTabWidget>("tsEntryDetail")->currentIndex(); }
    QString status() { return c<QLabel>("sbStatusPanel1")->text(); }
    QTableView* list() { return c<QTableView>("lvTrackList"); }
    int currentRow() { return list()->currentIndex().row(); }
    void activate()
    {
        QEvent e(QEvent::WindowActivate);
        QApplication::sendEvent(win.get(), &e);
    }
    bool activeWindow()
    {
        win->activateWindow();
        return QTest::qWaitForWindowActive(win.get(), 2000);
    }
    void settleLayouts() { QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest); }
};
}

TEST_F(EditorTest, ShowsTheCurrentEntryWithTheKeysLocked)
{
    EXPECT_EQ(win->windowTitle(), "Entry Detail");
    EXPECT_EQ(c<QPlainTextEdit>("edtCDTitle")->toPlainText(), "Alpha");
    EXPECT_EQ(status(), "Ann / Alpha");
    EXPECT_FALSE(c<QPlainTextEdit>("edtCDTitle")->isEnabled());
    EXPECT_FALSE(c<QComboBox>("cmbCDArtist")->isEnabled());
    EXPECT_FALSE(c<QAction>("Post")->isEnabled());
    EXPECT_FALSE(c<QAction>("Cancel")->isEnabled());
    c<QPushButton>("btnChangeKeys")->click();
    EXPECT_TRUE(c<QPlainTextEdit>("edtCDTitle")->isEnabled());
    EXPECT_TRUE(c<QComboBox>("cmbCDArtist")->isEnabled());
}

TEST_F(EditorTest, NavigationFollowsTheListOrderAndSavesFirst)
{
    c<QLineEdit>("edtCDLocation")->setText("Shelf 1");
    EXPECT_TRUE(c<QAction>("Post")->isEnabled());
    act("Next");
    EXPECT_EQ(alpha->CDLocation, "Shelf 1");
    ASSERT_EQ(w.windows.changes.size(), 1u);
    EXPECT_EQ(w.windows.changes[0], std::make_pair(qint32(ActionUpdated), alpha->CDKey));
    EXPECT_EQ(status(), "Bob / Bravo");
    EXPECT_EQ(c<QLineEdit>("edtCDLocation")->text(), "");
    act("Next");
    EXPECT_EQ(status(), "Carl / Charlie");
    act("Next");
    EXPECT_EQ(status(), "Carl / Charlie");
    act("First");
    EXPECT_EQ(status(), "Ann / Alpha");
    act("Last");
    EXPECT_EQ(status(), "Carl / Charlie");
    act("Prev");
    EXPECT_EQ(status(), "Bob / Bravo");
    EXPECT_EQ(w.windows.changes.size(), 1u); // moves without edits post nothing
}

// Which values are refused is the session's; the page and the box reach the rule.
TEST_F(EditorTest, RejectedValueKeepsTheUserOnEntryAndPage)
{
    alpha->CDTotalTime = "40:00";
    page(EntryPage::Tracks);
    for (const char* how : {"Next", "tab"}) {
        SCOPED_TRACE(how);
        w.messages.clear();
        c<QLineEdit>("edtCDTotalTime")->setText("12:345");
        if (QString(how) == "Next")
            act("Next");
        else
            page(EntryPage::Detail);
        EXPECT_EQ(w.errorTitles(), "Invalid Total Time");
        EXPECT_EQ(w.entries().CurrEntry(), alpha);
        EXPECT_EQ(shownPage(), int(EntryPage::Tracks));
        EXPECT_EQ(c<QLineEdit>("edtCDTotalTime")->text(), "40:00");
        EXPECT_TRUE(c<QAction>("Post")->isEnabled());
    }
    EXPECT_TRUE(w.windows.changes.empty());
}

TEST_F(EditorTest, ClickingTheShownTabDoesNotSave)
{
    c<QLineEdit>("edtCDCatNbr")->setText("X-1");
    page(EntryPage::Detail);
    EXPECT_EQ(alpha->CDCatnbr, "");
    EXPECT_TRUE(w.windows.changes.empty());
    page(EntryPage::Additional); // another tab saves
    EXPECT_EQ(alpha->CDCatnbr, "X-1");
    EXPECT_EQ(w.windows.changes.size(), 1u);
}

TEST_F(EditorTest, InsertAlwaysShowsDetailThenPostOrCancel)
{
    page(EntryPage::Tracks);
    act("Insert");
    EXPECT_EQ(shownPage(), int(EntryPage::Detail));
    EXPECT_TRUE(c<QAction>("Cancel")->isEnabled());
    EXPECT_TRUE(c<QPlainTextEdit>("edtCDTitle")->isEnabled());
    EXPECT_EQ(status(), " / ");
    QTest::keyClicks(c<QPlainTextEdit>("edtCDTitle"), "Delta");
    QTest::keyClick(c<QPlainTextEdit>("edtCDTitle"), Qt::Key_Return); // no line break in a title
    c<QComboBox>("cmbCDArtist")->setCurrentText("Dora");
    act("Post");
    EXPECT_EQ(w.entries().Count(), 4);
    EXPECT_EQ(w.windows.changes.back().first, ActionInserted);
    EXPECT_EQ(status(), "Dora / Delta");
    EXPECT_FALSE(c<QAction>("Cancel")->isEnabled());
    EXPECT_FALSE(c<QAction>("Post")->isEnabled());
    EXPECT_FALSE(c<QPlainTextEdit>("edtCDTitle")->isEnabled());
    EXPECT_GE(c<QComboBox>("cmbCDArtist")->findText("Dora"), 0);

    act("Insert");
    act("Cancel");
    EXPECT_EQ(w.entries().Count(), 4);
    EXPECT_EQ(status(), "Dora / Delta");
}

TEST_F(EditorTest, RefillFlagsReloadTheListsAtActivation)
{
    auto* cats = c<QComboBox>("cmbCDCategory");
    EXPECT_EQ(cats->count(), 3);
    w.entries().AddNewCategory(QStringLiteral("Blues"));
    w.entries().AddNewArtist(QStringLiteral("Zed"));
    activate();
    EXPECT_EQ(cats->count(), 3); // no flag, no reload
    w.ws->refillCategories = true;
    activate();
    EXPECT_EQ(cats->count(), 4);
    EXPECT_FALSE(w.ws->refillCategories);
    EXPECT_EQ(c<QComboBox>("cmbCDArtist")->findText("Zed"), -1);
}

// Saving an entry without a category once gave it the category the previous entry showed.
TEST_F(EditorTest, EntryWithoutCategoryKeepsNone)
{
    alpha->CDCategory = "Jazz";
    alpha->CDMedium = "CD";
    win->RefreshDisplay();
    act("Next"); // Bravo has neither
    EXPECT_EQ(c<QComboBox>("cmbCDCategory")->currentIndex(), -1);
    c<QLineEdit>("edtCDLocation")->setText("Attic");
    act("Post");
    EXPECT_EQ(bravo->CDCategory, "");
    EXPECT_EQ(bravo->CDMedium, "");
    c<QComboBox>("cmbCDMedium")->setCurrentIndex(1);
    Q_EMIT c<QComboBox>("cmbCDMedium")->activated(1);
    act("Post");
    EXPECT_EQ(bravo->CDMedium, "Cassette");
}

TEST_F(EditorTest, CategoryListButtonKeepsTheChoice)
{
    act("Next");
    c<QComboBox>("cmbCDCategory")->setCurrentIndex(1);
    w.windows.onCategoryList = [&](QWidget* parent) {
        EXPECT_EQ(parent, win.get());
        w.entries().AddNewCategory(QStringLiteral("Blues"));
    };
    c<QPushButton>("cmdEditCategories")->click();
    EXPECT_EQ(w.windows.categoryLists, 1);
    EXPECT_EQ(c<QComboBox>("cmbCDCategory")->count(), 4);
    EXPECT_EQ(c<QComboBox>("cmbCDCategory")->currentText(), "Jazz");
    c<QPushButton>("cmdEditMediums")->click();
    EXPECT_EQ(w.windows.mediumLists, 1);
}

TEST_F(EditorTest, LookupOpensForTheEntryAndShowsItAfterwards)
{
    w.windows.onLookup = [&](QWidget*, bool) { alpha->CDTitle = "Alpha (looked up)"; };
    act("CDDB");
    ASSERT_EQ(w.windows.lookups.size(), 1u);
    EXPECT_TRUE(w.windows.lookups[0]);
    EXPECT_EQ(c<QPlainTextEdit>("edtCDTitle")->toPlainText(), "Alpha (looked up)");
}

TEST_F(EditorTest, CloseBoxHidesAndTheWindowComesBack)
{
    win->resize(780, 590);
    page(EntryPage::Additional);
    win->close();
    EXPECT_FALSE(win->isVisible());
    w.entries().LocateEntryByKey(bravo->CDKey);
    win->showEditor();
    EXPECT_TRUE(win->isVisible());
    EXPECT_EQ(status(), "Bob / Bravo");
    // Size and page are remembered for the next editor.
    win->hide();
    frmEntryDetail again(w.context, nullptr);
    EXPECT_EQ(again.size(), QSize(780, 590));
    EXPECT_EQ(child<QTabWidget>(&again, "tsEntryDetail")->currentIndex(), int(EntryPage::Additional));
}

TEST_F(EditorTest, TypingTitlesWithEnterWalksTheTracks)
{
    act("Last"); // Charlie, three tracks
    page(EntryPage::Tracks);
    EXPECT_EQ(currentRow(), 0);
    auto* title = c<QLineEdit>("edtCDTrackTitle");
    c<QLineEdit>("edtCDTrackTime")->setText("4:30");
    for (const char* t : {"One", "Two", "Three"}) {
        title->selectAll();
        QTest::keyClicks(title, t);
        QTest::keyClick(title, Qt::Key_Return);
    }
    EXPECT_EQ(currentRow(), 2); // the last track stays selected
    EXPECT_EQ(charlie->TrackEntries().at(2)->CDTrackTitle, "Three");
    EXPECT_EQ(list()->model()->index(0, 0).data().toString(), "1. One");
    EXPECT_EQ(c<QLineEdit>("edtCDTotalTime")->text(), "10:30"); // the total follows the tracks
    EXPECT_TRUE(c<QAction>("Post")->isEnabled());
    act("Post");
    EXPECT_EQ(w.windows.changes.back().first, ActionUpdated);
}

TEST_F(EditorTest, SelectingARowStoresPendingEdits)
{
    act("Last");
    page(EntryPage::Tracks);
    c<QLineEdit>("edtCDTrackTitle")->setText("First!");
    QTest::keyClick(list(), Qt::Key_Down);
    EXPECT_EQ(currentRow(), 1);
    EXPECT_EQ(charlie->TrackEntries().at(0)->CDTrackTitle, "First!");
    EXPECT_EQ(c<QLineEdit>("edtCDTrackTitle")->text(), "Track 2");
}

TEST_F(EditorTest, DriveBoxStoresTheChoiceAtOnce)
{
    page(EntryPage::Tracks);
    auto* drive = c<DriveCombo>("cmbDriveLetter");
    EXPECT_EQ(drive->currentText(), "D:");
    const QString image = QDir(w.dir.path()).filePath("disc.cue");
    w.dialogs.choose(image);
    const int imageItem = drive->findText("Disc Image...");
    ASSERT_GE(imageItem, 0);
    drive->setCurrentIndex(imageItem);
    Q_EMIT drive->activated(imageItem);
    EXPECT_EQ(w.config().CDDriveLetter(), image);
    EXPECT_EQ(drive->currentText(), image);
    ASSERT_EQ(w.dialogs.calls().size(), 1u);
    EXPECT_TRUE(w.dialogs.calls()[0].request.filters.at(0).contains("*.CUE"));

    // Cancelled: the choice stays; another drive is stored at once.
    Q_EMIT drive->activated(drive->findText("Disc Image..."));
    EXPECT_EQ(w.config().CDDriveLetter(), image);
    Q_EMIT drive->activated(drive->findText("D:"));
    EXPECT_EQ(w.config().CDDriveLetter(), "D:");
    // A path stored elsewhere is shown again at activation.
    w.config().setCDDriveLetter("/media/other.toc");
    activate();
    EXPECT_EQ(drive->currentText(), "/media/other.toc");
}

// "Blank" asks first (its rules are the session's); a yes shows the tracks it made.
TEST_F(EditorTest, BlankShowsTheTracksItMade)
{
    act("Last");
    page(EntryPage::Tracks);
    w.messages.answer(MsgAnswer::Yes);
    c<QSpinBox>("edtCDNbrTracks")->setValue(5);
    c<QPushButton>("cmdAddBlankTracks")->click();
    EXPECT_EQ(w.errorTitles(), "About to clear tracks");
    EXPECT_EQ(list()->model()->rowCount(), 5);
    EXPECT_TRUE(c<QAction>("Post")->isEnabled());
}

// A disc with CD-Text: "Read CD" takes its track titles, and offers the album title and
// performer, which go into the boxes only when the user says yes.
TEST_F(EditorTest, ReadCDTakesTheDiscsTitlesAndOffersItsAlbumTitle)
{
    struct Case {
        const char* name;
        CdText text;
        MsgAnswer answer;
        QStringList questions;
        QString title, artist;
    };
    const CdText full{"Long Player", "The Band", {"One", "Two"}};
    const std::vector<Case> cases{
        {"yes", full, MsgAnswer::Yes, {CdTextQuestionTitle}, "Long Player", "The Band"},
        {"no", full, MsgAnswer::No, {CdTextQuestionTitle}, "Alpha", "Ann"},
        {"track titles only: nothing to ask", CdText{"", "", {"One", "Two"}}, MsgAnswer::Yes, {}, "Alpha", "Ann"},
        {"performer only", CdText{"", "The Band", {"One", "Two"}}, MsgAnswer::Yes, {CdTextQuestionTitle}, "Alpha",
         "The Band"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        act("First"); // Alpha: its tracks have no titles, so nothing to replace
        alpha->ClearAllEntries();
        c<QPlainTextEdit>("edtCDTitle")->setPlainText("Alpha");
        c<QComboBox>("cmbCDArtist")->setCurrentText("Ann");
        page(EntryPage::Tracks);
        auto device = std::make_unique<test::FakeCDAudioDevice>(test::TocOf({20000, 20000}));
        device->text = k.text;
        win->setAudioDevice(std::move(device));
        w.messages.clear();
        w.messages.answer(k.answer);
        c<QPushButton>("cmdGetCDInfo")->click();
        QStringList questions;
        for (const Message& m : w.messages.messages())
            questions << m.title;
        EXPECT_EQ(questions, k.questions);
        ASSERT_EQ(alpha->TrackEntries().size(), 2);
        EXPECT_EQ(alpha->TrackEntries().at(0)->CDTrackTitle, "One");
        EXPECT_EQ(alpha->TrackEntries().at(1)->CDTrackTitle, "Two");
        EXPECT_EQ(c<QPlainTextEdit>("edtCDTitle")->toPlainText(), k.title);
        EXPECT_EQ(c<QComboBox>("cmbCDArtist")->currentText(), k.artist);
    }
}

// A 100 KB paste into the title once widened the window to 32,767 pixels (the status
// panel took the whole title) and was cut unseen when the file was written.
TEST_F(EditorTest, LongPasteIsCutWithANoticeAndTheWindowKeepsItsWidth)
{
    win->resize(700, 500);
    settleLayouts();
    c<QPushButton>("btnChangeKeys")->click();
    auto* title = c<QPlainTextEdit>("edtCDTitle");
    title->selectAll();
    QGuiApplication::clipboard()->setText(QString(100 * 1024, u'x'));
    title->paste();
    ASSERT_EQ(title->toPlainText().size(), MaxStoredTextLength);
    EXPECT_EQ(c<QStatusBar>("sbStatusBar")->currentMessage(), TextLimit::noticeText("Title", MaxStoredTextLength));
    act("Post");
    EXPECT_EQ(alpha->CDTitle.size(), MaxStoredTextLength);
    EXPECT_TRUE(c<QLabel>("sbStatusPanel1")->text().endsWith("xxx"));
    settleLayouts();
    EXPECT_EQ(win->width(), 700);
    EXPECT_LT(win->minimumSizeHint().width(), AvailableScreenArea(*win).width());
    // A long artist in the list does not widen it either.
    w.entries().AddNewArtist(QString(5000, u'A'));
    w.ws->refillArtists = true;
    activate();
    settleLayouts();
    EXPECT_EQ(win->width(), 700);
}

// The window once opened as wide as a fault had made it, after every restart.
TEST_F(EditorTest, StoredSizeLargerThanTheScreenIsIgnored)
{
    // Which sizes fit is WindowGeometry's; here, that the editor asks it.
    w.config().setExtraValue("Windows", "EntryDetailSize", QSize(32767, 560));
    frmEntryDetail again(w.context, nullptr);
    EXPECT_LE(again.width(), AvailableScreenArea(*win).width());
}

// The Detail page's boxes once changed width between visits: a recording with a long
// title or long names widened the window (status panel, name lists).
TEST_F(EditorTest, DetailBoxesKeepTheirWidthBetweenVisits)
{
    win->resize(700, 500);
    settleLayouts();
    const auto widths = [&] {
        return std::tuple{c<QGroupBox>("fraKeyInformation")->width(), c<QGroupBox>("fraCatalog")->width(),
                          win->width()};
    };
    const auto before = widths();
    bravo->CDTitle = QString(300, u'T');
    bravo->CDLabel = QString(100, u'L');
    w.entries().AddNewLabel(bravo->CDLabel);
    w.entries().AddNewCategory(QString(100, u'C'));
    w.ws->refillLabels = w.ws->refillCategories = true;
    activate();
    act("Next");
    page(EntryPage::Tracks);
    page(EntryPage::Detail);
    settleLayouts();
    EXPECT_EQ(widths(), before);
}

// The command bar could not be used without a mouse: each command but Cancel has a key,
// named in its tool tip (which key Esc is given is the session's rule).
TEST_F(EditorTest, EveryCommandHasAKeyNamedInItsToolTip)
{
    for (const char* action : {"First", "Prev", "Next", "Last", "Insert", "Post", "Delete", "CDDB", "Close"}) {
        const QList<QKeySequence> keys = c<QAction>(action)->shortcuts();
        EXPECT_FALSE(keys.isEmpty()) << action;
        for (const QKeySequence& k : keys)
            EXPECT_TRUE(c<QAction>(action)->toolTip().contains(k.toString(QKeySequence::NativeText))) << action;
    }
}

TEST_F(EditorTest, KeysRunTheCommands)
{
    if (!activeWindow())
        GTEST_SKIP() << "the platform does not activate windows";
    QWidget* tabs = c<QTabWidget>("tsEntryDetail")->tabBar();
    tabs->setFocus();
    const auto press = [&](QKeySequence k) { QTest::keySequence(QApplication::focusWidget(), k); };
    press(QKeySequence(Qt::CTRL | Qt::Key_End));
    EXPECT_EQ(status(), "Carl / Charlie");
    press(QKeySequence(Qt::Key_PageUp));
    EXPECT_EQ(status(), "Bob / Bravo");
    press(QKeySequence(Qt::CTRL | Qt::Key_Home));
    EXPECT_EQ(status(), "Ann / Alpha");
    press(QKeySequence(Qt::Key_PageDown));
    EXPECT_EQ(status(), "Bob / Bravo");
    press(QKeySequence(Qt::Key_Insert));
    EXPECT_EQ(status(), " / ");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); // cancels the new entry
    EXPECT_EQ(w.entries().Count(), 3);
    EXPECT_TRUE(win->isVisible());
    tabs->setFocus();
    press(QKeySequence(Qt::CTRL | Qt::Key_L));
    EXPECT_EQ(w.windows.lookups.size(), 1u);
    w.messages.answer(MsgAnswer::No);
    press(QKeySequence(Qt::CTRL | Qt::Key_Delete));
    EXPECT_EQ(w.messages.last().title, "About to delete entry");
    EXPECT_EQ(w.entries().Count(), 3);
    w.messages.answer(MsgAnswer::Yes);
    const QString deleted = bravo->CDKey;
    press(QKeySequence(Qt::CTRL | Qt::Key_Delete));
    EXPECT_EQ(w.entries().Count(), 2);
    EXPECT_EQ(status(), "Ann / Alpha"); // the window shows where the collection went
    EXPECT_EQ(w.windows.changes.back(), std::make_pair(qint32(ActionDeleted), deleted));
    press(QKeySequence(Qt::Key_Escape)); // nothing edited: closes
    EXPECT_FALSE(win->isVisible());
}

// Tab never reached the command bar. From the tab strip, Tab visits every control of
// the page and then the command bar; a track is typed title, time, description, then
// "Update Track".
TEST_F(EditorTest, TabReachesEveryControlAndTheCommandBar)
{
    if (!activeWindow())
        GTEST_SKIP() << "the platform does not activate windows";
    c<QPushButton>("btnChangeKeys")->click();
    for (EntryPage p : {EntryPage::Detail, EntryPage::Additional, EntryPage::Tracks}) {
        SCOPED_TRACE(int(p));
        page(p);
        QWidget* start = c<QTabWidget>("tsEntryDetail")->tabBar();
        start->setFocus();
        QStringList visited;
        for (int i = 0; i < 60; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* f = QApplication::focusWidget();
            if (!f || f == start)
                break;
            const auto* button = qobject_cast<QToolButton*>(f);
            visited << (button && button->parent() == c<QToolBar>("barToolbar") ? u'[' + button->text() + u']'
                                                                                  : f->objectName());
        }
        QWidget* shown = c<QTabWidget>("tsEntryDetail")->currentWidget();
        int controls = 0;
        for (QWidget* control : shown->findChildren<QWidget*>()) {
            if (!(control->focusPolicy() & Qt::TabFocus) || !control->isVisibleTo(shown) || !control->isEnabled()
                || control->focusProxy() || qobject_cast<QComboBox*>(control->parent())
                || qobject_cast<QAbstractSpinBox*>(control->parent()))
                continue;
            ++controls;
            EXPECT_TRUE(visited.contains(control->objectName())) << control->objectName().toStdString();
        }
        ASSERT_GE(visited.size(), controls + 1);
        EXPECT_EQ(visited.mid(controls).join(' '), "[First] [Prev] [Next] [Last] [Add] [Delete] [Lookup] [Close]");
        if (p == EntryPage::Tracks) {
            EXPECT_EQ(visited.mid(visited.indexOf("edtCDTrackTitle"), 4).join(' '),
                      "edtCDTrackTitle edtCDTrackTime edtCDTrackDesc cmbSaveTrackEntry");
        }
    }
}

