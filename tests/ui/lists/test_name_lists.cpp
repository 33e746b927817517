#include "support/ModalDriver.h"
#include "support/UiWorld.h"
#include "history/CollectionHistory.h"
#include "model/Utility.h"
#include "ui/lists/frmCategoryList.h"
#include "ui/lists/frmCommonAdd.h"
#include "ui/lists/frmMediumList.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

using namespace vinaxo;
using test::shot;

namespace {

// What the tests need to know of each kind of list window.
struct Kind {
    bool medium;
    const char* window;
    const char* list;
    const char* text;
    const char* add;
    const char* del;
    const char* addFail;
    const char* addFailTitle;
    const char* deleteFail; // %1 is the name
    const char* deleteFailTitle;
    const char* inUse;      // a default name, and another letter case of it
    const char* inUseOtherCase;
};

const Kind kKinds[] = {
    {false, "frmCategoryList", "lvCategories", "txtCategory", "cmdAddCategory", "cmdDeleteCategory",
     "Unable to add the new category to the list because it already exists.",
     "Error Adding Category",
     "Unable to delete category %1 because it is in use by one or more entries. You need to change "
     "these entries to use a different category before you can delete this category.",
     "Error Deleting Category", "Rock", "ROCK"},
    {true, "frmMediumList", "lvMediums", "txtMedium", "cmdAddMedium", "cmdDeleteMedium",
     "Unable to add the new Medium to the list because it already exists.",
     "Error Adding Medium",
     "Unable to delete Medium %1 because it is in use by one or more entries. You need to change "
     "these entries to use a different Medium before you can delete this Medium.",
     "Error Deleting Medium", "Cassette", "cassette"},
};

class NameListWindow : public testing::TestWithParam<Kind> {
protected:
    const Kind& k = GetParam();
    test::UiWorld w;
    std::unique_ptr<frmNameList> window;

    void open(bool defaults = true)
    {
        if (defaults) {
            LoadDefaultCategories(w.entries());
            LoadDefaultMediums(w.entries());
            w.entries().DBChanged = false;
        }
        if (k.medium)
            window = std::make_unique<frmMediumList>(w.context);
        else
            window = std::make_unique<frmCategoryList>(w.context);
        window->show();
    }
    template <class W>
    W* get(const char* name) { return test::child<W>(window.get(), name); }
    QStringList rows() { return test::columnTexts(get<QTreeWidget>(k.list)); }
    QString shown() { return get<QLineEdit>(k.text)->text(); }
    QString current() { return get<QTreeWidget>(k.list)->currentItem()->text(0); }
    const NameList& names() { return k.medium ? w.entries().MediumEntries() : w.entries().CategoryEntries(); }
    bool refill() { return k.medium ? w.ws->refillMediums : w.ws->refillCategories; }
    void select(const QString& name)
    {
        auto* l = get<QTreeWidget>(k.list);
        const auto found = l->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(found[0]).center());
    }
    void click(const char* name) { QTest::mouseClick(get<QPushButton>(name), Qt::LeftButton); }
    void expectOnly(const QString& text, const char* title)
    {
        ASSERT_EQ(w.messages.count(), 1u);
        test::expectMessage(w.messages.last(), {text, title, MsgIcon::Critical});
    }
    // Adds through the prompt: types `typed` and presses OK (or Cancel).
    void addThroughPrompt(const QString& typed, bool ok = true)
    {
        test::whenModal([&](QWidget* prompt) {
            QTest::keyClicks(test::child<QLineEdit>(prompt, "txtNewItem"), typed);
            QTest::mouseClick(test::child<QPushButton>(prompt, ok ? "cmdOK" : "cmdCancel"), Qt::LeftButton);
        }, "frmCommonAdd");
        click(k.add);
        EXPECT_TRUE(test::allModalsHandled());
    }
};

} // namespace

TEST_P(NameListWindow, ListsTheNamesButTheDeletedOnes)
{
    names(); // world built
    if (k.medium)
        w.entries().AddNewMedium(QStringLiteral("**DELETED**"));
    else
        w.entries().AddNewCategory(QStringLiteral("**DELETED**"));
    open();
    QStringList expected;
    for (const auto& item : names())
        expected << item.value;
    expected.removeAll("**DELETED**");
    EXPECT_EQ(rows(), expected);
    EXPECT_EQ(current(), expected.first());
    EXPECT_EQ(shown(), expected.first());
    select(expected.at(2));
    EXPECT_EQ(shown(), expected.at(2));

    shot(window.get(), QString::fromLatin1(k.window) + ".png");
}

