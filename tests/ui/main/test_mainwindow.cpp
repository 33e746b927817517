#include "model/ListOrder.h"
#include "model/Utility.h"
#include "storage/FileCommands.h"
#include "support/ModalDriver.h"
#include "support/UiWorld.h"
#include "ui/entry/EntryEditSession.h"
#include "ui/main/QuickFilterRunner.h"
#include "ui/main/frmCDMLIST.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QUrl>
#include <QTest>
#include <functional>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>

using namespace vinaxo;
using test::child;

namespace {

const char* kLoseChanges = "Current file has not been saved - do you want to continue and lose all changes?";

using test::writeCollection;

struct MainFixture : ::testing::Test {
    test::UiWorld w;
    std::unique_ptr<frmCDMLIST> window;

    void open()
    {
        window = std::make_unique<frmCDMLIST>(w.context);
        window->show();
    }
    QAction* action(const char* name) { return child<QAction>(window.get(), name); }
    void trigger(const char* name) { action(name)->trigger(); }
    // The Filter pressed and let go: the list shows every recording.
    void listAll()
    {
        trigger("Filter");
        trigger("Filter");
    }
    QString panel1() { return child<QLabel>(window.get(), "StatusPanel1")->text(); }
    QString panel2() { return child<QLabel>(window.get(), "StatusPanel2")->text(); }
    QTreeView* list() { return child<QTreeView>(window.get(), "lvEntryList"); }
    QString path(const char* name) { return w.dir.filePath(QString::fromLatin1(name)); }
    QStringList shownColumn(int column)
    {
        QStringList out;
        for (int r = 0; r < list()->model()->rowCount(); ++r)
            out << list()->model()->index(r, column).data().toString();
        return out;
    }
    QStringList sequenceKeys()
    {
        QStringList out;
        for (qint32 i = 1; i <= w.sequence().Count(); ++i)
            out << QString::number(w.sequence().KeyAt(i));
        return out;
    }
    void selectRow(int row)
    {
        list()->selectionModel()->select(list()->model()->index(row, 0),
                                         QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    void activate()
    {
        QEvent e(QEvent::WindowActivate);
        QApplication::sendEvent(window.get(), &e);
    }
};

} // namespace

TEST_F(MainFixture, EveryMenuCommandHasAMnemonicAndTheFilterHasAMenuItem)
{
    open();
    for (const char* m : {"MU_File", "MU_Edit", "MU_Options", "MU_Help"}) {
        auto* menu = child<QMenu>(window.get(), m);
        EXPECT_TRUE(menu->title().contains(u'&')) << m;
        for (QAction* a : menu->actions()) {
            if (!a->isSeparator()) {
                EXPECT_TRUE(a->text().contains(u'&')) << a->objectName().toStdString();
            }
        }
    }
    EXPECT_EQ(action("MU_File_Open")->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
    EXPECT_EQ(action("MU_Search_Search")->shortcut(), QKeySequence(QStringLiteral("Ctrl+F")));

    // The toolbar's Filter and the menu item are one switch, so the keyboard can let go
    // of a search.
    w.addRecording(QStringLiteral("Blue"));
    w.addRecording(QStringLiteral("Red"));
    w.ws->selection.SearchString = QStringLiteral("Blue");
    w.ws->selection.SearchTitle = w.ws->selection.SearchTypeText = true;
    EXPECT_FALSE(action("MU_Search_Filter")->shortcut().isEmpty());
    trigger("MU_Search_Filter");
    EXPECT_TRUE(action("Filter")->isChecked());
    EXPECT_TRUE(action("MU_Search_Filter")->isChecked());
    EXPECT_EQ(panel2(), " 1 record");
    trigger("Filter");
    EXPECT_FALSE(action("MU_Search_Filter")->isChecked());
    EXPECT_EQ(panel2(), " 2 records");
}

TEST_F(MainFixture, OptionItemsMirrorAndWriteTheirSettings)
{
    w.config().setLoadLastFile(true);
    w.config().setTotalTrackTime(false);
    open();
    EXPECT_TRUE(action("MU_Options_LoadLastFile")->isChecked());
    EXPECT_FALSE(action("MU_Options_TotalTrackTime")->isChecked());
    trigger("MU_Options_LoadLastFile");
    trigger("MU_Options_TotalTrackTime");
    EXPECT_FALSE(w.config().LoadLastFile());
    EXPECT_TRUE(w.config().TotalTrackTime());
    EXPECT_EQ(w.config().ReleaseLevel(), "3.1");
}

TEST_F(MainFixture, CaptionsAndSaveFollowTheCollectionsName)
{
    const QString file = writeCollection(path("one.DAT"), {"A"});
    open();
    EXPECT_EQ(window->windowTitle(), "Vinaxo - Recording Collection");
    EXPECT_FALSE(action("MU_File_Save")->isEnabled());
    trigger("MU_File_New");
    EXPECT_EQ(window->windowTitle(), "Vinaxo Recording Collection (Unnamed)");
    w.dialogs.choose(file);
    trigger("MU_File_Open");
    EXPECT_EQ(window->windowTitle(), "Vinaxo Recording Collection " + file);
    EXPECT_TRUE(action("MU_File_Save")->isEnabled());
    EXPECT_EQ(panel2(), " 1 record");
    ASSERT_EQ(w.dialogs.calls().size(), 1u);
    EXPECT_EQ(w.dialogs.calls()[0].request.title, "Open Vinaxo File");
    EXPECT_EQ(w.dialogs.calls()[0].request.filters.value(0), "Data Files (*.DAT)");
    trigger("MU_File_Close");
    EXPECT_EQ(window->windowTitle(), "Vinaxo Recording Collection (Unnamed)");
    EXPECT_FALSE(action("MU_File_Save")->isEnabled());
    EXPECT_EQ(panel2(), " 0 records");
}

TEST_F(MainFixture, ClosingAsksTheShutDownQuestionsAndKeepsTheWindowOnNo)
{
    open();
    w.addRecording(QStringLiteral("A"));
    w.entries().DBChanged = true;
    w.messages.answer(MsgAnswer::No);
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(w.messages.last().text, kLoseChanges);
    w.messages.answer(MsgAnswer::Yes);
    EXPECT_TRUE(window->close());
}

TEST_F(MainFixture, ClosingWhileTheEditorHoldsARejectedValueKeepsBothOpen)
{
    open();
    w.addRecording(QStringLiteral("Kept"));
    listAll();
    selectRow(0);
    trigger("Edit");
    auto* editor = window->findChild<QMainWindow*>(QStringLiteral("frmEntryDetail"));
    ASSERT_NE(editor, nullptr);
    child<QTabWidget>(editor, "tsEntryDetail")->setCurrentIndex(2);
    child<QLineEdit>(editor, "edtCDTotalTime")->setText(QStringLiteral("12:345"));
    EXPECT_FALSE(window->close());
    EXPECT_EQ(w.messages.last().title, "Invalid Total Time");
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(w.entries().CurrEntry()->CDTotalTime, "");
}

// The load window ran every pending event while the collection was half built: a
// timer, a queued call or a click could reach the list in between.
TEST_F(MainFixture, LoadingAndRebuildingRunNoPendingEvents)
{
    QStringList titles;
    for (int i = 0; i < 2100; ++i)
        titles << QStringLiteral("T%1").arg(i);
    const QString file = writeCollection(path("big.DAT"), titles);
    open();
    bool ran = false;
    QTimer::singleShot(0, window.get(), [&] { ran = true; });
    window->openFile(file);
    EXPECT_FALSE(ran);
    EXPECT_EQ(panel2(), " 2100 records");
    w.ws->rebuildList = true;
    activate();
    EXPECT_FALSE(ran);
    QCoreApplication::processEvents();
    EXPECT_TRUE(ran);
}

TEST_F(MainFixture, ADroppedFileOpens)
{
    const QString file = writeCollection(path("dropped.DAT"), {"Dropped"});
    open();
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(file)});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &drop);
    QTRY_COMPARE(w.ws->currentFileName, file);
    EXPECT_EQ(shownColumn(1), QStringList{"Dropped"});
}

