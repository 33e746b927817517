// The lookup window and the choice among matches, on the suite's CDDB server and disc
// images: what a user sees and what "Apply Updates" stores.
#include "LookupRig.h"
#include "model/CEntries.h"
#include "ui/lookup/frmCDDBMultiSelect.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
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

TEST(LookupWindow, ExactMatchAddsARecording)
{
    LookupRig r;
    r.entries().AddNewCategory("ROCK"); // the found "Rock" takes this item, as spelled here
    r.entries().AddNewArtist("Somebody");
    auto w = r.window(false);
    EXPECT_EQ(w->windowTitle(), "CD Internet Lookup");
    EXPECT_FALSE(applyEnabled(w.get()));
    EXPECT_FALSE(child<QRadioButton>(w.get(), "rbUpdateEntry")->isEnabled());
    EXPECT_TRUE(child<QRadioButton>(w.get(), "rbNewEntry")->isChecked());
    EXPECT_EQ(r.messages.count(), 0u);

    click(w.get(), "cmdGetCDInfo");
    shot(w.get(), QStringLiteral("lookup-result.png"));
    EXPECT_EQ(r.messages.count(), 0u) << r.messages.texts().join('|').toStdString();
    EXPECT_TRUE(applyEnabled(w.get()));
    EXPECT_EQ(lineText(w.get(), "DiscTitle"), "The Album");
    EXPECT_EQ(comboText(w.get(), "cmbCDArtist"), "The Band");
    EXPECT_EQ(lineText(w.get(), "DiscYear"), "1999");
    EXPECT_EQ(comboText(w.get(), "cmbCDCategory"), "ROCK");
    EXPECT_EQ(columnTexts(tracks(w.get()), 1), (QStringList{"Opening", "The Long and Winding Road", "Closing"}));
    EXPECT_EQ(columnTexts(tracks(w.get()), 2), (QStringList{"03:25", "04:10", "02:00"}));
    EXPECT_EQ(child<QLabel>(w.get(), "lblDiscInfo")->text(), "Disc ID 1b023f03, 3 tracks");
    EXPECT_EQ(child<QLabel>(w.get(), "lblStatus")->text(), ""); // the exact path ends on an empty status
    EXPECT_EQ(r.busy.busy > 0, r.busy.normal > 0);

    // The title may be edited before it is stored.
    child<QLineEdit>(w.get(), "DiscTitle")->setText("The Album (Remaster)");
    click(w.get(), "cmdOK");
    EXPECT_EQ(w->result(), QDialog::Accepted);
    EXPECT_FALSE(w->isVisible());
    ASSERT_EQ(r.entries().Count(), 1);
    const CEntry* e = r.entries().CurrEntry();
    EXPECT_EQ(e->CDTitle, "The Album (Remaster)");
    EXPECT_EQ(e->CDArtist, "The Band");
    EXPECT_EQ(e->CDCategory, "ROCK");
    EXPECT_EQ(e->CDDesc, "Notes");
    EXPECT_EQ(e->CDRelYear, 1999);
    EXPECT_EQ(e->CDMedium, "CD");
    EXPECT_EQ(e->CDNbrTracks, 3);
    EXPECT_EQ(e->CDTotalTime, "9:35");
    QStringList times;
    for (const auto& t : e->TrackEntries())
        times << t.value->CDTrackTime;
    EXPECT_EQ(times, (QStringList{"03:25", "04:10", "02:00"}));
    EXPECT_EQ(e->TrackEntries().find("2")->get()->CDTrackDesc, "About two");
    EXPECT_TRUE(r.entries().ArtistEntries().contains("The Band"));
    EXPECT_EQ(r.entries().CategoryEntries().size(), 1); // "ROCK" already there
    EXPECT_TRUE(r.entries().MediumEntries().contains("CD"));
    EXPECT_TRUE(r.entries().DBChanged);
    ASSERT_EQ(r.windows.changes.size(), 1u);
    EXPECT_EQ(r.windows.changes[0], std::make_pair(qint32(ActionInserted), e->CDKey));
}

