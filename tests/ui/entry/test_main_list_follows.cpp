// The main list follows the editor and the search: what the main window's controller
// makes of their notices and flags.
#include "EntryTestSupport.h"
#include "ui/entry/frmCDSearch.h"
#include "ui/entry/frmEntryDetail.h"
#include "ui/main/MainController.h"
#include "ui/main/MainListModel.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace vinaxo;
using test::child;

namespace {
struct FollowTest : ::testing::Test {
    test::EntryWorld w;
    MainListModel model;
    MainController controller{*w.ws, model, w.busy};
    void SetUp() override
    {
        w.entries().AddNewView(QStringLiteral("Standard View"));
        w.entries().CurrView()->AddNewColumn(127);
        for (const char* t : {"Blue Train", "Kind of Blue", "Giant Steps"})
            w.addRecording(QString::fromLatin1(t), QStringLiteral("Someone"));
        controller.rebuildList();
        w.entries().FirstRecord();
    }
    // The main window's side of EntryChanged, then its next activation.
    void mainWindowActivated()
    {
        for (const auto& [action, key] : w.windows.changes)
            controller.EntryChanged(action, key);
        w.windows.changes.clear();
        controller.activated();
    }
};
}

TEST_F(FollowTest, SearchShowsTheFilteredListWithItsHint)
{
    frmCDSearch search(w.context);
    search.show();
    child<QLineEdit>(&search, "TX_SearchField")->setText("blue");
    child<QCheckBox>(&search, "RB_TypeText")->setChecked(true);
    child<QCheckBox>(&search, "CHK_SearchTitle")->setChecked(true);
    child<QPushButton>(&search, "PB_Search")->click();
    ASSERT_EQ(w.windows.activationChecks, 1);
    mainWindowActivated();
    EXPECT_EQ(controller.hint(), "Records containing: blue");
    EXPECT_EQ(model.rowCount(), 2);
    EXPECT_TRUE(controller.filterDown());
}

TEST_F(FollowTest, EditorInsertAndDeleteReachTheList)
{
    frmEntryDetail editor(w.context, nullptr);
    editor.showEditor();
    child<QAction>(&editor, "Insert")->trigger();
    child<QPlainTextEdit>(&editor, "edtCDTitle")->setPlainText("A Love Supreme");
    child<QAction>(&editor, "Post")->trigger();
    mainWindowActivated();
    EXPECT_EQ(model.rowCount(), 4);
    EXPECT_GE(model.rowOfKey(w.entries().CurrEntry()->CDKey), 0);

    w.messages.answer(MsgAnswer::Yes);
    child<QAction>(&editor, "Delete")->trigger();
    mainWindowActivated();
    EXPECT_EQ(model.rowCount(), 3);
}
