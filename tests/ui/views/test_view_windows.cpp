#include "support/ModalDriver.h"
#include "support/UiWorld.h"
#include "model/Utility.h"
#include "ui/views/frmConfigureView.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

using namespace vinaxo;
using test::shot;

namespace {

// The standard view (Artist, Title, Category) and "Costs" (Cost), the first current.
struct TwoViews : test::UiWorld {
    TwoViews()
    {
        EnsureStandardView(entries());
        entries().AddNewView(QStringLiteral("Costs"));
        entries().CurrView()->AddNewColumn(119);
        entries().LocateViewByName(QStringLiteral("Standard View"));
        entries().DBChanged = false;
    }
};

struct Window : TwoViews {
    Window() { window.show(); }
    template <class W>
    W* get(const char* name) { return test::child<W>(&window, name); }
    void click(const char* name) { QTest::mouseClick(get<QPushButton>(name), Qt::LeftButton); }
    QStringList rows(const char* list) { return test::columnTexts(get<QTreeWidget>(list)); }
    void pick(const char* list, int row, bool twice = false)
    {
        auto* l = get<QTreeWidget>(list);
        const QPoint at = l->visualItemRect(l->topLevelItem(row)).center();
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, at);
        if (twice)
            QTest::mouseDClick(l->viewport(), Qt::LeftButton, {}, at);
    }
    QStringList viewColumns(const char* name)
    {
        QStringList keys;
        for (const auto& c : (*entries().ViewEntries().find(QLatin1String(name)))->ColumnEntries())
            keys << c.value->ColumnHeading;
        return keys;
    }
    frmConfigureView window{context};
};

} // namespace

TEST(ConfigureViewWindow, OpensOnTheCurrentView)
{
    Window w;
    EXPECT_EQ(w.get<QComboBox>("cmbViewName")->currentText(), "Standard View");
    EXPECT_EQ(w.get<QComboBox>("cmbViewName")->count(), 2);
    EXPECT_EQ(w.rows("lvSelectedCols"), QStringList({"Artist", "Title", "Category"}));
    EXPECT_EQ(w.rows("lvAvailableCols").size(), 23);
    EXPECT_EQ(w.get<QLineEdit>("edtReportHeading")->text(), "Vinaxo Report");
    shot(&w.window, "frmConfigureView.png");
}

TEST(ConfigureViewWindow, ColumnsMoveByButtonsAndDoubleClicksAndOkStores)
{
    Window w;
    w.pick("lvAvailableCols", 0);
    w.click("cmdAddCol");
    w.click("cmdAddCol"); // the next available column is ready
    EXPECT_EQ(w.rows("lvSelectedCols"), QStringList({"Artist", "Title", "Category", "Awards", "Catalog Nbr"}));
    w.pick("lvAvailableCols", 0, true);
    EXPECT_EQ(w.rows("lvSelectedCols").last(), "Coll Nbr");
    w.pick("lvSelectedCols", 0, true);
    EXPECT_EQ(w.rows("lvAvailableCols").last(), "Artist");
    EXPECT_TRUE(w.get<QLineEdit>("edtColumnName")->text().isEmpty());

    w.pick("lvSelectedCols", 1);
    w.click("cmdMoveUp");
    EXPECT_EQ(w.rows("lvSelectedCols").mid(0, 2), QStringList({"Category", "Title"}));
    EXPECT_EQ(w.get<QTreeWidget>("lvSelectedCols")->currentItem()->text(0), "Category");
    w.click("cmdOK");
    EXPECT_FALSE(w.window.isVisible());
    EXPECT_EQ(w.viewColumns("Standard View"),
              QStringList({"Category", "Title", "Awards", "Catalog Nbr", "Coll Nbr"}));
    EXPECT_TRUE(w.entries().DBChanged);
}