TEST(LookupWindow, UpdateOfTheEditedRecordingAsksOnAMismatch)
{
    struct Case {
        const char* name;
        QString title;
        MsgAnswer answer;
        bool updated;
    };
    const std::vector<Case> cases{
        {"same title", "The Album", MsgAnswer::OK, true},
        {"case alone differs, Yes", "the album", MsgAnswer::Yes, true},
        {"case alone differs, No", "the album", MsgAnswer::No, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LookupRig r;
        CEntry* edited = r.addRecording(c.title, "The Band", 1);
        auto w = r.window(true);
        EXPECT_TRUE(child<QRadioButton>(w.get(), "rbUpdateEntry")->isChecked());
        click(w.get(), "cmdGetCDInfo");
        ASSERT_TRUE(applyEnabled(w.get()));
        const bool asks = c.answer != MsgAnswer::OK;
        if (asks)
            r.messages.answer(c.answer);
        click(w.get(), "cmdOK");
        ASSERT_EQ(r.messages.count(), asks ? 1u : 0u);
        if (asks) {
            EXPECT_EQ(r.messages.last().title, "Entry Mismatch");
        }
        EXPECT_EQ(w->isVisible(), !c.updated); // refused: the window stays for another try
        EXPECT_EQ(r.entries().Count(), 1);
        EXPECT_EQ(edited->CDTitle, c.updated ? "The Album" : c.title);
        EXPECT_EQ(edited->CDNbrTracks, c.updated ? 3 : 1);
        ASSERT_EQ(r.windows.changes.size(), 1u);
        if (c.updated) {
            EXPECT_EQ(r.windows.changes[0], std::make_pair(qint32(ActionUpdated), edited->CDKey));
        }
    }
}

// Regression: one disc id filed under two categories listed only one of the two discs.
TEST(LookupWindow, SeveralExactMatchesAreAllOffered)
{
    struct Case {
        int pick; // -1: OK without a click
        QString title, year;
    };
    for (const Case& c : std::vector<Case>{{-1, "Night Session", "1961"}, {1, "Delta Days", "1952"}}) {
        LookupRig r;
        r.setDisc(kSeveralTracks);
        auto w = r.window();
        QStringList rows, ids;
        answerChoice(&rows, &ids, c.pick, true);
        click(w.get(), "cmdGetCDInfo");
        EXPECT_TRUE(allModalsHandled());
        EXPECT_EQ(rows, (QStringList{"Quartet / Night Session", "Slim / Delta Days"}));
        const QString id = TocOf(kSeveralTracks).discIdText();
        EXPECT_EQ(ids, (QStringList{id, id}));
        EXPECT_EQ(r.messages.count(), 0u) << r.messages.texts().join('|').toStdString();
        EXPECT_EQ(lineText(w.get(), "DiscTitle"), c.title);
        EXPECT_EQ(lineText(w.get(), "DiscYear"), c.year);
        EXPECT_TRUE(applyEnabled(w.get()));
        // The read asked for the chosen row's own category.
        EXPECT_EQ(r.server.commands.filter("cddb read").value(0),
                  QStringLiteral("cddb read %1 %2").arg(c.pick < 0 ? "jazz" : "blues", id));
    }
}

TEST(LookupWindow, CloseMatchesThroughTheChoiceWindow)
{
    struct Case {
        const char* name;
        int pick;
        bool ok;
        QString message, title; // the message shown, empty for none
        QString discTitle;
    };
    const std::vector<Case> cases{
        {"second row", 1, true, "", "", "Match"},
        {"same id, other category", 2, true, "", "", "Same Id"},
        {"cancel", -1, false, "No selection was made - try the search again.", "No recording selected", ""},
        // The first row is taken without a click; the server has no entry for it.
        {"first row, not readable", -1, true, "Unable to retrieve data for this recording.", "Error retrieve data", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LookupRig r;
        r.setDisc(kCloseTracks);
        auto w = r.window();
        QStringList rows, ids;
        answerChoice(&rows, &ids, c.pick, c.ok);
        click(w.get(), "cmdGetCDInfo");
        EXPECT_EQ(rows, (QStringList{"First / Match", "Second / Match", "First Again / Same Id"}));
        EXPECT_EQ(ids, (QStringList{"aa000001", "aa000002", "aa000001"}));
        if (c.message.isEmpty()) {
            EXPECT_EQ(r.messages.count(), 0u) << r.messages.texts().join('|').toStdString();
        } else {
            EXPECT_EQ(r.messages.texts(), QStringList{c.message});
            EXPECT_EQ(r.messages.last().title, c.title);
            EXPECT_EQ(r.messages.last().icon, c.title == "Error retrieve data" ? MsgIcon::Critical : MsgIcon::Information);
        }
        EXPECT_EQ(lineText(w.get(), "DiscTitle"), c.discTitle) << r.server.commands.join('|').toStdString();
        EXPECT_EQ(applyEnabled(w.get()), !c.discTitle.isEmpty());
        if (c.discTitle.isEmpty()) {
            EXPECT_EQ(tracks(w.get())->topLevelItemCount(), 0);
        }
    }
}

TEST(LookupWindow, SearchesThatFindNothingToApply)
{
    struct Case {
        const char* name;
        std::vector<qint32> disc;
        QString message, title;
        MsgIcon icon;
    };
    const std::vector<Case> cases{
        {"no match", kUnknownTracks, "No matching recording was found.", "No recording found", MsgIcon::Information},
        // An exact match whose entry the server does not give.
        {"entry missing", kUnreadableTracks, "Unable to retrieve data for this recording.", "Error retrieve data",
         MsgIcon::Critical},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LookupRig r;
        r.setDisc(c.disc);
        auto w = r.window();
        click(w.get(), "cmdGetCDInfo");
        EXPECT_EQ(r.messages.texts(), QStringList{c.message});
        EXPECT_EQ(r.messages.last().title, c.title);
        EXPECT_EQ(r.messages.last().icon, c.icon);
        EXPECT_FALSE(applyEnabled(w.get()));
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(child<QLabel>(w.get(), "lblDiscInfo")->text(),
                  QStringLiteral("Disc ID %1, %2 tracks").arg(TocOf(c.disc).discIdText()).arg(c.disc.size()));
    }
}

TEST(LookupWindow, CancelEndsAWaitForASilentServerAtOnce)
{
    LookupRig r;
    r.config().setTimeout("30");
    r.server.misbehaveOn("cddb query", CddbTestServer::Fault::Silent);
    auto w = std::make_unique<frmCDDBAccess>(r.context);
    w->setSiteListFiles(r.files);
    int ticks = 0;
    qint64 waited = -1;
    whenModal(
        [&](QWidget*) {
            QTimer tick;
            QObject::connect(&tick, &QTimer::timeout, [&] { ++ticks; });
            tick.start(50);
            QTimer::singleShot(500, [&] {
                EXPECT_TRUE(w->isLookupRunning());
                EXPECT_FALSE(child<QWidget>(w.get(), "cmdGetCDInfo")->isEnabled());
                shot(w.get(), QStringLiteral("lookup-waiting.png"));
                click(w.get(), "cmdCancel");
            });
            QElapsedTimer t;
            t.start();
            click(w.get(), "cmdGetCDInfo");
            waited = t.elapsed();
        },
        QStringLiteral("frmCDDBAccess"));
    EXPECT_EQ(w->exec(), QDialog::Rejected);
    EXPECT_GE(waited, 400);
    EXPECT_LT(waited, 3000);
    EXPECT_GE(ticks, 5); // events ran while it waited
    EXPECT_EQ(r.messages.count(), 0u) << r.messages.texts().join('|').toStdString(); // cancelling is no error
    EXPECT_EQ(r.entries().Count(), 0);
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
    EXPECT_EQ(r.config().SitePort(), QString::number(r.server.port()));
    EXPECT_EQ(r.config().UserID(), "tester");
    // What was entered counts at once: the lookup runs without asking again.
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
    EXPECT_EQ(choice.windowTitle(), "Multiple Lookup Results");
    EXPECT_FALSE(choice.SelectionMade());
    choice.show();
    auto* list = child<QTreeWidget>(&choice, "lvResults");
    ASSERT_EQ(list->topLevelItemCount(), 3);
    EXPECT_EQ(list->headerItem()->text(0), "Artist/Title");
    EXPECT_EQ(list->headerItem()->text(1), "Category");
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
