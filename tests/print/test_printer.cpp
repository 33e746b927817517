// Report layout on the recording printer: exact positions in twips.
#include "PrintFixture.h"
#include "calc/TapeCalc.h"

#include <gtest/gtest.h>

using namespace vinaxo;
using namespace vinaxo::test;

namespace {

using Where = std::tuple<int, double, double>; // page, x, y

TEST(CPrinterLayout, SingleColumnIsCentredUnderThePageHeading)
{
    PrintFixture f;
    f.view({{Field::Title, 10}}, {"Blue Train"});
    f.printer->setPrintHeading(QStringLiteral("My Records  "));
    ASSERT_TRUE(f.printAll());
    // 11 characters of 100 twips; (11832 - 1100) / 2 on either side.
    EXPECT_EQ(f.printer->ColumnStart(1), 5366);
    EXPECT_EQ(f.printer->ColumnStart(2), 6466);
    EXPECT_EQ(f.printer->HeadingPosition(1), 5556); // "Title " centred over the column

    const RecordingSurface& s = f.surface;
    EXPECT_EQ(s.at("12/7/2026"), Where(1, 0, 0));
    EXPECT_EQ(s.at("Page 1"), Where(1, 11832 - 19 * 100, 0));
    EXPECT_EQ(s.at("My Records"), Where(1, (11832 - 1200) / 2, 0));
    EXPECT_EQ(s.at("Title"), Where(1, 5556, 288));
    EXPECT_EQ(s.at("Blue Train"), Where(1, 5366, 864)); // after the empty line
    EXPECT_EQ(s.find("12/7/2026")->font.name, "Detail");
    EXPECT_EQ(s.find("My Records")->font.name, "Head");
    EXPECT_EQ(s.find("Title")->font.name, "Head"); // column headings too, as the help says
    EXPECT_EQ(s.find("Blue Train")->font.name, "Detail");

    const auto rules = s.all(Printed::Line);
    ASSERT_EQ(rules.size(), 1u);
    EXPECT_EQ(std::tuple(rules[0].x, rules[0].y, rules[0].x2, rules[0].y2), std::tuple(5366, 576, 6466 - 90, 576));
    EXPECT_EQ(s.log().back().kind, Printed::EndDoc);
}

TEST(CPrinterLayout, ColumnIsWidenedToItsHeadingAndTheNextStartsAfterIt)
{
    PrintFixture f;
    f.view({{Field::NbrTracks, 3}, {Field::Title, 10}});
    ASSERT_TRUE(f.printAll());
    // "Nbr Tracks " is 11 heading characters (1320) against 4 detail characters (400).
    const qint32 s = f.printer->ColumnStart(1);
    EXPECT_EQ(s, (11832 - 2420) / 2);
    EXPECT_EQ(f.printer->ColumnStart(2) - s, 1320);
    EXPECT_EQ(f.printer->HeadingPosition(1), s);
    EXPECT_EQ(f.printer->ColumnStart(3) - f.printer->ColumnStart(2), 1100);
}

TEST(CPrinterLayout, TooWideLayoutPrintsNothingAndSaysSo)
{
    PrintFixture f;
    f.view({{Field::Title, 40}, {Field::Artist, 200}}, {"x"});
    EXPECT_FALSE(f.printAll());
    EXPECT_TRUE(f.surface.log().empty());
    ASSERT_EQ(f.w.messages.count(), 1u);
    EXPECT_EQ(f.w.messages.last().title, "Report Layout Error");
    EXPECT_EQ(f.w.messages.last().text,
              "The maximum column width for your printer has been exceeded. Try the report "
              "with a smaller printer font size or adjust the column size of one or more fields.");
    EXPECT_EQ(f.w.messages.last().icon, MsgIcon::Exclamation);
}

TEST(CPrinterLayout, FullPageStartsANewPageWithItsHeadingAndNumber)
{
    PrintFixture f;
    f.view({{Field::Title, 20}}, PrintFixture::rows(52));
    ASSERT_TRUE(f.printAll());
    // Rows from 864 down in steps of 240; full at 15840 - 12 * 240 = 12960.
    const double x = f.printer->ColumnStart(1);
    EXPECT_EQ(f.surface.at("Row 51"), Where(1, x, 864 + 50 * 240));
    EXPECT_EQ(f.surface.at("Row 52"), Where(2, x, 864));
    EXPECT_EQ(f.surface.count(Printed::NewPage), 1);
    EXPECT_EQ(f.surface.pageTexts(2), (QStringList{"12/7/2026", "Page 2", "CUSTOM REPORT", "Title", "Row 52"}));
}

TEST(CPrinterLayout, TrackTitlesTimesColumnPrintsLaterTracksOnLinesOfTheirOwn)
{
    PrintFixture f;
    f.view({{Field::Artist, 20}, {Field::TrackTitlesTimes, 30}}, {"t", "t2"});
    CEntry* e = f.w.entries().Entries().at(0).get();
    e->CDArtist = "Miles";
    f.w.entries().Entries().at(1)->CDArtist = "Next";
    for (auto [title, time] : {std::pair{"One", "3:30"}, {"Two", "4:00"}, {"Three", ""}}) {
        CTrackEntry* tr = e->AddNewTrackEntry();
        tr->CDTrackTitle = title;
        tr->CDTrackTime = time;
    }
    ASSERT_TRUE(f.printAll());
    const double col2 = f.printer->ColumnStart(2), y = get<2>(f.surface.at("Miles"));
    EXPECT_EQ(f.surface.at("One, 3:30"), Where(1, col2, y));
    EXPECT_EQ(f.surface.at("Two, 4:00"), Where(1, col2, y + 240));
    EXPECT_EQ(f.surface.at("Three,"), Where(1, col2, y + 480)); // right-trimmed
    EXPECT_EQ(get<2>(f.surface.at("Next")), y + 720);
}

TEST(CPrinterLayout, TrackLinesThatReachTheFootContinueOnANewPageInTheDetailFont)
{
    PrintFixture f;
    f.view({{Field::Title, 20}, {Field::TrackTitle, 20}}, PrintFixture::rows(50));
    CEntry* e = f.add("Last");
    for (const char* t : {"First", "Second", "Third"})
        e->AddNewTrackEntry()->CDTrackTitle = t;
    ASSERT_TRUE(f.printAll());
    const double col2 = f.printer->ColumnStart(2);
    EXPECT_EQ(f.surface.at("First"), Where(1, col2, 864 + 50 * 240));
    EXPECT_EQ(f.surface.at("Second"), Where(2, col2, 864));
    EXPECT_EQ(f.surface.at("Third"), Where(2, col2, 864 + 240));
    EXPECT_EQ(f.surface.find("Second")->font.name, "Detail");
    EXPECT_EQ(f.surface.pageTexts(2).mid(0, 2), (QStringList{"12/7/2026", "Page 2"}));
}

// The cell text of each kind of column, cut to the column's width.
TEST(CPrinterLayout, CellTexts)
{
    struct Case {
        int key;
        int width;
        std::function<void(CEntry&)> set;
        QString expected; // empty: nothing printed in the row
    };
    const std::vector<Case> cases = {
        {Field::RelYear, 5, [](CEntry& e) { e.CDRelYear = 0; }, ""},
        {Field::RelYear, 5, [](CEntry& e) { e.CDRelYear = 1959; }, "1959"},
        {Field::Medium, 10, [](CEntry& e) { e.CDMedium = "C"; }, "Comp Disc"},
        {Field::Medium, 10, [](CEntry& e) { e.CDMedium = "Vinyl"; }, "Vinyl"},
        {Field::Title, 5, [](CEntry& e) { e.CDTitle = "Kind of Blue"; }, "Kind"},
        {Field::Title, 40, [](CEntry& e) { e.CDTitle = "Spaces   "; }, "Spaces"},
        {Field::PurchCost, 10, [](CEntry& e) { e.setCDPurchCostStr("12.5"); }, "$12.50"},
        {Field::PurchDate, 10, [](CEntry& e) { e.setCDPurchDateStr("3/4/2001"); }, "3/4/2001"},
        {Field::NbrDisks, 5, [](CEntry& e) { e.CDNbrDisks = 2; }, "2"},
        {Field::TrackTitle, 20, [](CEntry&) {}, ""}, // no tracks: an empty cell
    };
    for (const Case& c : cases) {
        PrintFixture f;
        f.view({{c.key, c.width}});
        c.set(*f.add("x"));
        ASSERT_TRUE(f.printAll());
        const QStringList rows = f.surface.pageTexts(1).mid(4); // after date, page, heading, column heading
        EXPECT_EQ(rows, c.expected.isEmpty() ? QStringList() : QStringList{c.expected}) << "key " << c.key;
    }
}

TEST(CPrinterLayout, RowsFollowTheKeySequence)
{
    PrintFixture f;
    f.view({{Field::Title, 20}}, {"b", "C", "a"});
    RebuildSequence(f.w.sequence(), ListOrder(f.w.entries(), ListSort{Field::Title, true}));
    ASSERT_TRUE(f.printer->PrintCustomList());
    EXPECT_EQ(f.surface.pageTexts(1).mid(4), (QStringList{"C", "b", "a"}));
}

// A printer error abandons the document with its message; cancelling abandons it quietly.
TEST(CPrinterErrors, FailedOrCancelledPrintIsAbandoned)
{
    for (const bool cancelled : {false, true}) {
        PrintFixture f;
        f.view({{Field::Title, 20}}, PrintFixture::rows(60));
        f.sequenceAll();
        if (cancelled) {
            ASSERT_TRUE(f.printer->StartCustomList());
            EXPECT_TRUE(f.printer->ContinueCustomList(10));
            EXPECT_EQ(f.printer->RowsDone(), 10);
            f.printer->CancelReport();
            EXPECT_FALSE(f.printer->ContinueCustomList(10));
            EXPECT_EQ(f.printer->LastOutcome(), CPrinter::Outcome::Cancelled);
        } else {
            f.surface.failOnPage(2);
            EXPECT_FALSE(f.printer->PrintCustomList());
            EXPECT_EQ(f.printer->LastOutcome(), CPrinter::Outcome::PrinterError);
        }
        EXPECT_EQ(f.surface.log().back().kind, Printed::KillDoc);
        EXPECT_EQ(f.surface.count(Printed::EndDoc), 0);
        if (cancelled) {
            EXPECT_EQ(f.w.messages.count(), 0u);
            continue;
        }
        ASSERT_EQ(f.w.messages.count(), 1u);
        EXPECT_EQ(f.w.messages.last().title, "Printer Error");
        EXPECT_EQ(f.w.messages.last().text, "A printer error has occurred or you selected cancel for this print job.  "
                                            "Reset your printer and start printing again.");
    }
}

TEST(CPrinterCalc, EmptySideTwoStillPrintsItsRuleAndTotal)
{
    PrintFixture f;
    SideTables t;
    t.side1 = {SideRow{"Song ", "3:30"}};
    t.total1 = "3:30";
    SetCalcReport(*f.printer, t);
    f.printer->setPrintHeading("Tape Calculator Report");
    ASSERT_TRUE(f.printer->PrintCalcList());

    // SIDE 600, TITLE 5100, TIME 700 wide; (11832 - 6400) / 2 = 2716 on either side.
    const qint32 starts[] = {2716, 3316, 8416, 9116};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(f.printer->ColumnStart(i + 1), starts[i]);

    using T = std::tuple<QString, double, double>;
    std::vector<T> rows;
    for (const Printed& p : f.surface.all(Printed::Text))
        rows.emplace_back(p.text, p.x, p.y);
    ASSERT_EQ(rows.size(), 13u);
    // The calculator's page heading has no empty line at its end; side 2 has no rows.
    EXPECT_EQ(std::vector<T>(rows.begin() + 6, rows.end()),
              (std::vector<T>{{"1", 2716, 576}, {"Song", 3316, 576}, {"3:30", 8416, 576},
                              {"Total Time: ", 8416 - 1200, 1056}, {"3:30", 8416, 1056},
                              {"Total Time: ", 8416 - 1200, 1776}, {"0:00", 8416, 1776}}));

    const auto lines = f.surface.all(Printed::Line);
    ASSERT_EQ(lines.size(), 5u); // three under the headings, one per side
    EXPECT_EQ(lines[3].y, 1056);
    EXPECT_EQ(std::tuple(lines[4].x, lines[4].y, lines[4].x2), std::tuple(8416, 1776, 9116 - 90));
}

TEST(CPrinterCalc, DefaultHeadingAndRowsBeyondTheDeclaredSize)
{
    PrintFixture f;
    f.printer->ResetCalcSideData(1, 0, "1:00", "0:00");
    EXPECT_TRUE(f.printer->SetCalcSideData(1, "a", "1:00"));
    EXPECT_FALSE(f.printer->SetCalcSideData(1, "b", "1:00"));
    EXPECT_FALSE(f.printer->SetCalcSideData(2, "c", "1:00"));
    ASSERT_TRUE(f.printer->PrintCalcList());
    EXPECT_NE(f.surface.find("SELECTED TRACKS"), nullptr);
    EXPECT_EQ(f.surface.find("b"), nullptr);
}

} // namespace
