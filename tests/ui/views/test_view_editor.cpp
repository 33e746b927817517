#include "support/TestWorld.h"
#include "model/Utility.h"
#include "ui/views/ViewEditor.h"

using namespace vinaxo;

namespace {

// A collection with the standard view (Artist, Title, Category) and "Costs" (Cost, Title).
struct Views : test::TestWorld {
    Views()
    {
        EnsureStandardView(entries());
        entries().AddNewView(QStringLiteral("Costs"));
        entries().CurrView()->AddNewColumn(119);
        entries().CurrView()->AddNewColumn(127);
        entries().LocateViewByName(QStringLiteral("Standard View"));
        entries().DBChanged = false;
        editor.open();
    }
    CView& view(const char* name) { return **entries().ViewEntries().find(QLatin1String(name)); }
    ViewEditor editor{entries()};
};

QStringList keysOf(const std::vector<ColumnRow>& rows)
{
    QStringList keys;
    for (const ColumnRow& r : rows)
        keys << r.key;
    return keys;
}

QStringList keysOf(const CView& view)
{
    QStringList keys;
    for (const auto& c : view.ColumnEntries())
        keys << c.value->Key();
    return keys;
}

} // namespace

TEST(ViewEditor, OpensOnTheCurrentViewWithEachColumnInOneList)
{
    Views w;
    EXPECT_EQ(w.editor.shownView(), "Standard View");
    EXPECT_EQ(w.editor.heading(), "Vinaxo Report");
    EXPECT_EQ(keysOf(w.editor.selected()), QStringList({"101", "127", "103"}));
    EXPECT_EQ(w.editor.available().size(), 23u);
    EXPECT_FALSE(keysOf(w.editor.available()).contains("127"));
    EXPECT_EQ(w.editor.available().front().text, "Awards");
    EXPECT_EQ(w.editor.available().back().text, "Track Titles/Times*");
    EXPECT_FALSE(w.editor.changed());
}

TEST(ViewEditor, AddingEveryColumnThenDeletingEveryColumn)
{
    Views w;
    while (!w.editor.available().empty())
        ASSERT_GE(w.editor.add(0), 0);
    EXPECT_EQ(w.editor.selected().size(), 26u);
    EXPECT_EQ(w.editor.add(0), -1);
    while (!w.editor.selected().empty())
        ASSERT_GE(w.editor.remove(0), 0);
    EXPECT_EQ(w.editor.available().size(), 26u);
    w.editor.storeIfChanged();
    EXPECT_EQ(w.view("Standard View").TotalCols(), 0);
    EXPECT_TRUE(w.entries().DBChanged);
}

TEST(ViewEditor, ColumnAddedAgainHasItsDefaultWidth)
{
    Views w;
    const int row = w.editor.add(0); // Awards, 40
    ASSERT_EQ(w.editor.adjustWidth(row, "12"), qint16(12));
    const int back = w.editor.remove(row);
    w.editor.add(back);
    EXPECT_EQ(w.editor.column(int(w.editor.selected().size()) - 1)->width, 40);
}

TEST(ViewEditor, MovesSwapNeighboursAndAlwaysMarkChanged)
{
    Views w;
    EXPECT_EQ(w.editor.moveUp(0), 0);
    EXPECT_TRUE(w.editor.changed());
    w.editor.storeIfChanged();
    EXPECT_TRUE(w.entries().DBChanged);
    EXPECT_EQ(keysOf(w.view("Standard View")), QStringList({"101", "127", "103"}));

    EXPECT_EQ(w.editor.moveDown(0), 1);
    EXPECT_EQ(w.editor.moveDown(2), 2);
    EXPECT_EQ(w.editor.moveUp(2), 1);
    EXPECT_EQ(keysOf(w.editor.selected()), QStringList({"127", "103", "101"}));
}

TEST(ViewEditor, WidthTakesWholeNumbersFromOneUpElseTheDefault)
{
    const struct {
        const char* text;
        qint16 width;
    } cases[] = {{"12", 12}, {" 7 ", 7}, {"32767", 32767}, {"abc", 40}, {"", 40},
                 {"12.5", 40}, {"0", 40}, {"-3", 40}, {"99999", 40}, {"1e2", 40}};
    for (const auto& c : cases) {
        Views w;
        EXPECT_EQ(w.editor.adjustWidth(0, "3"), qint16(3));
        EXPECT_EQ(w.editor.adjustWidth(0, QString::fromLatin1(c.text)), c.width) << c.text;
        EXPECT_EQ(w.editor.column(0)->width, c.width) << c.text;
    }
    Views w;
    EXPECT_EQ(w.editor.adjustWidth(-1, "5"), std::nullopt);
    EXPECT_FALSE(w.editor.changed());
}

