#include "ExchangeTestSupport.h"
#include "exchange/FileChoice.h"
#include "support/TestWorld.h"

#include <deque>

using namespace vinaxo;
using namespace vinaxo::exchange;

namespace {
// A file dialog answering the scripted names (inside the test folder) in turn, then cancelling.
struct Dialog {
    const QTemporaryDir& dir;
    std::deque<QString> names;
    int shown = 0;
    AskPath ask()
    {
        return [this]() -> std::optional<QString> {
            ++shown;
            if (names.empty())
                return std::nullopt;
            const QString name = names.front();
            names.pop_front();
            return dir.filePath(name);
        };
    }
};

const QString overwrite = "This file already exists.  If you continue, you will write over the existing file.  "
                          "Do you want to overwrite this file?";
const QString replace = "This file already exists.  Do you want to replace the existing file?";
const QString notFound = "This file does not exist.  You must choose another file name to open.";
}

TEST(FileChoice, AsksUntilAcceptedOrCancelled)
{
    using Choose = std::optional<QString> (*)(const AskPath&, IMessageService&);
    // The window's export dialog: a name typed without an extension was saved without ".TXT".
    const Choose exportPlain = [](const AskPath& a, IMessageService& m) { return ChooseExportFile(a, m); };
    const Choose exportDialog = [](const AskPath& a, IMessageService& m) { return ChooseExportFile(a, m, true); };
    const struct {
        const char* what;
        Choose choose;
        std::vector<QString> names;      // the dialog's answers; a cancel follows
        std::vector<MsgAnswer> answers;  // the questions' answers
        QString chosen;                  // empty: nothing chosen
        int dialogs;
        QStringList messages;
    } cases[] = {
        {"import, existing", ChooseImportFile, {"old.txt"}, {}, "old.txt", 1, {}},
        {"import, missing then existing", ChooseImportFile, {"new.txt", "old.txt"}, {}, "old.txt", 2, {notFound}},
        {"import, cancelled", ChooseImportFile, {}, {}, "", 1, {}},
        {"export, new file", exportPlain, {"new.txt"}, {}, "new.txt", 1, {}},
        {"export, existing, Yes", exportPlain, {"old.txt"}, {MsgAnswer::Yes}, "old.txt", 1, {overwrite}},
        {"export, existing, No, then new", exportPlain, {"old.txt", "new.txt"}, {MsgAnswer::No}, "new.txt", 2,
         {overwrite}},
        {"export, existing, default No, cancelled", exportPlain, {"old.txt"}, {}, "", 2, {overwrite}},
        {"export dialog, extension added", exportDialog, {"out"}, {}, "out.TXT", 1, {}},
        {"export dialog, extension kept", exportDialog, {"out.csv"}, {}, "out.csv", 1, {}},
        {"export dialog, existing after the extension", exportDialog, {"old.IDF"}, {MsgAnswer::Yes}, "old.IDF", 1,
         {overwrite}},
        {"any file, existing, Yes", ChooseFileToReplace, {"old.txt"}, {MsgAnswer::Yes}, "old.txt", 1, {replace}},
        {"any file, existing, No, cancelled", ChooseFileToReplace, {"old.txt"}, {MsgAnswer::No}, "", 2, {replace}},
        {"definition, extension added", ChooseDefinitionSavePath, {"defs"}, {}, "defs.IDF", 1, {}},
        {"definition, replaced extension exists, No", ChooseDefinitionSavePath, {"old.txt", "defs.idf"},
         {MsgAnswer::No}, "defs.idf", 2, {replace}},
        {"definition, existing, Yes", ChooseDefinitionSavePath, {"old"}, {MsgAnswer::Yes}, "old.IDF", 1, {replace}},
    };
    for (const auto& c : cases) {
        test::TestWorld w;
        test::writeFile(w.dir.filePath("old.txt"), {});
        test::writeFile(w.dir.filePath("old.IDF"), {});
        for (MsgAnswer a : c.answers)
            w.messages.answer(a);
        Dialog dialog{w.dir, {c.names.begin(), c.names.end()}};
        const auto chosen = c.choose(dialog.ask(), w.messages);
        EXPECT_EQ(chosen.value_or(QString()), c.chosen.isEmpty() ? QString() : w.dir.filePath(c.chosen)) << c.what;
        EXPECT_EQ(dialog.shown, c.dialogs) << c.what;
        EXPECT_EQ(w.messages.texts(), c.messages) << c.what;
        for (const auto& m : w.messages.messages()) {
            EXPECT_EQ(m.buttons, m.text == notFound ? MsgButtons::OK : MsgButtons::YesNo) << c.what;
            if (m.buttons == MsgButtons::YesNo) {
                EXPECT_EQ(m.defaultButton, MsgDefault::Second) << c.what;
            }
        }
    }
}

TEST(FileChoice, AskOnceAnswersOnce)
{
    const AskPath ask = AskOnce("a.txt");
    EXPECT_EQ(ask(), QString("a.txt"));
    EXPECT_EQ(ask(), std::nullopt);
}