TEST_F(MainFixture, ColumnWidthsAndTheWindowSizeAreRestored)
{
    w.addRecording(QStringLiteral("A"));
    open();
    window->resize(700, 450);
    listAll();
    list()->header()->resizeSection(1, 123);
    // A drag stores the width once, when the button is let go, not at every pixel.
    QWidget* headerArea = list()->header()->viewport();
    QTest::mousePress(headerArea, Qt::LeftButton, {}, QPoint(2, 2));
    for (int width = 124; width <= 160; ++width)
        list()->header()->resizeSection(2, width);
    const QString third = list()->model()->headerData(2, Qt::Horizontal).toString();
    EXPECT_FALSE(w.config().extraValue(QStringLiteral("MainListColumns"), third).isValid());
    QTest::mouseRelease(headerArea, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(w.config().extraValue(QStringLiteral("MainListColumns"), third).toInt(), 160);
    ASSERT_TRUE(window->close());
    window.reset();
    open();
    listAll();
    EXPECT_EQ(list()->header()->sectionSize(1), 123);
    EXPECT_EQ(window->size(), QSize(700, 450));
}

TEST_F(MainFixture, ALongSearchTextDoesNotWidenTheWindow)
{
    open();
    window->resize(600, 400);
    const int before = window->minimumSizeHint().width();
    window->showStatus(QString(100000, u'x'));
    EXPECT_EQ(window->minimumSizeHint().width(), before);
    EXPECT_EQ(panel1().size(), 100000);
}

TEST_F(MainFixture, FilterButtonListsTheSelectionAndNamesItInPanelOne)
{
    open();
    w.addRecording(QStringLiteral("Blue Train"), QStringLiteral("Ann"));
    w.addRecording(QStringLiteral("Red Sky"), QStringLiteral("Bob"));
    w.addRecording(QStringLiteral("Blue Moon"), QStringLiteral("Cid"));
    CEntrySelection& s = w.ws->selection;
    s.SearchString = QStringLiteral("Blue");
    s.SearchTitle = true;

    trigger("Filter"); // down, no criterion: panel 1 keeps its text
    window->showStatus(QStringLiteral("before"));
    EXPECT_EQ(panel1(), "before");
    EXPECT_EQ(panel2(), " 0 records");

    const std::vector<std::tuple<bool*, const char*>> kinds = {
        {&s.SearchTypeText, "Records containing: Blue"},
        {&s.SearchTypeTextBegin, "Records starting with: Blue"},
    };
    for (const auto& [flag, text] : kinds) {
        s.SearchTypeText = s.SearchTypeTextBegin = false;
        *flag = true;
        trigger("Filter"); // up: every recording, panel 1 emptied
        EXPECT_EQ(panel1(), "");
        EXPECT_EQ(panel2(), " 3 records");
        trigger("Filter");
        EXPECT_EQ(panel1(), text);
        EXPECT_EQ(panel2(), " 2 records");
        EXPECT_EQ(w.sequence().Count(), 2);
    }
    s.SearchTypeTextBegin = false;
    s.SearchTypeCategory = true;
    s.SearchCategory = QStringLiteral("Jazz");
    listAll();
    EXPECT_EQ(panel1(), "Records in Category: Jazz");
}

TEST_F(MainFixture, TheSearchWindowsFlagsPressTheFilterAtTheNextCheck)
{
    open();
    w.addRecording(QStringLiteral("Blue"));
    w.addRecording(QStringLiteral("Red"));
    w.ws->selection.SearchTypeMedium = true;
    w.ws->selection.SearchMedium = QStringLiteral("LP");
    w.ws->filterOn = true;
    w.ws->rebuildList = true;
    window->requestActivationCheck();
    QTest::qWait(20);
    EXPECT_TRUE(action("Filter")->isChecked());
    EXPECT_EQ(panel1(), "Records with Medium of: LP");
    EXPECT_FALSE(w.ws->filterOn);
    EXPECT_FALSE(w.ws->rebuildList);
}

TEST_F(MainFixture, SortingWithTheDirectionRule)
{
    open();
    for (auto [title, year] : {std::pair{"b", 1999}, {"C", 12000}, {"a", 2001}}) {
        CEntry* e = w.addRecording(QString::fromLatin1(title), QStringLiteral("Same"));
        e->CDRelYear = qint16(year);
    }
    CView* view = w.entries().CurrView();
    view->AddNewColumn(Field::RelYear);
    listAll();
    // Column 0 (Artist) ascending at first: equal texts keep collection order.
    EXPECT_EQ(shownColumn(1), QStringList({"b", "C", "a"}));
    QHeaderView* header = list()->header();
    list()->setCurrentIndex(list()->model()->index(0, 1)); // "b"
    Q_EMIT header->sectionClicked(1);
    EXPECT_EQ(shownColumn(1), QStringList({"a", "b", "C"}));
    EXPECT_EQ(sequenceKeys(), QStringList({"3", "1", "2"}));
    // The current row and the selection go with their recording.
    EXPECT_EQ(list()->currentIndex(), list()->model()->index(1, 1));
    ASSERT_EQ(list()->selectionModel()->selectedRows().size(), 1);
    EXPECT_EQ(list()->selectionModel()->selectedRows().front().row(), 1);
    Q_EMIT header->sectionClicked(1);
    EXPECT_EQ(shownColumn(1), QStringList({"C", "b", "a"}));
    Q_EMIT header->sectionClicked(3); // another column keeps the descending direction
    EXPECT_EQ(shownColumn(3), QStringList({"12000", "2001", "1999"})); // by value, not text
    EXPECT_EQ(sequenceKeys(), QStringList({"2", "3", "1"}));
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::DescendingOrder);
}

