// The import/export window driven as a user would: by control names, with scripted
// messages and file dialogs.
#include "exchange/ExchangeState.h"
#include "model/ListOrder.h"
#include "support/UiWorld.h"
#include "ui/exchange/frmCDIMPDES.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

using namespace vinaxo;
using test::child;
using test::readFile;
using test::writeFile;

namespace {
struct Window {
    test::UiWorld& w;
    frmCDIMPDES window;
    explicit Window(test::UiWorld& world) : w(world), window(world.context) { window.show(); }

    template <class W>
    W* get(const char* name) { return child<W>(&window, name); }
    void click(const char* name) { QTest::mouseClick(get<QPushButton>(name), Qt::LeftButton); }
    QStringList items(const char* list)
    {
        QStringList out;
        for (int i = 0; i < get<QListWidget>(list)->count(); ++i)
            out << get<QListWidget>(list)->item(i)->text();
        return out;
    }
    void select(const char* list, const QString& text)
    {
        auto found = get<QListWidget>(list)->findItems(text, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << text.toStdString();
        get<QListWidget>(list)->setCurrentItem(found.front());
    }
    void addFields(const QStringList& names)
    {
        for (const QString& n : names) {
            select("LB_FieldList", n);
            click("PB_AddCol");
        }
    }
    QStringList log()
    {
        QStringList out;
        auto* model = get<QListView>("LB_Messages")->model();
        for (int r = 0; r < model->rowCount(); ++r)
            out << model->index(r, 0).data().toString();
        return out;
    }
    // Start clicked, then the run waited for (it goes on in slices).
    void run()
    {
        click("PB_Import");
        EXPECT_TRUE(QTest::qWaitFor([this] { return !window.isRunning(); }, 20000));
    }
    void chooseDataFile(const QString& path)
    {
        w.dialogs.choose(path);
        click("PB_SelectFile");
    }
    void shot(const char* name) { test::shot(&window, QLatin1String(name) + QStringLiteral(".png")); }
};

const QString kDuplicate = "Field is already selected.  Duplicate fields within the import file are not allowed.";
const QString kSelectItem = "An item must be selected before you can delete it from the list.";
} // namespace

TEST(ExchangeWindow, OpensWithCatalogueDefaultsAndImportDirection)
{
    test::UiWorld w;
    Window x(w);
    EXPECT_EQ(x.items("LB_FieldList").size(), 25);
    EXPECT_TRUE(x.get<QRadioButton>("RB_Import")->isChecked());
    EXPECT_EQ(x.get<QPushButton>("PB_Import")->text(), "&Start Import");
    QTest::mouseClick(x.get<QRadioButton>("RB_Export"), Qt::LeftButton);
    EXPECT_EQ(x.get<QPushButton>("PB_Import")->text(), "&Start Export");
    EXPECT_EQ(w.exchangeState.direction, u'E');
    x.shot("exchange-open");
}

TEST(ExchangeWindow, FieldListEditingAndItsMessages)
{
    test::UiWorld w;
    Window x(w);
    x.click("PB_AddCol"); // nothing selected: nothing happens
    EXPECT_TRUE(x.items("LB_RptColList").isEmpty());
    x.addFields({"Title", "Artist", "Title"});
    EXPECT_TRUE(test::onlyMessage(w.messages, kDuplicate, "Field already selected", MsgIcon::Critical));
    EXPECT_EQ(x.items("LB_RptColList"), (QStringList{"Title", "Artist"}));
    EXPECT_TRUE(w.exchangeState.definitionChanged);

    // A double click adds too.
    auto* available = x.get<QListWidget>("LB_FieldList");
    QListWidgetItem* time = available->findItems("Time", Qt::MatchExactly).front();
    available->setCurrentItem(time);
    available->scrollToItem(time);
    const QPoint at = available->visualItemRect(time).center();
    QTest::mouseClick(available->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(available->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(x.items("LB_RptColList"), (QStringList{"Title", "Artist", "Time"}));

    w.messages.clear();
    x.get<QListWidget>("LB_RptColList")->clearSelection();
    x.click("PB_DelCol");
    EXPECT_TRUE(test::onlyMessage(w.messages, kSelectItem, "Select an item", MsgIcon::Information));
    EXPECT_EQ(x.items("LB_RptColList").size(), 3);

    // Delete twice: the next item is selected after each.
    w.messages.clear();
    x.select("LB_RptColList", "Artist");
    x.click("PB_DelCol");
    x.click("PB_DelCol");
    EXPECT_EQ(x.items("LB_RptColList"), QStringList{"Title"});
    EXPECT_EQ(w.messages.count(), 0u);
    EXPECT_EQ(w.exchangeState.table.Names(), QStringList{"Title"});

    x.click("PB_Clear");
    EXPECT_TRUE(x.items("LB_RptColList").isEmpty());
    EXPECT_TRUE(w.exchangeState.table.isEmpty());
}

TEST(ExchangeWindow, DefinitionSavedAndOpenedBack)
{
    test::UiWorld w;
    Window x(w);
    x.addFields({"Title", "Artist", "Track Titles/Times"});
    w.dialogs.choose(w.dir.filePath("mine"));
    x.click("PB_SaveDef");
    const QString saved = w.dir.filePath("mine.IDF");
    EXPECT_EQ(QFile(saved).size(), 87);
    EXPECT_FALSE(w.exchangeState.definitionChanged);
    ASSERT_EQ(w.dialogs.calls().size(), 1u);
    EXPECT_TRUE(w.dialogs.calls()[0].save);
    EXPECT_EQ(w.dialogs.calls()[0].request.filters, (QStringList{"Import/Export Def(*.IDF)", "All Files (*.*)"}));

    x.click("PB_Clear");
    x.addFields({"Rel Year"});
    w.dialogs.choose(saved);
    x.click("PB_OpenDef");
    EXPECT_EQ(x.items("LB_RptColList"), (QStringList{"Title", "Artist", "Track Titles/Times"}));
    EXPECT_FALSE(w.exchangeState.definitionChanged);
    EXPECT_EQ(w.exchangeState.definitionFileName, "mine.IDF");
}

// Mend: a refused file leaves the list as it was.
TEST(ExchangeWindow, WrongMarkIsRefused)
{
    test::UiWorld w;
    Window x(w);
    x.addFields({"Title", "Artist"});
    const QString notOurs = w.dir.filePath("collection.DAT");
    writeFile(notOurs, QByteArray(120, 'x'));
    w.dialogs.choose(notOurs);
    x.click("PB_OpenDef");
    EXPECT_TRUE(test::onlyMessage(w.messages, "This is not a Vinaxo file.  Please choose another file.",
                                  "Wrong File Type", MsgIcon::Critical));
    EXPECT_EQ(x.items("LB_RptColList"), (QStringList{"Title", "Artist"}));
    EXPECT_EQ(w.busy.busy, 1);
    EXPECT_EQ(w.busy.normal, 1);
}

TEST(ExchangeWindow, ImportOfASmallFile)
{
    test::UiWorld w;
    Window x(w);
    const QString in = w.dir.filePath("in.txt");
    writeFile(in, "\"Night Songs\",\"Harbour Quartet\",7\r\n\"Day Songs\",\"Harbour Quartet\",11\r\n");
    x.chooseDataFile(in);
    EXPECT_EQ(x.get<QLineEdit>("TX_FileName")->text(), "in.txt");

    x.addFields({"Title", "Artist", "Sound"});
    w.messages.clear();
    x.run();
    EXPECT_EQ(x.log(), (QStringList{"---Now Starting Import of " + in + "---",
                                    "Record 2, Sound Rating must be between 0 and 10:  11",
                                    "---Import Complete - Total records read: 2---"}));
    EXPECT_EQ(x.get<QLineEdit>("TX_Count")->text(), "2");
    EXPECT_EQ(w.messages.count(), 0u);
    ASSERT_EQ(w.entries().Count(), 2);
    EXPECT_EQ(w.entries().Entries().at(0)->CDRateSound, 7);
    EXPECT_TRUE(w.ws->rebuildList);
    EXPECT_EQ(x.get<QPushButton>("PB_Close")->text(), "C&lose");
    EXPECT_TRUE(x.get<QPushButton>("PB_Import")->isEnabled());

    // The main window hears about it when the window closes.
    EXPECT_EQ(w.windows.activationChecks, 0);
    x.click("PB_Close");
    EXPECT_FALSE(x.window.isVisible());
    EXPECT_EQ(w.windows.activationChecks, 1);
}

TEST(ExchangeWindow, Export)
{
    test::UiWorld w;
    w.addRecording("Night Songs", "Harbour Quartet");
    w.addRecording("Day Songs", "Able, Baker");
    RebuildSequence(w.sequence(), ListOrder(w.entries(), ListSort{127, true}));
    Window x(w);
    QTest::mouseClick(x.get<QRadioButton>("RB_Export"), Qt::LeftButton);
    const QString out = w.dir.filePath("out.txt");
    writeFile(out, "old contents that are replaced\r\n");
    w.messages.answer(MsgAnswer::Yes);
    x.chooseDataFile(out);
    EXPECT_EQ(w.messages.last().title, "File Already Exists");
    EXPECT_TRUE(w.dialogs.calls().back().save);
    x.addFields({"Title", "Artist", "Nbr Discs"});
    x.run();
    EXPECT_EQ(readFile(out), "\"Night Songs\",\"Harbour Quartet\",1\r\n\"Day Songs\",\"Able, Baker\",1\r\n");
    EXPECT_EQ(x.log(), (QStringList{"---Now Starting Export to " + out + "---",
                                    "---Export Complete - Total records written: 2---"}));
    EXPECT_EQ(x.get<QLineEdit>("TX_Count")->text(), "2");
    x.click("PB_Close");
    EXPECT_EQ(w.windows.activationChecks, 0); // an export changes no list
}

// CANCEL, Escape and the title bar's close all stop a running import; the window stays.
TEST(ExchangeWindow, CancelDuringARun)
{
    enum class How { Button, Escape, CloseBox };
    QByteArray text;
    for (int i = 0; i < 60000; ++i)
        text += "T" + QByteArray::number(i) + ",A\r\n";
    for (How how : {How::Button, How::Escape, How::CloseBox}) {
        test::UiWorld w;
        const QString in = w.dir.filePath("many.txt");
        writeFile(in, text);
        Window x(w);
        x.window.setRunSlice(std::chrono::milliseconds(1)); // caught under way on any machine
        x.chooseDataFile(in);
        x.addFields({"Title", "Artist"});
        x.click("PB_Import");
        EXPECT_TRUE(x.window.isRunning());
        EXPECT_EQ(x.get<QPushButton>("PB_Close")->text(), "CANCEL");
        for (const char* name : {"PB_Import", "PB_SelectFile", "PB_OpenDef"})
            EXPECT_FALSE(x.get<QPushButton>(name)->isEnabled()) << name;
        EXPECT_FALSE(x.get<QListWidget>("LB_RptColList")->isEnabled());
        EXPECT_FALSE(x.get<QRadioButton>("RB_Export")->isEnabled());
        // Stopped from the event loop between two slices, as a user would, once the count
        // shows records read: a wait that only polled could see a fast run end first.
        bool stopped = false;
        QTimer between;
        QObject::connect(&between, &QTimer::timeout, [&] {
            const QString count = x.get<QLineEdit>("TX_Count")->text();
            if (stopped || count.isEmpty() || count == "1")
                return;
            stopped = true;
            if (how == How::Button)
                x.click("PB_Close");
            else if (how == How::Escape)
                QTest::keyClick(&x.window, Qt::Key_Escape);
            else
                x.window.close();
        });
        between.start(0);
        ASSERT_TRUE(QTest::qWaitFor([&] { return stopped; }));
        EXPECT_FALSE(x.window.isRunning());
        const int read = w.entries().Count();
        EXPECT_GT(read, 0);
        EXPECT_LT(read, 60000);
        EXPECT_EQ(x.log().mid(1), (QStringList{"IMPORT CANCELLED BY OPERATOR",
                                               QString("---Import Complete - Total records read: %1---").arg(read)}));
        EXPECT_TRUE(x.window.isVisible());
        EXPECT_EQ(x.get<QPushButton>("PB_Close")->text(), "C&lose");
        EXPECT_TRUE(x.get<QPushButton>("PB_Import")->isEnabled());
    }
}

// A question asked inside a slice (a rejected track time) is answered and the run goes
// on from where it was, each record read once.
TEST(ExchangeWindow, QuestionDuringARun)
{
    test::UiWorld w;
    Window x(w);
    const QString in = w.dir.filePath("in.txt");
    writeFile(in, "A,X,\"a;b\",\"3:00;9:99\"\r\nB,X,c,1:00\r\nC,X,d,8:88\r\nD,X,e,2:00\r\n");
    x.chooseDataFile(in);
    x.addFields({"Title", "Artist", "Track Titles/Times"});
    w.messages.clear();
    x.run();
    EXPECT_EQ(w.messages.count(), 2u);
    EXPECT_EQ(w.messages.last().title, "Invalid Track Time");
    QStringList titles;
    for (const auto& e : w.entries().Entries())
        titles << e.value->CDTitle;
    EXPECT_EQ(titles, (QStringList{"A", "B", "C", "D"}));
    EXPECT_EQ(x.log().last(), "---Import Complete - Total records read: 4---");
}

TEST(ExchangeWindow, CloseAndReopenKeepsFieldsNotTheDataFile)
{
    test::UiWorld w;
    {
        Window x(w);
        QTest::mouseClick(x.get<QRadioButton>("RB_Export"), Qt::LeftButton);
        x.chooseDataFile(w.dir.filePath("out.txt"));
        x.addFields({"Artist", "Title"});
        x.get<QLineEdit>("TX_FieldDelimiter")->setText("|");
        x.click("PB_Close");
    }
    Window again(w);
    EXPECT_EQ(again.items("LB_RptColList"), (QStringList{"Artist", "Title"}));
    EXPECT_TRUE(again.get<QRadioButton>("RB_Export")->isChecked());
    EXPECT_TRUE(again.get<QLineEdit>("TX_FileName")->text().isEmpty());
    EXPECT_TRUE(w.exchangeState.dataFilePath.isEmpty());
    EXPECT_EQ(again.get<QLineEdit>("TX_FieldDelimiter")->text(), ",");
    // Unsaved fields stay unsaved: the main window asks about them at shut-down.
    EXPECT_TRUE(w.exchangeState.definitionChanged);
}

// Mend: equal delimiters are refused at the start, nothing read (the rules are the
// start check's; this shows the boxes reach it).
TEST(ExchangeWindow, DelimitersCheckedAtTheStart)
{
    test::UiWorld w;
    Window x(w);
    const QString in = w.dir.filePath("in.txt");
    writeFile(in, "\"a\",\"b\"\r\n");
    x.chooseDataFile(in);
    x.addFields({"Title", "Artist"});
    x.get<QLineEdit>("TX_TrackDelimiter")->setText("\"");
    w.messages.clear();
    x.click("PB_Import");
    ASSERT_EQ(w.messages.count(), 1u);
    EXPECT_EQ(w.messages.last().title, "Delimiters must differ");
    EXPECT_TRUE(x.log().isEmpty());
    EXPECT_EQ(w.entries().Count(), 0);
}

TEST(ExchangeWindow, LogCopiedAndSaved)
{
    test::UiWorld w;
    Window x(w);
    const QString in = w.dir.filePath("in.txt");
    writeFile(in, "\"a\",\"b\",x\r\n");
    x.chooseDataFile(in);
    x.addFields({"Title", "Artist", "Perform"});
    x.run();
    ASSERT_EQ(x.log().size(), 3);
    x.shot("exchange-after-import");

    auto* view = x.get<QListView>("LB_Messages");
    view->setFocus();
    view->selectionModel()->select(view->model()->index(2, 0), QItemSelectionModel::Select);
    view->selectionModel()->select(view->model()->index(1, 0), QItemSelectionModel::Select);
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), x.log()[1] + "\n" + x.log()[2] + "\n");

    const QString saved = w.dir.filePath("log.txt");
    w.dialogs.choose(saved);
    view->findChild<QAction*>("actSaveLog")->trigger();
    EXPECT_EQ(QString::fromUtf8(readFile(saved)), x.log().join("\n") + "\n");
}
