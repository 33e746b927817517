// The search window, offscreen, by objectName.
#include "EntryTestSupport.h"
#include "model/FieldLimits.h"
#include "ui/common/TextLimit.h"
#include "ui/entry/SearchRequest.h"
#include "ui/entry/frmCDSearch.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace vinaxo;
using test::child;

namespace {
struct SearchTest : ::testing::Test {
    test::EntryWorld w;
    frmCDSearch win{w.context};
    void SetUp() override { win.show(); }
    template <class T>
    T* c(const char* name) { return child<T>(&win, name); }
    std::vector<QCheckBox*> fieldBoxes()
    {
        std::vector<QCheckBox*> out;
        for (const SearchFieldFlag& f : SearchFieldFlags())
            out.push_back(c<QCheckBox>(f.box));
        return out;
    }
};
}

TEST_F(SearchTest, SetAllAndClearAllLeaveCaseSensitiveAlone)
{
    auto* all = c<QCheckBox>("CHK_SearchAll");
    c<QCheckBox>("CHK_SearchCase")->setChecked(true);
    all->click();
    EXPECT_EQ(all->text(), "Clear &All");
    for (QCheckBox* b : fieldBoxes())
        EXPECT_TRUE(b->isChecked()) << b->objectName().toStdString();
    all->click();
    EXPECT_EQ(all->text(), "Set &All");
    for (QCheckBox* b : fieldBoxes())
        EXPECT_FALSE(b->isChecked()) << b->objectName().toStdString();
    EXPECT_TRUE(c<QCheckBox>("CHK_SearchCase")->isChecked());
}

TEST_F(SearchTest, NoTypeTickedKeepsTheWindowOpen)
{
    c<QPushButton>("PB_Search")->click();
    EXPECT_EQ(w.messages.last().text, "You must select a Search Type");
    EXPECT_TRUE(win.isVisible());
    EXPECT_FALSE(w.ws->filterOn);
    EXPECT_EQ(w.windows.activationChecks, 0);
}

TEST_F(SearchTest, SearchWritesTheSelectionAndAsksForTheFilteredList)
{
    // Which box sets which flag is SearchRequest's; here, that the window hands it over.
    c<QLineEdit>("TX_SearchField")->setText("  blue ");
    c<QCheckBox>("RB_TypeCategory")->setChecked(true);
    c<QComboBox>("CMB_CDCategory")->setCurrentText("Jazz");
    c<QCheckBox>("CHK_SearchYear")->setChecked(true);
    c<QLineEdit>("TX_SearchField")->setFocus();
    QTest::keyClick(c<QLineEdit>("TX_SearchField"), Qt::Key_Return); // the default button
    const CEntrySelection& s = w.ws->selection;
    EXPECT_EQ(s.SearchString, "  blue ");
    EXPECT_TRUE(s.SearchTypeCategory && s.SearchYear);
    EXPECT_EQ(s.SearchCategory, "Jazz");
    EXPECT_TRUE(w.ws->filterOn && w.ws->rebuildList);
    EXPECT_FALSE(win.isVisible());
    EXPECT_EQ(w.windows.activationChecks, 1);
}

// The lists were filled once, so a category added later could not be searched for.
TEST_F(SearchTest, ListsFollowTheCollectionAndKeepTheChoice)
{
    c<QComboBox>("CMB_CDCategory")->setCurrentText("Jazz");
    c<QPushButton>("PB_Close")->click();
    EXPECT_FALSE(win.isVisible());
    w.entries().AddNewCategory(QStringLiteral("Blues"));
    win.show();
    EXPECT_GE(c<QComboBox>("CMB_CDCategory")->findText("Blues"), 0);
    EXPECT_EQ(c<QComboBox>("CMB_CDCategory")->currentText(), "Jazz");
}

// A search text longer than any field holds was cut unseen.
TEST_F(SearchTest, LongPasteIsCutWithANotice)
{
    auto* box = c<QLineEdit>("TX_SearchField");
    box->insert(QString(40000, u'n'));
    EXPECT_EQ(box->text().size(), MaxStoredTextLength);
    const auto* limit = box->findChild<TextLimit*>();
    ASSERT_NE(limit, nullptr);
    EXPECT_EQ(limit->cuts(), 1);
}

