// Report layout on the recording printer: exact positions in twips.
#include "PrintFixture.h"
#include "calc/TapeCalc.h"
#include "platform/IBusyPointer.h"

#include <gtest/gtest.h>

using namespace vinaxo;
using namespace vinaxo::test;

namespace {

const Printed& textAt(const RecordingSurface& s, const QString& text)
{
    const Printed* p = s.find(text);
    if (!p)
        throw std::runtime_error("not printed: " + text.toStdString());
    return *p;
}

TEST(CPrinterLayout, SingleColumnIsCentredUnderThePageHeading)
{
    PrintFixture f;
    f.view({{Field::Title, 10}});
    f.add(QStringLiteral("Blue Train"));
    f.sequenceAll();
    f.printer->setPrintHeading(QStringLiteral("My Records  "));

    ASSERT_TRUE(f.printer->PrintCustomList());
    // 11 characters of 100 twips; (11832 - 1100) / 2 on either side.
    EXPECT_EQ(f.printer->ColumnStart(1), 5366);
    EXPECT_EQ(f.printer->ColumnStart(2), 6466);
    EXPECT_EQ(f.printer->HeadingPosition(1), 5556); // "Title " centred over the column

    const auto& date = textAt(f.surface, QStringLiteral("12/7/2026"));
    EXPECT_EQ(date.x, 0);
    EXPECT_EQ(date.y, 0);
    EXPECT_EQ(date.font.name, QStringLiteral("Detail"));
    const auto& page = textAt(f.surface, QStringLiteral("Page 1"));
    EXPECT_EQ(page.x, 11832 - 19 * 100);
    EXPECT_EQ(page.y, 0);
    const auto& heading = textAt(f.surface, QStringLiteral("My Records"));
    EXPECT_EQ(heading.x, (11832 - 1200) / 2);
    EXPECT_EQ(heading.font.name, QStringLiteral("Head"));
    const auto& colHeading = textAt(f.surface, QStringLiteral("Title"));
    EXPECT_EQ(colHeading.x, 5556);
    EXPECT_EQ(colHeading.y, 288);

    ASSERT_EQ(f.surface.lines().size(), 1u);
    const Printed rule = f.surface.lines()[0];
    EXPECT_EQ(rule.x, 5366);
    EXPECT_EQ(rule.x2, 6466 - 90);
    EXPECT_EQ(rule.y, 576);
    EXPECT_EQ(rule.y2, 576);

    const auto& row = textAt(f.surface, QStringLiteral("Blue Train"));
    EXPECT_EQ(row.x, 5366);
    EXPECT_EQ(row.y, 864); // after the empty line
    EXPECT_EQ(row.font.name, QStringLiteral("Detail"));
    EXPECT_EQ(f.surface.log().back().kind, Printed::EndDoc);
}

TEST(CPrinterLayout, ColumnIsWidenedToItsHeadingAndTheNextStartsAfterIt)
{
    PrintFixture f;
    f.view({{Field::NbrTracks, 3}, {Field::Title, 10}});
    f.sequenceAll();
    ASSERT_TRUE(f.printer->PrintCustomList());
    // "Nbr Tracks " is 11 heading characters (1320) against 4 detail characters (400).
    const qint32 s = f.printer->ColumnStart(1);
    EXPECT_EQ(f.printer->ColumnStart(2) - s, 1320);
    EXPECT_EQ(f.printer->HeadingPosition(1), s);
    EXPECT_EQ(f.printer->ColumnStart(3) - f.printer->ColumnStart(2), 1100);
    EXPECT_EQ(s, (11832 - 2420) / 2);
}

TEST(CPrinterLayout, TooWideLayoutPrintsNothingAndSaysSo)
{
    PrintFixture f;
    f.view({{Field::Title, 40}, {Field::Artist, 200}});
    f.add(QStringLiteral("x"));
    f.sequenceAll();
    EXPECT_FALSE(f.printer->PrintCustomList());
    EXPECT_TRUE(f.surface.log().empty());
    ASSERT_EQ(f.w.messages.count(), 1u);
    EXPECT_EQ(f.w.messages.last().title, QStringLiteral("Report Layout Error"));
    EXPECT_EQ(f.w.messages.last().text,
              QStringLiteral("The maximum column width for your printer has been exceeded. Try the report "
                             "with a smaller printer font size or adjust the column size of one or more fields."));
    EXPECT_EQ(f.w.messages.last().icon, MsgIcon::Exclamation);
}

TEST(CPrinterLayout, FullPageStartsANewPageWithItsHeadingAndNumber)
{
    PrintFixture f;
    f.view({{Field::Title, 20}});
    for (int i = 1; i <= 52; ++i)
        f.add(QStringLiteral("Row %1").arg(i));
    f.sequenceAll();
    ASSERT_TRUE(f.printer->PrintCustomList());

    // Rows from 864 down in steps of 240; full at 15840 - 12 * 240 = 12960.
    EXPECT_EQ(textAt(f.surface, QStringLiteral("Row 51")).page, 1);
    EXPECT_EQ(textAt(f.surface, QStringLiteral("Row 51")).y, 864 + 50 * 240);
    const auto& row52 = textAt(f.surface, QStringLiteral("Row 52"));
    EXPECT_EQ(row52.page, 2);
    EXPECT_EQ(row52.y, 864);
    EXPECT_EQ(f.surface.count(Printed::NewPage), 1);
    const QStringList page2 = f.surface.pageTexts(2);
    EXPECT_EQ(page2, (QStringList{QStringLiteral("12/7/2026"), QStringLiteral("Page 2"),
                                  QStringLiteral("CUSTOM REPORT"), QStringLiteral("Title"), QStringLiteral("Row 52")}))
        << page2.join(u'|').toStdString();
}

TEST(CPrinterLayout, TrackTitlesTimesColumnPrintsLaterTracksOnLinesOfTheirOwn)
{
    PrintFixture f;
    f.view({{Field::Artist, 20}, {Field::TrackTitlesTimes, 30}});
    CEntry* e = f.add(QStringLiteral("t"));
    e->CDArtist = QStringLiteral("Miles");
    const char* tracks[][2] = {{"One", "3:30"}, {"Two", "4:00"}, {"Three", ""}};
    for (auto& t : tracks) {
        CTrackEntry* tr = e->AddNewTrackEntry();
        tr->CDTrackTitle = QString::fromLatin1(t[0]);
        tr->CDTrackTime = QString::fromLatin1(t[1]);
    }
    f.add(QStringLiteral("t2"))->CDArtist = QStringLiteral("Next");
    f.sequenceAll();
    ASSERT_TRUE(f.printer->PrintCustomList());

    const qint32 col2 = f.printer->ColumnStart(2);
    const auto& artist = textAt(f.surface, QStringLiteral("Miles"));
    const auto& one = textAt(f.surface, QStringLiteral("One, 3:30"));
    EXPECT_EQ(one.x, col2);
    EXPECT_EQ(one.y, artist.y);
    EXPECT_EQ(textAt(f.surface, QStringLiteral("Two, 4:00")).y, artist.y + 240);
    const auto& three = textAt(f.surface, QStringLiteral("Three,")); // right-trimmed
    EXPECT_EQ(three.x, col2);
    EXPECT_EQ(three.y, artist.y + 480);
    EXPECT_EQ(textAt(f.surface, QStringLiteral("Next")).y, artist.y + 720);
}

TEST(CPrinterLayout, TrackLinesThatReachTheFootContinueOnANewPageInTheDetailFont)
{
    PrintFixture f;
    f.view({{Field::Title, 20}, {Field::TrackTitle, 20}});
    for (int i = 1; i <= 50; ++i)
        f.add(QStringLiteral("Row %1").arg(i));
    CEntry* e = f.add(QStringLiteral("Last"));
    for (const char* t : {"First", "Second", "Third"})
        e->AddNewTrackEntry()->CDTrackTitle = QString::fromLatin1(t);
    f.sequenceAll();
    ASSERT_TRUE(f.printer->PrintCustomList());

    EXPECT_EQ(textAt(f.surface, QStringLiteral("First")).page, 1);
    EXPECT_EQ(textAt(f.surface, QStringLiteral("First")).y, 864 + 50 * 240);
    const auto& second = textAt(f.surface, QStringLiteral("Second"));
    EXPECT_EQ(second.page, 2);
    EXPECT_EQ(second.y, 864);
    EXPECT_EQ(second.font.name, QStringLiteral("Detail"));
    EXPECT_EQ(textAt(f.surface, QStringLiteral("Third")).y, 864 + 240);
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
        {Field::RelYear, 5, [](CEntry& e) { e.CDRelYear = 0; }, QString()},
        {Field::RelYear, 5, [](CEntry& e) { e.CDRelYear = 1959; }, QStringLiteral("1959")},
        {Field::Medium, 10, [](CEntry& e) { e.CDMedium = QStringLiteral("C"); }, QStringLiteral("Comp Disc")},
        {Field::Medium, 10, [](CEntry& e) { e.CDMedium = QStringLiteral("Vinyl"); }, QStringLiteral("Vinyl")},
        {Field::Title, 5, [](CEntry& e) { e.CDTitle = QStringLiteral("Kind of Blue"); }, QStringLiteral("Kind")},
        {Field::Title, 40, [](CEntry& e) { e.CDTitle = QStringLiteral("Spaces   "); }, QStringLiteral("Spaces")},
        {Field::PurchCost, 10, [](CEntry& e) { e.setCDPurchCostStr(QStringLiteral("12.5")); },
         QStringLiteral("$12.50")},
        {Field::PurchDate, 10, [](CEntry& e) { e.setCDPurchDateStr(QStringLiteral("3/4/2001")); },
         QStringLiteral("3/4/2001")},
        {Field::NbrDisks, 5, [](CEntry& e) { e.CDNbrDisks = 2; }, QStringLiteral("2")},
        {Field::TrackTitle, 20, [](CEntry&) {}, QString()}, // no tracks: an empty cell
    };
    for (const Case& c : cases) {
        PrintFixture f;
        f.view({{c.key, c.width}});
        c.set(*f.add(QStringLiteral("x")));
        f.sequenceAll();
        ASSERT_TRUE(f.printer->PrintCustomList());
        QStringList rows = f.surface.pageTexts(1).mid(4); // after date, page, heading, column heading
        EXPECT_EQ(rows, c.expected.isEmpty() ? QStringList() : QStringList{c.expected})
            << "key " << c.key << ": " << rows.join(u'|').toStdString();
    }
}