TEST_F(MainFixture, EntryChangedRefreshesAtTheNextActivationForUpdatesInsertsAndDeletes)
{
    open();
    w.addRecording(QStringLiteral("One"));
    CEntry* two = w.addRecording(QStringLiteral("Two"));
    listAll();
    ASSERT_EQ(panel2(), " 2 records");
    for (qint32 ignored : {4, 5, 0}) {
        window->EntryChanged(ignored, two->CDKey);
        w.addRecording(QStringLiteral("Unseen"));
        activate();
        EXPECT_EQ(list()->model()->rowCount(), 2) << ignored;
    }
    window->EntryChanged(2, QStringLiteral("5"));
    activate();
    EXPECT_EQ(list()->model()->rowCount(), 5);
    // A deleted recording's row goes at once: nothing may show it before the refresh.
    const QString key = two->CDKey;
    window->EntryChanged(3, key);
    w.entries().DeleteEntry(key);
    EXPECT_EQ(list()->model()->rowCount(), 4);
    activate();
    EXPECT_EQ(panel2(), " 4 records");
}

// Every activation after an edit rebuilt the list and dropped the chosen row.
TEST_F(MainFixture, TheListKeepsItsPlaceAcrossEveryRebuild)
{
    const QString file = [&] {
        QStringList titles;
        for (int i = 0; i < 40; ++i)
            titles << QStringLiteral("R%1").arg(i, 2, 10, QLatin1Char('0'));
        return writeCollection(path("forty.DAT"), titles);
    }();
    open();
    window->openFile(file);
    // Opened: the list has the keyboard and its first row is current.
    EXPECT_EQ(window->focusWidget(), list());
    EXPECT_EQ(list()->currentIndex().row(), 0);

    auto currentTitle = [&] { return list()->currentIndex().siblingAtColumn(1).data().toString(); };
    selectRow(25);
    list()->setCurrentIndex(list()->model()->index(25, 0));
    ASSERT_EQ(currentTitle(), "R25");
    window->EntryChanged(ActionUpdated, w.entries().Entries().at(25)->CDKey);
    activate();
    EXPECT_EQ(currentTitle(), "R25");
    EXPECT_EQ(list()->selectionModel()->selectedRows().value(0).row(), 25);

    // A filter that leaves it out: the nearest row takes its place; released, it is back
    // only if it was still current.
    CEntrySelection& s = w.ws->selection;
    s.SearchString = QStringLiteral("R0");
    s.SearchTitle = s.SearchTypeTextBegin = true;
    trigger("Filter");
    EXPECT_EQ(panel2(), " 10 records");
    EXPECT_EQ(currentTitle(), "R09");
    trigger("Filter");
    EXPECT_EQ(currentTitle(), "R09");

    // Deleted: the next row; added: the new recording.
    const QString gone = w.entries().Entries().at(9)->CDKey;
    window->EntryChanged(ActionDeleted, gone);
    w.entries().DeleteEntry(gone);
    activate();
    EXPECT_EQ(currentTitle(), "R10");
    CEntry* added = w.addRecording(QStringLiteral("New one"));
    window->EntryChanged(ActionInserted, added->CDKey);
    activate();
    EXPECT_EQ(currentTitle(), "New one");
}