TEST_P(NameListWindow, NameInUseInAnotherLetterCaseIsNotDeleted)
{
    CEntry* e = w.addRecording("Album");
    (k.medium ? e->CDMedium : e->CDCategory) = QString::fromLatin1(k.inUseOtherCase);
    open();
    const QStringList before = rows();
    select(k.inUse);
    click(k.del);
    expectOnly(QString::fromLatin1(k.deleteFail).arg(k.inUse), k.deleteFailTitle);
    EXPECT_EQ(rows(), before);
    EXPECT_FALSE(w.entries().DBChanged);
    EXPECT_FALSE(refill());
}

TEST_P(NameListWindow, UnusedNameIsDeletedByButtonOrDeleteKey)
{
    open();
    const QStringList before = rows();
    select(before.at(1));
    click(k.del);
    EXPECT_EQ(rows(), before.mid(0, 1) + before.mid(2));
    EXPECT_EQ(shown(), before.first());
    EXPECT_TRUE(w.entries().DBChanged);
    EXPECT_TRUE(refill());

    select(before.at(2));
    QTest::keyClick(get<QTreeWidget>(k.list), Qt::Key_Delete);
    EXPECT_EQ(rows(), before.mid(0, 1) + before.mid(3));
}

// Each deletion is a step of the history, named after the list's button and the name.
TEST_P(NameListWindow, ADeletionCanBeTakenBack)
{
    CollectionHistory h(*w.ws);
    open();
    h.clear(); // the defaults were there before
    w.ws->history = &h;
    const QStringList before = rows();
    select(before.at(1));
    click(k.del);
    EXPECT_EQ(h.stack().undoText(), get<QPushButton>(k.del)->text().remove(u'&') + " '" + before.at(1) + "'");
    h.stack().undo();
    EXPECT_EQ(ListedNames(names()), before);
    w.ws->history = nullptr;
}

TEST_P(NameListWindow, DeletingFromAnEmptyListShowsTheInUseMessage)
{
    open(false);
    EXPECT_TRUE(rows().isEmpty());
    EXPECT_TRUE(shown().isEmpty());
    click(k.del);
    expectOnly(QString::fromLatin1(k.deleteFail).arg(QString()), k.deleteFailTitle);
}

TEST_P(NameListWindow, AddedNameIsTrimmedSelectedAndShown)
{
    open();
    addThroughPrompt("  Zydeco ");
    EXPECT_EQ(rows().last(), "Zydeco");
    EXPECT_EQ(shown(), "Zydeco");
    EXPECT_TRUE(refill());
}

TEST_P(NameListWindow, DuplicateOrCancelledAddChangesNothing)
{
    open();
    const QStringList before = rows();
    addThroughPrompt(QStringLiteral(" ") + QString::fromLatin1(k.inUseOtherCase));
    expectOnly(k.addFail, k.addFailTitle);
    EXPECT_EQ(rows(), before);

    w.messages.clear();
    addThroughPrompt("Zydeco", false);
    EXPECT_EQ(rows(), before);
    EXPECT_EQ(w.messages.count(), 0u);
    EXPECT_FALSE(w.entries().DBChanged);
    EXPECT_FALSE(refill());
}

INSTANTIATE_TEST_SUITE_P(Kinds, NameListWindow, testing::ValuesIn(kKinds),
                         [](const auto& param) { return std::string(param.param.medium ? "Medium" : "Category"); });

TEST(CommonAddWindow, BlankNameCannotBeConfirmed)
{
    frmCommonAdd prompt;
    prompt.setDescription("Category");
    auto* ok = test::child<QPushButton>(&prompt, "cmdOK");
    auto* text = test::child<QLineEdit>(&prompt, "txtNewItem");
    test::whenModal([&](QWidget*) {
        EXPECT_FALSE(ok->isEnabled());
        QTest::keyClicks(text, "   ");
        EXPECT_FALSE(ok->isEnabled());
        QTest::keyClick(text, Qt::Key_Return); // nothing: the default button is disabled
        EXPECT_TRUE(prompt.isVisible());
        QTest::keyClicks(text, "x");
        EXPECT_TRUE(ok->isEnabled());
        shot(&prompt, "frmCommonAdd.png");
        QTest::keyClick(text, Qt::Key_Return);
    });
    prompt.exec();
    EXPECT_TRUE(prompt.Result());
    EXPECT_EQ(prompt.NewItem(), "x");

    frmCommonAdd cancelled;
    test::whenModal([](QWidget* p) {
        QTest::keyClicks(test::child<QLineEdit>(p, "txtNewItem"), "Rock");
        QTest::keyClick(p, Qt::Key_Escape);
    });
    cancelled.exec();
    EXPECT_FALSE(cancelled.Result());
}

// A name longer than the collection file can hold was cut unseen when the file was written.
TEST(CommonAddWindow, AnOverlongNameIsCutWhenPasted)
{
    frmCommonAdd prompt;
    auto* text = test::child<QLineEdit>(&prompt, "txtNewItem");
    text->insert(QString(40000, u'n'));
    EXPECT_EQ(text->text().size(), 32767);
    EXPECT_EQ(prompt.NewItem().size(), 32767);
}
