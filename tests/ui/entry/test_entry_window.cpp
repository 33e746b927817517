// The entry editor as the user drives it, offscreen, by objectName.
#include "DiscImages.h"
#include "EntryTestSupport.h"
#include "model/TimeText.h"
#include "ui/entry/DriveCombo.h"
#include "ui/entry/frmEntryDetail.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

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
    const QStringList tabs{"Detail", "Additional", "Tracks"};
    const QStringList tips{"Primary fields", "Additional fields", "Track titles"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(c<QTabWidget>("tsEntryDetail")->tabText(i), tabs[i]);
        EXPECT_EQ(c<QTabWidget>("tsEntryDetail")->tabToolTip(i), tips[i]);
    }
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

TEST_F(EditorTest, RejectedValueKeepsTheUserOnEntryAndPage)
{
    alpha->setCDPurchDateStr("3/4/2020");
    alpha->CDTotalTime = "40:00";
    struct Case {
        EntryPage page;
        const char *box, *typed, *title, *kept;
    };
    for (const Case& k : {Case{EntryPage::Additional, "edtCDPurchDate", "13/45/2020", "Invalid Purchase Date", "3/4/2020"},
                          Case{EntryPage::Additional, "edtCDPurchCost", "cheap", "Invalid Purchase Cost", "$0.00"},
                          Case{EntryPage::Tracks, "edtCDTotalTime", "12:345", "Invalid Total Time", "40:00"}}) {
        SCOPED_TRACE(k.box);
        page(k.page);
        for (const char* how : {"Next", "tab"}) {
            w.messages.clear();
            c<QLineEdit>(k.box)->setText(k.typed);
            if (QString(how) == "Next")
                act("Next");
            else
                page(EntryPage::Detail);
            EXPECT_EQ(w.errorTitles(), k.title) << how;
            EXPECT_EQ(w.entries().CurrEntry(), alpha);
            EXPECT_EQ(shownPage(), int(k.page));
            EXPECT_EQ(c<QLineEdit>(k.box)->text(), k.kept);
            EXPECT_TRUE(c<QAction>("Post")->isEnabled());
        }
        act("Cancel"); // not enabled: nothing happens
        w.entries().Changesmade = false;
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

TEST_F(EditorTest, DeleteAsksAndDeletesOnYes)
{
    w.messages.answer(MsgAnswer::No);
    act("Delete");
    EXPECT_EQ(w.messages.last().title, "About to delete entry");
    EXPECT_EQ(w.entries().Count(), 3);
    w.messages.answer(MsgAnswer::Yes);
    act("Delete");
    EXPECT_EQ(w.entries().Count(), 2);
    EXPECT_EQ(status(), "Bob / Bravo");
    EXPECT_EQ(w.windows.changes.back(), std::make_pair(qint32(ActionDeleted), QStringLiteral("2")));
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

TEST_F(EditorTest, CategoryIgnoresCaseMediumDoesNot)
{
    bravo->CDCategory = "jazz";
    bravo->CDMedium = "Cassette";
    charlie->CDCategory = "CLASSICAL";
    charlie->CDMedium = "cd"; // not the list's "CD"
    act("Next");
    EXPECT_EQ(c<QComboBox>("cmbCDCategory")->currentText(), "Jazz");
    EXPECT_EQ(c<QComboBox>("cmbCDMedium")->currentText(), "Cassette");
    act("Next");
    EXPECT_EQ(c<QComboBox>("cmbCDCategory")->currentText(), "Classical");
    EXPECT_EQ(c<QComboBox>("cmbCDMedium")->currentIndex(), -1);
    c<QLineEdit>("edtCDLocation")->setText("Attic");
    act("Post");
    EXPECT_EQ(charlie->CDMedium, "cd");
    EXPECT_EQ(charlie->CDCategory, "Classical");
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
    win->resize(900, 640);
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
    EXPECT_EQ(again.size(), QSize(900, 640));
    EXPECT_EQ(child<QTabWidget>(&again, "tsEntryDetail")->currentIndex(), int(EntryPage::Additional));
}

TEST_F(EditorTest, RatingBoxesTakeOnlyNumbersInRange)
{
    page(EntryPage::Additional);
    auto* sound = c<QSpinBox>("edtCDRateSound");
    for (const char* typed : {"x7", "42", "-3"}) {
        sound->selectAll();
        QTest::keyClicks(sound, typed);
        sound->interpretText();
        EXPECT_GE(sound->value(), 0) << typed;
        EXPECT_LE(sound->value(), 10) << typed;
    }
    const int shown = sound->value();
    act("Next");
    EXPECT_TRUE(w.messages.messages().empty());
    EXPECT_EQ(alpha->CDRateSound, shown);
    EXPECT_EQ(status(), "Bob / Bravo");
}

// --- tracks page ------------------------------------------------------------------------

TEST_F(EditorTest, EmptyEntryShowsNoTracks)
{
    page(EntryPage::Tracks);
    EXPECT_EQ(list()->model()->rowCount(), 0);
    EXPECT_EQ(c<QLineEdit>("edtCDTrackTitle")->text(), "");
    EXPECT_EQ(c<QPlainTextEdit>("edtCDTrackDesc")->toPlainText(), "");
    EXPECT_EQ(c<QScrollBar>("hsCDTrackTime")->value(), 0);
    EXPECT_EQ(list()->model()->headerData(1, Qt::Horizontal).toString(), "Time");
}

TEST_F(EditorTest, TypingTitlesWithEnterWalksTheTracks)
{
    act("Last"); // Charlie, three tracks
    page(EntryPage::Tracks);
    EXPECT_EQ(currentRow(), 0);
    auto* title = c<QLineEdit>("edtCDTrackTitle");
    for (const char* t : {"One", "Two", "Three"}) {
        title->selectAll();
        QTest::keyClicks(title, t);
        QTest::keyClick(title, Qt::Key_Return);
    }
    EXPECT_EQ(currentRow(), 2); // the last track stays selected
    EXPECT_EQ(charlie->TrackEntries().at(2)->CDTrackTitle, "Three");
    EXPECT_EQ(list()->model()->index(0, 0).data().toString(), "1. One");
    EXPECT_TRUE(c<QAction>("Post")->isEnabled());
    act("Post");
    EXPECT_EQ(w.windows.changes.back().first, ActionUpdated);
}

TEST_F(EditorTest, TotalFollowsAChangedTrackOnlyWithTheOption)
{
    act("Last");
    page(EntryPage::Tracks);
    for (bool option : {true, false}) {
        SCOPED_TRACE(option);
        w.config().setTotalTrackTime(option);
        list()->setCurrentIndex(list()->model()->index(1, 0));
        c<QLineEdit>("edtCDTrackTime")->setText("4:30");
        c<QPushButton>("cmbSaveTrackEntry")->click();
        const char* total = option ? "10:30" : "09:00";
        EXPECT_EQ(c<QLineEdit>("edtCDTotalTime")->text(), total);
        EXPECT_EQ(charlie->CDTotalTime, total);
        act("Post");
        EXPECT_EQ(charlie->CDTotalTime, total);
        charlie->TrackEntries().at(1)->CDTrackTime = "03:00";
        charlie->CDTotalTime = "09:00";
        win->RefreshDisplay();
    }
}

TEST_F(EditorTest, RejectedTrackTimeKeepsRowAndTotal)
{
    act("Last");
    page(EntryPage::Tracks);
    list()->setCurrentIndex(list()->model()->index(1, 0));
    c<QLineEdit>("edtCDTrackTitle")->setText("Renamed");
    c<QLineEdit>("edtCDTrackTime")->setText("3:61");
    c<QPushButton>("cmbSaveTrackEntry")->click();
    EXPECT_EQ(w.messages.last().title, "Invalid Track Time");
    EXPECT_EQ(currentRow(), 1);
    EXPECT_EQ(c<QLineEdit>("edtCDTrackTime")->text(), "03:00");
    EXPECT_EQ(list()->model()->index(1, 0).data().toString(), "2. Track 2");
    EXPECT_EQ(c<QLineEdit>("edtCDTotalTime")->text(), "09:00");
    EXPECT_EQ(charlie->TrackEntries().at(1)->CDTrackTitle, "Track 2");
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

TEST_F(EditorTest, BlankAsksThenMakesEmptyTracks)
{
    page(EntryPage::Tracks);
    c<QSpinBox>("edtCDNbrTracks")->setValue(5);
    w.messages.answer(MsgAnswer::No);
    c<QPushButton>("cmdAddBlankTracks")->click();
    EXPECT_EQ(w.messages.last().title, "About to clear tracks");
    EXPECT_EQ(w.messages.last().icon, MsgIcon::Critical);
    EXPECT_EQ(list()->model()->rowCount(), 0);
    w.messages.answer(MsgAnswer::Yes);
    c<QPushButton>("cmdAddBlankTracks")->click();
    ASSERT_EQ(list()->model()->rowCount(), 5);
    EXPECT_EQ(list()->model()->index(4, 0).data().toString(), "5. ");
    EXPECT_EQ(list()->model()->index(4, 1).data().toString(), "00:00");
}

// "Blank" with a track count out of range once cleared the tracks and then failed.
TEST_F(EditorTest, BlankOutOfRangeOnlyShowsTheRange)
{
    act("Last");
    page(EntryPage::Tracks);
    c<QSpinBox>("edtCDNbrTracks")->setValue(0);
    c<QPushButton>("cmdAddBlankTracks")->click();
    ASSERT_EQ(w.messages.count(), 1u);
    EXPECT_EQ(w.messages.last().text, "The number of tracks must be from 1 to 100.");
    EXPECT_EQ(charlie->TrackEntries().size(), 3);
}

TEST_F(EditorTest, ReadCDFromAnImageAndFromNothing)
{
    page(EntryPage::Tracks);
    std::vector<test::ImageTrack> tracks;
    QString total;
    for (int i = 0; i < 12; ++i) {
        tracks.push_back({(200 + i) * 75});
        total = AddTimes(total, SecondsToTime(200 + i));
    }
    NormalizeTime(total);
    w.config().setCDDriveLetter(w.dir.filePath("absent.cue"));
    c<QPushButton>("cmdGetCDInfo")->click();
    EXPECT_EQ(w.messages.last().title, "Unable to read CD");
    EXPECT_EQ(w.messages.last().text, "Could not read the CD. Verify that you have selected the proper drive "
                                      "and that the CD has been placed in the drive.");
    EXPECT_EQ(list()->model()->rowCount(), 0);

    w.config().setCDDriveLetter(test::WriteCueImage(w.dir.path(), "twelve", tracks));
    c<QPushButton>("cmdGetCDInfo")->click();
    EXPECT_EQ(list()->model()->rowCount(), 12);
    EXPECT_EQ(c<QSpinBox>("edtCDNbrTracks")->value(), 12);
    EXPECT_EQ(c<QSpinBox>("edtCDNbrDisks")->value(), 1);
    EXPECT_EQ(c<QLineEdit>("edtCDTotalTime")->text(), total);
    EXPECT_EQ(alpha->CDTotalTime, total);
    EXPECT_EQ(w.busy.busy, 2);
    EXPECT_EQ(w.busy.normal, 2);
    EXPECT_TRUE(c<QAction>("Post")->isEnabled());
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

TEST_F(EditorTest, KeyboardPostsAndMoves)
{
    win->activateWindow();
    if (!QTest::qWaitForWindowActive(win.get(), 2000))
        GTEST_SKIP() << "the platform does not activate windows";
    c<QLineEdit>("edtCDLocation")->setText("Box");
    QTest::keySequence(win.get(), QKeySequence::Save);
    EXPECT_EQ(alpha->CDLocation, "Box");
    QTest::keyClick(win.get(), Qt::Key_PageDown);
    EXPECT_EQ(status(), "Bob / Bravo");
    act("Insert");
    QTest::keyClick(win.get(), Qt::Key_Escape);
    EXPECT_EQ(w.entries().Count(), 3);
}

TEST_F(EditorTest, Screenshots)
{
    const QString dir = qEnvironmentVariable("VINAXO_SHOT_DIR");
    if (dir.isEmpty())
        GTEST_SKIP() << "VINAXO_SHOT_DIR not set";
    act("Last");
    for (auto [p, name] : {std::pair{EntryPage::Detail, "entry_detail"}, {EntryPage::Additional, "entry_additional"},
                           {EntryPage::Tracks, "entry_tracks"}}) {
        page(p);
        QTest::qWait(200);
        test::shot(win.get(), QString::fromLatin1(name) + ".png");
    }
}

TEST_F(EditorTest, TabOrderFollowsTheLayout)
{
    win->activateWindow();
    if (!QTest::qWaitForWindowActive(win.get(), 2000))
        GTEST_SKIP() << "the platform does not activate windows";
    win->findChild<QPushButton*>("btnChangeKeys")->click(); // title and artist take the focus
    QStringList order;
    QWidget* at = c<QPlainTextEdit>("edtCDTitle");
    at->setFocus();
    for (int i = 0; i < 16 && at; ++i) {
        order << at->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        at = QApplication::focusWidget();
    }
    EXPECT_EQ(order.mid(0, 14).join(' '),
              "edtCDTitle cmbCDArtist btnChangeKeys edtCDDesc edtCDRelYear edtCDCatNbr cmbCDLabel "
              "cmbCDCategory cmdEditCategories cmbCDMedium cmdEditMediums edtCDLocation edtCDCollNbr edtCDComments");
}