TEST_F(MainFixture, TheQuickFilterNarrowsAsTheUserTypesAndCombinesWithTheSearch)
{
    const QString file = [&] {
        test::UiWorld maker;
        maker.addRecording(QStringLiteral("Noche de Ronda"), QStringLiteral("LOS ÁLAMOS TRÍO"));
        maker.addRecording(QStringLiteral("Álamo Blues"), QStringLiteral("Ann"));
        maker.addRecording(QStringLiteral("Winter"), QStringLiteral("Bob"));
        EXPECT_TRUE(SaveCollectionFile(*maker.ws, path("q.DAT")));
        return path("q.DAT");
    }();
    const QString other = writeCollection(path("other.DAT"), {"Elsewhere"});
    open();
    window->openFile(file);
    auto* box = child<QLineEdit>(window.get(), "edtQuickFilter");
    window->activateWindow(); // shortcuts reach only the active window
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_L, Qt::ControlModifier);
    EXPECT_EQ(window->focusWidget(), box);
    QTest::keyClicks(box, "alamo");
    QTRY_COMPARE(panel2(), QStringLiteral(" 2 of 3 records"));
    EXPECT_EQ(shownColumn(1), QStringList({"Álamo Blues", "Noche de Ronda"}));
    EXPECT_EQ(w.sequence().Count(), 2); // printing and export follow what is listed

    // Both filters must hold.
    w.ws->selection.SearchString = QStringLiteral("Noche");
    w.ws->selection.SearchTitle = w.ws->selection.SearchTypeText = true;
    trigger("Filter");
    EXPECT_EQ(panel2(), " 1 of 1 record");
    trigger("Filter");

    // Each collection keeps its own text for the session.
    window->openFile(other);
    EXPECT_EQ(box->text(), "");
    QTRY_COMPARE(panel2(), QStringLiteral(" 1 record"));
    window->openFile(file);
    EXPECT_EQ(box->text(), "alamo");
    QTRY_COMPARE(panel2(), QStringLiteral(" 2 of 3 records"));

    // Esc clears it and gives the list the keyboard.
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Escape);
    EXPECT_EQ(box->text(), "");
    QTRY_COMPARE(panel2(), QStringLiteral(" 3 records"));
    EXPECT_EQ(window->focusWidget(), list());
}

