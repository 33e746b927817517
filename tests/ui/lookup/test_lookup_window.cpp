// The lookup windows' wiring, on the suite's CDDB server and disc images: a click reaches
// the lookup session, and what it found or stored reaches the screen and the collection.
#include "LookupRig.h"
#include "model/CEntries.h"
#include "ui/lookup/frmCDDBMultiSelect.h"
#include "ui/lookup/frmCDInfoConfig.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMetaMethod>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

using namespace vinaxo;
using namespace vinaxo::test;

namespace {
QString comboText(QWidget* w, const char* name) { return child<QComboBox>(w, name)->currentText(); }
QString lineText(QWidget* w, const char* name) { return child<QLineEdit>(w, name)->text(); }
bool applyEnabled(QWidget* w) { return child<QWidget>(w, "cmdOK")->isEnabled(); }
QTreeWidget* tracks(QWidget* w) { return child<QTreeWidget>(w, "TrackTitles"); }

void clickRow(QTreeWidget* list, int row)
{
    list->doItemsLayout(); // a window just shown lays out its rows later
    const QRect r = list->visualItemRect(list->topLevelItem(row));
    ASSERT_TRUE(r.isValid());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
}

// Arms the choice window: checks its rows, then picks row (or none) and presses OK or Cancel.
void answerChoice(QStringList* rows, QStringList* ids, int pick, bool ok)
{
    whenModal(
        [=](QWidget* d) {
            // Activation rebuilds the list: the click comes after it.
            EXPECT_TRUE(QTest::qWaitForWindowActive(d));
            auto* list = child<QTreeWidget>(d, "lvResults");
            *rows = columnTexts(list, 0);
            *ids = columnTexts(list, 2);
            shot(d, QStringLiteral("choice.png"));
            if (pick >= 0)
                clickRow(list, pick);
            click(d, ok ? "cmdOK" : "cmdCancel");
        },
        QStringLiteral("frmCDDBMultiSelect"));
}
} // namespace

TEST(LookupWindow, TheResultIsShownAndAddedAsEdited)
{
    LookupRig r;
    r.entries().AddNewCategory("ROCK"); // the found "Rock" takes this item, as spelled here
    auto w = r.window(false);
    EXPECT_FALSE(applyEnabled(w.get()));
    EXPECT_FALSE(child<QRadioButton>(w.get(), "rbUpdateEntry")->isEnabled());
    EXPECT_TRUE(child<QRadioButton>(w.get(), "rbNewEntry")->isChecked());

    click(w.get(), "cmdGetCDInfo");
    shot(w.get(), QStringLiteral("lookup-result.png"));
    EXPECT_EQ(r.messages.count(), 0u) << r.messages.texts().join('|').toStdString();
    EXPECT_TRUE(applyEnabled(w.get()));
    EXPECT_EQ(lineText(w.get(), "DiscTitle"), "The Album");
    EXPECT_EQ(comboText(w.get(), "cmbCDArtist"), "The Band");
    EXPECT_EQ(lineText(w.get(), "DiscYear"), "1999");
    EXPECT_EQ(comboText(w.get(), "cmbCDCategory"), "ROCK");
    EXPECT_EQ(columnTexts(tracks(w.get()), 0), (QStringList{"1", "2", "3"}));
    EXPECT_EQ(columnTexts(tracks(w.get()), 1), (QStringList{"Opening", "The Long and Winding Road", "Closing"}));
    EXPECT_EQ(columnTexts(tracks(w.get()), 2), (QStringList{"03:25", "04:10", "02:00"}));
    EXPECT_EQ(child<QLabel>(w.get(), "lblDiscInfo")->text(), "Disc ID 1b023f03, 3 tracks");
    EXPECT_EQ(child<QLabel>(w.get(), "lblStatus")->text(), "");

    // What the user edits is what is stored; the rest as found.
    child<QLineEdit>(w.get(), "DiscTitle")->setText("The Album (Remaster)");
    child<QComboBox>(w.get(), "cmbCDArtist")->setEditText("Band, The");
    click(w.get(), "cmdOK");
    EXPECT_EQ(w->result(), QDialog::Accepted);
    EXPECT_FALSE(w->isVisible());
    ASSERT_EQ(r.entries().Count(), 1);
    const CEntry* e = r.entries().CurrEntry();
    EXPECT_EQ((QStringList{e->CDTitle, e->CDArtist, e->CDCategory, e->CDDesc}),
              (QStringList{"The Album (Remaster)", "Band, The", "ROCK", "Notes"}));
    EXPECT_EQ(e->CDTotalTime, "9:35"); // with the times read from the disc
    ASSERT_EQ(r.windows.changes.size(), 1u);
    EXPECT_EQ(r.windows.changes[0], std::make_pair(qint32(ActionInserted), e->CDKey));
}