TEST(ConfigureViewWindow, RowShowsItsWidthAndEnterAdjustsIt)
{
    Window w;
    w.pick("lvSelectedCols", 2);
    EXPECT_EQ(w.get<QLineEdit>("edtColumnName")->text(), "Category");
    EXPECT_EQ(w.get<QLineEdit>("edtCurrColWidth")->text(), "10");

    auto* edit = w.get<QLineEdit>("edtColumnWidth");
    edit->clear();
    QTest::keyClicks(edit, "15");
    QTest::keyClick(edit, Qt::Key_Return); // adjusts, does not close the window
    EXPECT_TRUE(w.window.isVisible());
    EXPECT_EQ(w.get<QLineEdit>("edtCurrColWidth")->text(), "15");
}

TEST(ConfigureViewWindow, EveryWayOfClosingKeepsTheEdits)
{
    for (const bool escape : {false, true}) {
        Window w;
        auto* heading = w.get<QLineEdit>("edtReportHeading");
        heading->selectAll();
        QTest::keyClicks(heading, "Shelf List ");
        w.pick("lvSelectedCols", 0);
        w.click("cmdDelCol");
        if (escape)
            QTest::keyClick(&w.window, Qt::Key_Escape);
        else
            w.window.close();
        EXPECT_FALSE(w.window.isVisible());
        EXPECT_EQ(w.window.result(), QDialog::Accepted);
        EXPECT_EQ(w.viewColumns("Standard View"), QStringList({"Title", "Category"}));
        EXPECT_EQ(w.entries().CurrView()->ReportHeading, "Shelf List");
    }
}

TEST(ConfigureViewWindow, OpensAtTheSizeItWasLeftAt)
{
    TwoViews w;
    QSize left;
    {
        frmConfigureView first(w.context);
        first.show();
        first.resize(first.width() + 40, first.height() + 30);
        left = first.size();
        first.accept();
    }
    frmConfigureView second(w.context);
    EXPECT_EQ(second.size(), left);
}

TEST(ConfigureViewWindow, ChoosingAViewStoresTheEditsFirst)
{
    Window w;
    w.pick("lvSelectedCols", 0);
    QTest::keyClick(w.get<QTreeWidget>("lvSelectedCols"), Qt::Key_Delete);
    auto* combo = w.get<QComboBox>("cmbViewName");
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down); // a keyboard choice, as a user makes it
    EXPECT_EQ(combo->currentText(), "Costs");
    EXPECT_EQ(w.entries().CurrView()->ViewName, "Costs");
    EXPECT_EQ(w.rows("lvSelectedCols"), QStringList({"Cost"}));
}

TEST(ConfigureViewWindow, NewViewPromptAddsTheView)
{
    Window w;
    test::whenModal([&](QWidget* prompt) {
        auto* name = test::child<QLineEdit>(prompt, "edtViewName");
        QTest::keyClicks(name, " standard view ");
        QTest::keyClick(name, Qt::Key_Return);
        EXPECT_EQ(w.messages.last().title, "Duplicate View Name");
        name->setText(" Shelf ");
        QTest::mouseClick(test::child<QPushButton>(prompt, "cmdOK"), Qt::LeftButton);
    }, "frmNewView");
    w.click("cmdNewView");
    EXPECT_TRUE(test::allModalsHandled());
    EXPECT_EQ(w.get<QComboBox>("cmbViewName")->currentText(), "Shelf");
    EXPECT_TRUE(w.rows("lvSelectedCols").isEmpty());
}

TEST(ConfigureViewWindow, DeleteViewAsksThenShowsTheOtherView)
{
    Window w;
    w.messages.answer(MsgAnswer::Yes);
    w.click("cmdDeleteView");
    EXPECT_EQ(w.messages.last().title, "About to delete view");
    EXPECT_EQ(w.get<QComboBox>("cmbViewName")->count(), 1);
    EXPECT_EQ(w.get<QComboBox>("cmbViewName")->currentText(), "Costs");
    EXPECT_EQ(w.rows("lvSelectedCols"), QStringList({"Cost"}));
}