TEST(QuickFilterRunner, ANewTextSupersedesAFilterStillRunning)
{
    test::UiWorld w;
    for (int i = 0; i < 3000; ++i)
        w.addRecording(QStringLiteral("Title %1").arg(i), QStringLiteral("Artist"), 3);
    QuickFilterRunner runner(w.entries());
    std::vector<int> delivered;
    runner.done = [&](std::shared_ptr<const QSet<QString>> keys) { delivered.push_back(keys ? int(keys->size()) : -1); };
    runner.start(QStringLiteral("title"));
    runner.start(QStringLiteral("title 299"));
    runner.waitForDone();
    QTRY_VERIFY(!runner.running());
    EXPECT_EQ(delivered, std::vector<int>{13}); // 299, 1299, 2299 and 2990-2999
    runner.start(QStringLiteral("  "));
    EXPECT_EQ(delivered, (std::vector<int>{13, -1}));
    // An edit is seen by the next filter.
    w.entries().Entries().at(0)->CDTitle = QStringLiteral("Title 299 again");
    runner.collectionChanged();
    runner.start(QStringLiteral("title 299"));
    QTRY_VERIFY(!runner.running());
    EXPECT_EQ(delivered.back(), 14);
}

TEST_F(MainFixture, ViewsChooseTheColumns)
{
    open();
    w.addRecording(QStringLiteral("T"), QStringLiteral("A"));
    ASSERT_TRUE(w.entries().AddNewView(QStringLiteral("Tracks only")));
    w.entries().CurrView()->AddNewColumn(Field::TrackTitle);
    w.entries().CurrView()->AddNewColumn(Field::TrackTitlesTimes);
    w.entries().LocateViewByName(QStringLiteral("Standard View"));
    listAll();
    EXPECT_EQ(list()->model()->columnCount(), 3);
    EXPECT_EQ(list()->model()->headerData(0, Qt::Horizontal).toString(), "Artist");
    // Report-only columns give rows without text and without headers.
    auto* combo = child<QComboBox>(window.get(), "cmbViewName");
    combo->addItem(QStringLiteral("Tracks only"));
    Q_EMIT combo->textActivated(QStringLiteral("Tracks only"));
    EXPECT_EQ(w.entries().CurrView()->ViewName, "Tracks only");
    EXPECT_EQ(list()->model()->columnCount(), 0);
    EXPECT_EQ(list()->model()->rowCount(), 1);
}