// The question itself is LookupApply's; here, that "Update entry" reaches it and that a
// refusal leaves the window open for another try.
TEST(LookupWindow, UpdateEntryWritesOverTheEditedRecording)
{
    LookupRig r;
    CEntry* edited = r.addRecording("the album", "The Band", 1);
    edited->CDComments = "signed copy";
    auto w = r.window(true);
    EXPECT_TRUE(child<QRadioButton>(w.get(), "rbUpdateEntry")->isChecked());
    click(w.get(), "cmdGetCDInfo");
    ASSERT_TRUE(applyEnabled(w.get()));

    r.messages.answer(MsgAnswer::No);
    click(w.get(), "cmdOK");
    EXPECT_EQ(r.messages.texts(), QStringList{LookupApply::MismatchText});
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(edited->CDTitle, "the album");

    r.messages.answer(MsgAnswer::Yes);
    click(w.get(), "cmdOK");
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(r.entries().Count(), 1);
    EXPECT_EQ(edited->CDTitle, "The Album");
    EXPECT_EQ(edited->CDNbrTracks, 3);
    EXPECT_EQ(edited->CDComments, "signed copy");
    ASSERT_EQ(r.windows.changes.size(), 2u);
    EXPECT_EQ(r.windows.changes[1], std::make_pair(qint32(ActionUpdated), edited->CDKey));
}

// The row clicked in the choice window is the one read and shown (which row OK takes
// unclicked is LookupChoice's; a choice not made, LookupSession's).
TEST(LookupWindow, SeveralMatchesGoThroughTheChoiceWindow)
{
    LookupRig r;
    r.setDisc(kCloseTracks);
    auto w = r.window();
    QStringList rows, ids;
    answerChoice(&rows, &ids, 2, true);
    click(w.get(), "cmdGetCDInfo");
    EXPECT_TRUE(allModalsHandled());
    EXPECT_EQ(rows, (QStringList{"First / Match", "Second / Match", "First Again / Same Id"}));
    EXPECT_EQ(ids, (QStringList{"aa000001", "aa000002", "aa000001"}));
    EXPECT_EQ(r.messages.count(), 0u) << r.messages.texts().join('|').toStdString();
    EXPECT_EQ(lineText(w.get(), "DiscTitle"), "Same Id");
    EXPECT_TRUE(applyEnabled(w.get()));
    EXPECT_EQ(tracks(w.get())->topLevelItemCount(), 2);
    EXPECT_EQ(r.server.commands.filter("cddb read").value(0), "cddb read misc aa000001");
}

// The wait itself is the session's; here, that Cancel reaches it and the window closes
// once the run has unwound.
TEST(LookupWindow, CancelDuringALookupClosesTheWindow)
{
    LookupRig r;
    r.config().setTimeout("30");
    r.server.misbehaveOn("cddb query", CddbTestServer::Fault::Silent);
    auto w = std::make_unique<frmCDDBAccess>(r.context);
    w->setSiteListFiles(r.files);
    qint64 waited = -1;
    whenModal(
        [&](QWidget*) {
            QTimer::singleShot(500, [&] {
                EXPECT_TRUE(w->isLookupRunning());
                EXPECT_FALSE(child<QWidget>(w.get(), "cmdGetCDInfo")->isEnabled());
                shot(w.get(), QStringLiteral("lookup-waiting.png"));
                click(w.get(), "cmdCancel");
                EXPECT_TRUE(w->isVisible()); // not before the run has unwound
            });
            QElapsedTimer t;
            t.start();
            click(w.get(), "cmdGetCDInfo");
            waited = t.elapsed();
        },
        QStringLiteral("frmCDDBAccess"));
    EXPECT_EQ(w->exec(), QDialog::Rejected);
    EXPECT_LT(waited, 3000);
    EXPECT_EQ(r.messages.count(), 0u) << r.messages.texts().join('|').toStdString();
    EXPECT_TRUE(r.windows.changes.empty());
}

