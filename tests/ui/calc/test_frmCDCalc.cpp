// The tape calculator window: its controls wired to the tape session, the clipboard,
// the overrun colour and the print window with the side tables.
#include "PdfText.h"
#include "ScriptedPrintDialogs.h"
#include "print/ReportFonts.h"
#include "support/ModalDriver.h"
#include "support/UiWorld.h"
#include "ui/calc/NegativeText.h"
#include "ui/calc/frmCDCalc.h"
#include "ui/print/frmCDPRINT.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

using namespace vinaxo;
using namespace vinaxo::test;

namespace {

struct CalcWindow : ::testing::Test {
    UiWorld w;
    CEntry* entry = nullptr;
    std::unique_ptr<frmCDCalc> dlg;

    // A recording with these (title, time) tracks and `slots` track slots, made current.
    void open(std::initializer_list<std::pair<const char*, const char*>> tracks, int slots = -1)
    {
        entry = w.addRecording("Kind of Blue", "Miles Davis");
        for (auto [title, time] : tracks) {
            CTrackEntry* t = entry->AddNewTrackEntry();
            t->CDTrackTitle = title;
            t->CDTrackTime = time;
        }
        entry->CDNbrTracks = qint16(slots < 0 ? int(tracks.size()) : slots);
        w.entries().LocateEntryByKey(entry->CDKey);
        dlg = std::make_unique<frmCDCalc>(w.context);
        dlg->show();
    }
    template <class W = QLineEdit>
    W* get(const char* name) { return child<W>(dlg.get(), name); }
    QString text(const char* name) { return get(name)->text(); }
    void click(const char* name) { get<QPushButton>(name)->click(); }
    QStringList rows(const char* list)
    {
        QStringList v;
        QAbstractItemModel* m = get<QListView>(list)->model();
        for (int i = 0; i < m->rowCount(); ++i)
            v << m->index(i, 0).data().toString();
        return v;
    }
    void select(const char* list, int row)
    {
        QListView* v = get<QListView>(list);
        v->setCurrentIndex(v->model()->index(row, 0));
    }
    void doubleClick(const char* list, int row)
    {
        QListView* v = get<QListView>(list);
        const QPoint at = v->visualRect(v->model()->index(row, 0)).center();
        QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(v->viewport(), Qt::LeftButton, {}, at);
    }
    void add(int track)
    {
        select("LB_TrackList", track);
        click("PB_AddCol");
    }
    // "total/remaining" of a side as the window shows them.
    QString side(int s)
    {
        return s == 1 ? text("TX_Side1Time") + u'/' + text("TX_Side1Left")
                      : text("TX_Side2Time") + u'/' + text("TX_Side2Left");
    }
};

TEST_F(CalcWindow, OpensOnTheRecordingWithA90MinuteTape)
{
    open({{"So What", "9:22"}, {"Freddie Freeloader", "9:46"}});
    EXPECT_EQ(text("TX_CDTitle"), "Kind of Blue");
    EXPECT_EQ(text("TX_CDArtist"), "Miles Davis");
    EXPECT_EQ(rows("LB_TrackList"), (QStringList{"1.So What; 9:22", "2.Freddie Freeloader; 9:46"}));
    EXPECT_EQ(text("TX_TotalTime"), "90:00");
    EXPECT_EQ(side(1), "0:00/45:00");
    EXPECT_EQ(side(2), "0:00/45:00");
    auto* bar = get<QScrollBar>("HS_TotalTime");

    // The scroll bar sets the length; typing does not move the bar.
    bar->setValue(60);
    EXPECT_EQ(text("TX_TotalTime"), "60:00");
    EXPECT_EQ(side(1), "0:00/30:00");
    get("TX_TotalTime")->setText("");
    EXPECT_EQ(side(2), "0:00/0:00");
    EXPECT_EQ(bar->value(), 60);
}

// The rules are the session's: here, that add (button or double click), its question and
// delete reach it and the sides follow.
TEST_F(CalcWindow, AddRepeatAndDeleteReachTheSession)
{
    open({{"Short", "3:30"}, {"Untimed", ""}});
    add(0);
    EXPECT_EQ(side(1), "3:30/41:30");
    add(0); // the same track again: No
    EXPECT_EQ(w.messages.last().title, "Track will be repeated");
    doubleClick("LB_TrackList", 1);
    EXPECT_EQ(rows("LB_Side1"), (QStringList{"Short; 3:30", "Untimed;"}));
    select("LB_Side1", 0);
    click("PB_DelCol");
    EXPECT_EQ(rows("LB_Side1"), QStringList{"Untimed;"});
    EXPECT_EQ(side(1), "0:00/45:00");
}

TEST_F(CalcWindow, ExtraSlotsAndCopyAllOnSideTwo)
{
    open({{"One", "3:00"}}, 3);
    EXPECT_EQ(rows("LB_TrackList"), (QStringList{"1.One; 3:00", "; ", "; "}));
    get<QRadioButton>("RB_Side2")->click();
    click("PB_CopyAll"); // the second empty slot asks to be repeated: No
    EXPECT_EQ(w.messages.count(), 1u);
    EXPECT_EQ(rows("LB_Side2"), (QStringList{"One; 3:00", ";"}));
    EXPECT_TRUE(rows("LB_Side1").isEmpty());
    click("PB_Clear");
    EXPECT_TRUE(rows("LB_Side2").isEmpty());
    EXPECT_EQ(side(2), "0:00/45:00");
}

TEST_F(CalcWindow, SwapSidesByButtonAndDoubleClick)
{
    open({{"One", "3:00"}, {"Two", "4:00"}});
    add(0);
    add(1);
    select("LB_Side1", 1);
    click("PB_SwapSides");
    EXPECT_EQ(rows("LB_Side1"), QStringList{"One; 3:00"});
    EXPECT_EQ(rows("LB_Side2"), QStringList{"Two; 4:00"});
    EXPECT_EQ(side(2), "4:00/41:00");

    // A double click in side 2 makes it current and moves the row back.
    doubleClick("LB_Side2", 0);
    EXPECT_TRUE(get<QRadioButton>("RB_Side2")->isChecked());
    EXPECT_EQ(rows("LB_Side1"), (QStringList{"One; 3:00", "Two; 4:00"}));
    EXPECT_TRUE(rows("LB_Side2").isEmpty());
}

TEST_F(CalcWindow, ClipboardGetsTheSidesAndSaysSo)
{
    open({{"One", "3:00"}, {"Freddie; Freeloader", "9:46"}});
    add(0);
    get<QRadioButton>("RB_Side2")->click();
    add(1);
    click("PB_Clipboard");
    EXPECT_EQ(QApplication::clipboard()->text(), "Side 1\tOne\t3:00\r\nSide 2\tFreddie\tFreeloader; 9:46\r\n");
    EXPECT_TRUE(onlyMessage(w.messages,
                            "All entries have been copied to the Windows clipboard.  You may now switch to another "
                            "program and use the paste function.  ",
                            "Copied to Clipboard", MsgIcon::Information));
}

TEST_F(CalcWindow, CloseKeepsTheSizeForTheNextOpening)
{
    open({{"One", "3:00"}});
    dlg->resize(dlg->minimumSizeHint() + QSize(150, 100));
    const QSize size = dlg->size();
    click("PB_Close");
    EXPECT_FALSE(dlg->isVisible());
    frmCDCalc again(w.context);
    EXPECT_EQ(again.size(), size);
}

TEST_F(CalcWindow, AnOverrunShowsNegativeInTheNegativeColour)
{
    open({{"Long", "3:00"}});
    QLineEdit* left = get("TX_Side1Left");
    const QColor normal = left->palette().color(QPalette::Text);
    get<QScrollBar>("HS_TotalTime")->setValue(5); // 2:30 a side
    add(0);
    EXPECT_EQ(side(1), "3:00/-0:30");
    EXPECT_EQ(left->palette().color(QPalette::Text), NegativeTextColour(QApplication::palette(left)));
    EXPECT_NE(left->palette().color(QPalette::Text), normal);
    EXPECT_TRUE(left->font().bold());
    get<QScrollBar>("HS_TotalTime")->setValue(10);
    EXPECT_EQ(side(1), "3:00/2:00");
    EXPECT_EQ(left->palette().color(QPalette::Text), normal);
}

TEST_F(CalcWindow, PrintsTheSidesThroughThePrintWindow)
{
    StoreHeadingFont(w.config(), ReportFont{"DejaVu Sans", 14, true});
    StoreDetailFont(w.config(), ReportFont{"DejaVu Sans", 10});
    open({{"So What", "9:22"}, {"Blue in Green", "5:37"}});
    add(0);
    get<QRadioButton>("RB_Side2")->click();
    add(1);
    const QString pdf = w.dir.filePath("tape.pdf");
    ScriptedPrintDialogs dialogs;
    dialogs.choosePdf(pdf);
    QString heading;
    whenModal(
        [&](QWidget* modal) {
            auto* print = qobject_cast<frmCDPRINT*>(modal);
            ASSERT_NE(print, nullptr);
            print->setPrintDialogs(&dialogs);
            heading = child<QLineEdit>(print, "TX_Heading")->text();
            child<QPushButton>(print, "PB_Print")->click();
        },
        "frmCDPRINT");
    click("PB_Print");
    EXPECT_TRUE(allModalsHandled());
    EXPECT_EQ(heading, "Tape Calculator Report");
    ASSERT_TRUE(QFile::exists(pdf));
    EXPECT_EQ(rows("LB_Side1"), QStringList{"So What; 9:22"}); // the sides survive the visit
    if (!havePdfToText())
        GTEST_SKIP() << "pdftotext is not installed";
    const QString text = pdfText(pdf);
    EXPECT_TRUE(text.contains("So What"));
    EXPECT_TRUE(text.contains("Blue in Green"));
    EXPECT_TRUE(text.contains("5:37"));
    EXPECT_EQ(text.count("Total Time:"), 2);
}

} // namespace