TEST_F(MainFixture, CalculatorNeedsASelectedRecordingWithTracks)
{
    open();
    w.addRecording(QStringLiteral("No tracks"));
    listAll();
    list()->selectionModel()->clear();
    trigger("Calc");
    test::expectMessage(w.messages.last(), {"A Recording must be selected before choosing this option",
                                            "Selection Required", MsgIcon::Exclamation});
    selectRow(0);
    trigger("MU_Edit_Calc");
    test::expectMessage(w.messages.last(),
                        {"No tracks available for the calculator.  You must first enter track detail for this entry.",
                         "No Tracks Available", MsgIcon::Information});
}

// Save must write the file this window opened: LastFileName is shared by every running
// copy of the program and may name another file by now.
TEST_F(MainFixture, SaveWritesTheWindowsOwnFileNotTheSharedLastFileName)
{
    const QString mine = writeCollection(path("mine.DAT"), {"Mine"});
    const QString other = writeCollection(path("other.DAT"), {"Other 1", "Other 2"});
    open();
    window->openFile(mine);
    w.config().setLastFileName(other); // another copy of the program opened it
    w.addRecording(QStringLiteral("Added"));
    trigger("MU_File_Save");
    for (const QString& file : {other, mine}) {
        test::UiWorld check;
        ASSERT_TRUE(LoadCollectionFile(*check.ws, file).loaded());
        EXPECT_EQ(check.entries().Count(), 2);
    }
}

TEST_F(MainFixture, ADamagedFileOpensUnnamedSoSaveCannotReplaceIt)
{
    const QString file = writeCollection(path("damaged.DAT"), {"First", "Second"});
    ASSERT_TRUE(QFile::resize(file, QFile(file).size() - 6)); // the last record is cut short
    open();
    window->openFile(file);
    EXPECT_EQ(w.messages.last().title, "Error in element alignment");
    EXPECT_EQ(window->windowTitle(), "Vinaxo Recording Collection (Unnamed)");
    EXPECT_FALSE(action("MU_File_Save")->isEnabled());
    EXPECT_TRUE(panel1().contains("damaged"));
}