TEST(ViewEditor, StoringWritesOrderWidthsAndTrimmedHeading)
{
    Views w;
    w.editor.moveDown(0);                 // Title, Artist, Category
    w.editor.adjustWidth(1, "25");        // Artist
    w.editor.add(w.editor.available().size() - 1); // Track Titles/Times
    w.editor.setHeading("  My Report  ");
    w.editor.storeIfChanged();
    const CView& v = w.view("Standard View");
    EXPECT_EQ(keysOf(v), QStringList({"127", "101", "103", "185"}));
    EXPECT_EQ(v.ColumnEntries().at(1)->ColumnWidth, 25);
    EXPECT_EQ(v.ColumnEntries().at(0)->ColumnWidth, 40);
    EXPECT_TRUE(v.ColumnEntries().at(3)->ReportOnly());
    EXPECT_EQ(v.ReportHeading, "My Report");
    EXPECT_FALSE(w.editor.changed());
}

TEST(ViewEditor, ChoosingAnotherViewStoresTheEditsOfTheOneShown)
{
    Views w;
    w.editor.remove(0);
    w.editor.chooseView("costs");
    EXPECT_EQ(keysOf(w.view("Standard View")), QStringList({"127", "103"}));
    EXPECT_EQ(w.editor.shownView(), "Costs");
    EXPECT_EQ(w.entries().CurrView()->ViewName, "Costs");
    EXPECT_EQ(keysOf(w.editor.selected()), QStringList({"119", "127"}));
    EXPECT_FALSE(w.editor.changed());

    // Without edits nothing is rewritten.
    w.entries().DBChanged = false;
    w.editor.chooseView("Standard View");
    EXPECT_FALSE(w.entries().DBChanged);
}

TEST(ViewEditor, NewViewStoresPendingEditsAndBecomesCurrent)
{
    Views w;
    w.editor.remove(0);
    ASSERT_TRUE(w.editor.newView("  Mine "));
    EXPECT_EQ(keysOf(w.view("Standard View")), QStringList({"127", "103"}));
    EXPECT_EQ(w.editor.shownView(), "Mine");
    EXPECT_EQ(w.entries().CurrView()->ViewName, "Mine");
    EXPECT_TRUE(w.editor.selected().empty());
    EXPECT_EQ(w.editor.available().size(), 26u);
    EXPECT_EQ(w.editor.viewNames(), QStringList({"Standard View", "Costs", "Mine"}));
}

TEST(ViewEditor, DeletingViews)
{
    const Message question{"Are you sure you want to delete view ''Standard View''?",
                           "About to delete view", MsgIcon::Question, MsgButtons::YesNo,
                           MsgDefault::Second};
    { // No (the default) keeps everything, pending edits included.
        Views w;
        w.editor.remove(0);
        EXPECT_FALSE(w.editor.deleteView(w.messages));
        ASSERT_EQ(w.messages.count(), 1u);
        test::expectMessage(w.messages.last(), question);
        EXPECT_EQ(w.entries().ViewEntries().size(), 2);
        EXPECT_TRUE(w.editor.changed());
    }
    { // Yes drops the view with its pending edits; the other one is current.
        Views w;
        w.editor.remove(0);
        w.messages.answer(MsgAnswer::Yes);
        EXPECT_TRUE(w.editor.deleteView(w.messages));
        EXPECT_EQ(w.editor.viewNames(), QStringList({"Costs"}));
        EXPECT_EQ(w.entries().CurrView()->ViewName, "Costs");
        EXPECT_EQ(w.editor.shownView(), "Costs");
        EXPECT_EQ(keysOf(w.editor.selected()), QStringList({"119", "127"}));
        EXPECT_FALSE(w.editor.changed());
        EXPECT_TRUE(w.entries().DBChanged);

        // The last view cannot go.
        w.messages.clear();
        EXPECT_FALSE(w.editor.deleteView(w.messages));
        ASSERT_EQ(w.messages.count(), 1u);
        test::expectMessage(w.messages.last(), {"At least 1 view must be defined.  You cannot delete the last view.",
                                                "View Delete Not Allowed", MsgIcon::Critical});
        EXPECT_EQ(w.entries().ViewEntries().size(), 1);
    }
}

TEST(ViewEditor, NewViewNameChecks)
{
    const struct {
        const char* name;
        const char* text; // the message, or null when accepted
        const char* title;
    } cases[] = {
        {"", "A view name must be entered.", "View Name Required"},
        {"   ", "A view name must be entered.", "View Name Required"},
        {" Standard View ", "A view with this name already exists.  Please select another name.  ",
         "Duplicate View Name"},
        {"COSTS", "A view with this name already exists.  Please select another name.  ",
         "Duplicate View Name"},
        {" Mine ", nullptr, nullptr},
    };
    for (const auto& c : cases) {
        Views w;
        EXPECT_EQ(AcceptNewViewName(w.entries(), QString::fromLatin1(c.name)), c.text == nullptr) << c.name;
        if (c.text) {
            ASSERT_EQ(w.messages.count(), 1u) << c.name;
            EXPECT_EQ(w.messages.last().text, c.text);
            EXPECT_EQ(w.messages.last().title, c.title);
            EXPECT_EQ(w.messages.last().icon, MsgIcon::Critical);
        } else {
            EXPECT_EQ(w.messages.count(), 0u);
        }
    }
}