TEST(CPrinterLayout, RowsFollowTheKeySequence)
{
    PrintFixture f;
    f.view({{Field::Title, 20}});
    for (const char* t : {"b", "C", "a"})
        f.add(QString::fromLatin1(t));
    RebuildSequence(f.w.sequence(), ListOrder(f.w.entries(), ListSort{Field::Title, true}));
    ASSERT_TRUE(f.printer->PrintCustomList());
    EXPECT_EQ(f.surface.pageTexts(1).mid(4), (QStringList{"C", "b", "a"}));
}

TEST(CPrinterErrors, PrinterErrorAbandonsTheDocumentWithItsMessage)
{
    PrintFixture f;
    f.view({{Field::Title, 20}});
    for (int i = 0; i < 60; ++i)
        f.add(QStringLiteral("r"));
    f.sequenceAll();
    f.surface.failOnPage(2);
    EXPECT_FALSE(f.printer->PrintCustomList());
    EXPECT_EQ(f.surface.log().back().kind, Printed::KillDoc);
    EXPECT_EQ(f.surface.count(Printed::EndDoc), 0);
    ASSERT_EQ(f.w.messages.count(), 1u);
    EXPECT_EQ(f.w.messages.last().title, QStringLiteral("Printer Error"));
    EXPECT_EQ(f.w.messages.last().text,
              QStringLiteral("A printer error has occurred or you selected cancel for this print job.  "
                             "Reset your printer and start printing again."));
}