TEST_F(MainFixture, ViewAndListWindowsOpenFromTheirCommandsAndTheListFollows)
{
    open();
    w.addRecording(QStringLiteral("T"), QStringLiteral("A"));
    // A view added in the configuration window shows in the drop-down and the list.
    test::whenModal([&](QWidget* dialog) {
        w.entries().AddNewView(QStringLiteral("Mine"));
        w.entries().CurrView()->AddNewColumn(Field::Title);
        dialog->close();
    }, QStringLiteral("frmConfigureView"));
    child<QToolButton>(window.get(), "cmdConfigureView")->click();
    EXPECT_TRUE(test::allModalsHandled());
    auto* combo = child<QComboBox>(window.get(), "cmbViewName");
    EXPECT_EQ(combo->currentText(), "Mine");
    EXPECT_EQ(combo->count(), 2);
    EXPECT_EQ(list()->model()->columnCount(), 1);

    for (const char* command : {"MU_Options_ConfigureCategories", "MU_Options_ConfigureMediums",
                                "MU_File_Print_Report_Design"}) {
        QString seen;
        test::whenModal([&](QWidget* dialog) { seen = dialog->objectName(); dialog->close(); });
        trigger(command);
        EXPECT_FALSE(seen.isEmpty()) << command;
    }
}

TEST_F(MainFixture, EditorAndSearchOpenFromTheirCommandsAndNewStartsTheEditorAfresh)
{
    open();
    w.addRecording(QStringLiteral("First"));
    w.addRecording(QStringLiteral("Second"));
    listAll();
    selectRow(1);
    trigger("Edit");
    auto* editor = window->findChild<QMainWindow*>(QStringLiteral("frmEntryDetail"));
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(w.entries().CurrEntry()->CDTitle, "Second");

    trigger("MU_File_New");
    auto* fresh = window->findChild<QMainWindow*>(QStringLiteral("frmEntryDetail"));
    ASSERT_NE(fresh, nullptr);
    EXPECT_FALSE(fresh->isVisible());

    trigger("MU_Search_Search");
    QWidget* search = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == "frmCDSearch")
            search = top;
    ASSERT_NE(search, nullptr);
    EXPECT_TRUE(search->isVisible());
    window->close();
    EXPECT_FALSE(search->isVisible());
}

// The windows a command opened (modal ones are closed again as soon as they are seen),
// with whatever `look` reads from each while it is up.
QStringList openedBy(QAction* command, const std::function<void(QWidget*)>& look = {})
{
    QStringList seen;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (qobject_cast<QDialog*>(top) && top->isVisible() && !seen.contains(top->objectName())) {
                seen << top->objectName();
                if (look)
                    look(top);
            }
        }
        if (QWidget* modal = QApplication::activeModalWidget())
            QMetaObject::invokeMethod(modal, "reject", Qt::QueuedConnection);
    });
    poll.start(30);
    command->trigger();
    return seen;
}

TEST_F(MainFixture, PrintImportExportCalculatorAndLookupOpenTheirWindows)
{
    open();
    w.addRecording(QStringLiteral("With tracks"), QStringLiteral("A"), 3);
    listAll();
    selectRow(0);
    EXPECT_EQ(openedBy(action("Print")).value(0), "frmCDPRINT");
    EXPECT_EQ(openedBy(action("MU_File_Import_Export")).value(0), "frmCDIMPDES");
    EXPECT_EQ(openedBy(action("Calc")).value(0), "frmCDCalc");
    EXPECT_EQ(w.entries().CurrEntry()->CDTitle, "With tracks");
    bool updateOffered = true;
    // Without a site list the configuration window opens over it.
    const QStringList lookup = openedBy(action("CDInfo"), [&](QWidget* modal) {
        if (auto* update = modal->findChild<QWidget*>(QStringLiteral("rbUpdateEntry")))
            updateOffered = update->isEnabled();
    });
    EXPECT_TRUE(lookup.contains("frmCDDBAccess")) << lookup.join(u' ').toStdString();
    EXPECT_FALSE(updateOffered); // from the main window a lookup only adds
}