TEST(LookupWindow, OpeningWithoutConfigurationOpensTheConfigurationWindow)
{
    LookupRig r(/*configure*/ false);
    bool configured = false;
    whenModal(
        [&](QWidget* d) {
            EXPECT_EQ(d->windowTitle(), "Configure Internet CD Lookup");
            auto* sites = child<QComboBox>(d, "cmbSiteList");
            sites->setCurrentIndex(0);
            Q_EMIT sites->activated(0);
            auto* user = child<QLineEdit>(d, "txtUserID");
            user->setText("tester");
            user->setModified(true);
            configured = true;
            click(d, "cmdOK");
        },
        QStringLiteral("frmCDInfoConfig"));
    auto w = r.window();
    ASSERT_TRUE(waitFor([&] { return configured && !QApplication::activeModalWidget(); }));
    // What was entered reached the window's lookup object: the lookup runs without asking again.
    click(w.get(), "cmdGetCDInfo");
    EXPECT_TRUE(allModalsHandled());
    EXPECT_EQ(lineText(w.get(), "DiscTitle"), "The Album");
}

// The drive box itself is the entry editor's; here, that the lookup reads the disc chosen in it.
TEST(LookupWindow, TheDiscChosenInTheDriveBoxIsLookedUp)
{
    LookupRig r;
    const QString image = r.config().CDDriveLetter();
    r.config().setCDDriveLetter("D:");
    auto w = r.window();
    auto* drives = child<QComboBox>(w.get(), "cmbDriveLetter");
    EXPECT_EQ(drives->currentText(), "D:");
    r.dialogs.choose(image);
    const int pick = drives->count() - 1; // "Disc Image..."
    drives->setCurrentIndex(pick);
    Q_EMIT drives->activated(pick);
    EXPECT_EQ(r.config().CDDriveLetter(), image);
    click(w.get(), "cmdGetCDInfo");
    EXPECT_EQ(lineText(w.get(), "DiscTitle"), "The Album");
}

TEST(LookupChoice, EveryActivationRebuildsTheListKeepingThePick)
{
    LookupRig r;
    r.setDisc(kCloseTracks);
    auto w = r.window();
    w->cdInfo()->SearchForCD();
    ASSERT_EQ(w->cdInfo()->QueryDiscID().size(), 3);

    frmCDDBMultiSelect choice;
    choice.setCDInfo(w->cdInfo());
    EXPECT_FALSE(choice.SelectionMade());
    choice.show();
    auto* list = child<QTreeWidget>(&choice, "lvResults");
    ASSERT_EQ(list->topLevelItemCount(), 3);
    // Title and category in the proportions 3:1, each less its margin.
    EXPECT_NEAR((list->columnWidth(0) + 35) / double(list->columnWidth(1) + 35), 3.0, 0.1);
    EXPECT_EQ(choice.SelectedCategory(), "rock"); // the first row, unclicked

    ASSERT_TRUE(QTest::qWaitForWindowActive(&choice));
    clickRow(list, 2);
    EXPECT_EQ(choice.SelectedCategory(), "misc");
    EXPECT_EQ(choice.SelectedTitle(), "First Again / Same Id");

    // Away to another window and back: the list is built afresh from the lookup object.
    QWidget other;
    const auto awayAndBack = [&] {
        other.show();
        other.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
        choice.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&choice));
    };
    awayAndBack();
    EXPECT_EQ(columnTexts(list, 1), (QStringList{"rock", "jazz", "misc"}));
    EXPECT_EQ(list->currentItem(), list->topLevelItem(2)); // the pick stays
    EXPECT_EQ(choice.SelectedCategory(), "misc");

    r.setDisc(kSeveralTracks);
    w->cdInfo()->SearchForCD();
    awayAndBack();
    EXPECT_EQ(columnTexts(list, 1), (QStringList{"jazz", "blues"}));
    EXPECT_EQ(choice.SelectedCategory(), "jazz"); // the pick is gone: the first row
    click(&choice, "cmdOK");
    EXPECT_TRUE(choice.SelectionMade());
    EXPECT_EQ(choice.SelectedDiscID(), TocOf(kSeveralTracks).discIdText());
    EXPECT_FALSE(choice.isVisible());
}

// Every control is connected by function pointer: a slot named after a control would be
// connected by name as well (twice on a click), and silently lost on a rename.
TEST(LookupWindows, NoSlotIsConnectedByName)
{
    static QStringList warnings;
    warnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& text) { warnings << text; });
    LookupRig r;
    {
        frmCDDBAccess access(r.context);
        frmCDDBMultiSelect choice;
        frmCDInfoConfig config(r.context);
        for (const QMetaObject* mo : {access.metaObject(), choice.metaObject(), config.metaObject()}) {
            for (int i = mo->methodOffset(); i < mo->methodCount(); ++i)
                EXPECT_FALSE(mo->method(i).name().startsWith("on_")) << mo->className() << "::"
                                                                      << mo->method(i).name().toStdString();
        }
    }
    qInstallMessageHandler(previous);
    EXPECT_TRUE(warnings.filter("connectSlotsByName").isEmpty()) << warnings.join('|').toStdString();
}