TEST(CPrinterErrors, CancellingPrintsNothingAndSaysNothing)
{
    struct Cancel final : IProgress {
        bool step(qint64, qint64) override { return false; }
    } cancel;
    PrintFixture f;
    f.view({{Field::Title, 20}});
    f.add(QStringLiteral("r"));
    f.sequenceAll();
    f.printer->setProgress(&cancel);
    EXPECT_FALSE(f.printer->PrintCustomList());
    EXPECT_EQ(f.surface.log().back().kind, Printed::KillDoc);
    EXPECT_EQ(f.w.messages.count(), 0u);
}

TEST(CPrinterCalc, EmptySideTwoStillPrintsItsRuleAndTotal)
{
    PrintFixture f;
    SideTables t;
    t.side1 = {SideRow{QStringLiteral("Song "), QStringLiteral("3:30")}};
    t.total1 = QStringLiteral("3:30");
    SetCalcReport(*f.printer, t);
    f.printer->setPrintHeading(QStringLiteral("Tape Calculator Report"));
    ASSERT_TRUE(f.printer->PrintCalcList());

    // SIDE 600, TITLE 5100, TIME 700 wide; (11832 - 6400) / 2 = 2716 on either side.
    EXPECT_EQ(f.printer->ColumnStart(1), 2716);
    EXPECT_EQ(f.printer->ColumnStart(2), 3316);
    EXPECT_EQ(f.printer->ColumnStart(3), 8416);
    EXPECT_EQ(f.printer->ColumnStart(4), 9116);

    const auto texts = f.surface.texts();
    auto at = [&](std::size_t i) { return std::tuple(texts[i].text, texts[i].x, texts[i].y); };
    ASSERT_EQ(texts.size(), 13u);
    using T = std::tuple<QString, double, double>;
    // The calculator's page heading has no empty line at its end.
    EXPECT_EQ(at(6), T("1", 2716, 576));
    EXPECT_EQ(at(7), T("Song", 3316, 576));
    EXPECT_EQ(at(8), T("3:30", 8416, 576));
    EXPECT_EQ(at(9), T("Total Time: ", 8416 - 1200, 1056));
    EXPECT_EQ(at(10), T("3:30", 8416, 1056));
    EXPECT_EQ(at(11), T("Total Time: ", 8416 - 1200, 1776)); // side 2: no rows
    EXPECT_EQ(at(12), T("0:00", 8416, 1776));

    const auto lines = f.surface.lines();
    ASSERT_EQ(lines.size(), 5u); // three under the headings, one per side
    EXPECT_EQ(lines[3].y, 1056);
    EXPECT_EQ(lines[4].y, 1776);
    EXPECT_EQ(lines[4].x, 8416);
    EXPECT_EQ(lines[4].x2, 9116 - 90);
}

TEST(CPrinterCalc, DefaultHeadingAndRowsBeyondTheDeclaredSize)
{
    PrintFixture f;
    f.printer->ResetCalcSideData(1, 0, QStringLiteral("1:00"), QStringLiteral("0:00"));
    EXPECT_TRUE(f.printer->SetCalcSideData(1, QStringLiteral("a"), QStringLiteral("1:00")));
    EXPECT_FALSE(f.printer->SetCalcSideData(1, QStringLiteral("b"), QStringLiteral("1:00")));
    EXPECT_FALSE(f.printer->SetCalcSideData(2, QStringLiteral("c"), QStringLiteral("1:00")));
    ASSERT_TRUE(f.printer->PrintCalcList());
    EXPECT_NE(f.surface.find(QStringLiteral("SELECTED TRACKS")), nullptr);
    EXPECT_EQ(f.surface.find(QStringLiteral("b")), nullptr);
}

} // namespace