// Undo and Redo name their step, bring a deleted recording back into the list as the
// current one, stay off while the editor is open, and are cleared by New.
TEST_F(MainFixture, UndoAndRedoFromTheEditMenu)
{
    open();
    for (const char* t : {"Alba", "Noche", "Sol"})
        w.addRecording(QString::fromLatin1(t));
    listAll();
    EXPECT_FALSE(action("MU_Edit_Undo")->isEnabled());
    EXPECT_EQ(action("MU_Edit_Undo")->shortcut(), QKeySequence(QKeySequence::Undo));

    selectRow(1);
    trigger("Edit");
    auto* editor = window->findChild<QMainWindow*>(QStringLiteral("frmEntryDetail"));
    ASSERT_NE(editor, nullptr);
    w.messages.answer(MsgAnswer::Yes);
    child<QAction>(editor, "Delete")->trigger();
    ASSERT_EQ(w.entries().Count(), 2);
    EXPECT_FALSE(action("MU_Edit_Undo")->isEnabled()) << "not while the editor shows a recording";
    editor->hide();
    EXPECT_TRUE(action("MU_Edit_Undo")->isEnabled());
    EXPECT_EQ(action("MU_Edit_Undo")->text(), "&Undo Delete 'Noche'");

    trigger("MU_Edit_Undo");
    EXPECT_EQ(shownColumn(1).size(), 3);
    EXPECT_EQ(list()->currentIndex().siblingAtColumn(1).data().toString(), "Noche");
    EXPECT_EQ(action("MU_Edit_Redo")->text(), "&Redo Delete 'Noche'");
    trigger("MU_Edit_Redo");
    EXPECT_EQ(panel2(), " 2 records");

    w.messages.answer(MsgAnswer::Yes); // lose the changes
    trigger("MU_File_New");
    EXPECT_FALSE(window->history().stack().canUndo());
    EXPECT_EQ(action("MU_Edit_Undo")->text(), "&Undo");
}

// Show Existing selects the recording held, also when the quick filter hid it; the
// choice of fields is kept in the settings.
TEST_F(MainFixture, SelectingTheExistingRecordingAndTheDuplicateFields)
{
    open();
    w.addRecording(QStringLiteral("Alba"));
    const QString key = w.addRecording(QStringLiteral("Noche"))->CDKey;
    listAll();
    auto* quick = child<QLineEdit>(window.get(), "edtQuickFilter");
    quick->setText(QStringLiteral("alba"));
    QTRY_COMPARE(shownColumn(1), QStringList({"Alba"}));
    window->selectRecording(key);
    EXPECT_TRUE(quick->text().isEmpty());
    EXPECT_EQ(list()->currentIndex().siblingAtColumn(1).data().toString(), "Noche");

    // Regression: selecting the one held while the new one was still current made the
    // cancel remove the one held.
    selectRow(0);
    trigger("Edit");
    auto* editor = window->findChild<QMainWindow*>(QStringLiteral("frmEntryDetail"));
    ASSERT_NE(editor, nullptr);
    child<QAction>(editor, "Insert")->trigger();
    QTest::keyClicks(child<QPlainTextEdit>(editor, "edtCDTitle"), "NOCHE");
    w.messages.answerIndex(2);
    child<QAction>(editor, "Post")->trigger();
    EXPECT_EQ(w.messages.last().text, EntryEditSession::DuplicateText);
    EXPECT_EQ(w.entries().Count(), 2);
    ASSERT_TRUE(w.entries().Entries().contains(key));
    EXPECT_EQ(w.entries().Entries().find(key)->get()->CDTitle, "Noche");
    EXPECT_EQ(child<QPlainTextEdit>(editor, "edtCDTitle")->toPlainText(), "Noche");
    child<QAction>(editor, "Close")->trigger();
    EXPECT_EQ(w.entries().Count(), 2);
    EXPECT_EQ(w.entries().Entries().find(key)->get()->CDTitle, "Noche");
    EXPECT_EQ(list()->currentIndex().siblingAtColumn(1).data().toString(), "Noche");

    trigger("MU_Options_DuplicateMedium");
    EXPECT_EQ(w.ws->duplicates.fields(), DuplicateField::Medium);
    EXPECT_EQ(w.config().extraValue("Duplicates", "Fields").toString(), "Artist,Title,Medium");
}
