#include <algorithm>
#include "exchange/FileChoice.h"
#include "exchange/DefinitionFile.h"
#include "platform/IMessageService.h"
#include "storage/FileCommands.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <memory>

namespace vinaxo::exchange {

namespace {
// Asks until `accept` takes a path (turned into its final form by `form`) or the user cancels.
template <class Form, class Accept>
std::optional<QString> choose(const AskPath& ask, Form form, Accept accept)
{
    while (const auto chosen = ask()) {
        const QString path = form(*chosen);
        if (accept(path))
            return path;
    }
    return std::nullopt;
}

QString asChosen(const QString& path) { return path; }
}

std::optional<QString> ChooseImportFile(const AskPath& ask, IMessageService& m)
{
    return choose(ask, asChosen, [&m](const QString& path) {
        if (QFileInfo(path).isFile())
            return true;
        m.show(QCoreApplication::translate("FileChoice",
                                           "This file does not exist.  You must choose another file name to open."),
               QCoreApplication::translate("FileChoice", "File Not Found"), MsgIcon::Critical);
        return false;
    });
}

QString ExportSavePath(const QString& chosen)
{
    const qsizetype slash = std::max(chosen.lastIndexOf(u'/'), chosen.lastIndexOf(u'\\'));
    if (chosen.indexOf(u'.', slash + 1) >= 0)
        return chosen;
    return chosen + QStringLiteral(".TXT");
}

std::optional<QString> ChooseExportFile(const AskPath& ask, IMessageService& m, bool addExtension)
{
    return choose(ask, addExtension ? ExportSavePath : asChosen, [&m](const QString& path) {
        return !QFileInfo::exists(path)
            || m.show(
                   QCoreApplication::translate("FileChoice",
                                               "This file already exists.  If you continue, you will write over the "
                                               "existing file.  Do you want to overwrite this file?"),
                   QCoreApplication::translate("FileChoice", "File Already Exists"), MsgIcon::Critical,
                   MsgButtons::YesNo, MsgDefault::Second)
            == MsgAnswer::Yes;
    });
}

std::optional<QString> ChooseFileToReplace(const AskPath& ask, IMessageService& m)
{
    return choose(ask, asChosen, [&m](const QString& path) { return ConfirmReplace(m, path); });
}

std::optional<QString> ChooseDefinitionSavePath(const AskPath& ask, IMessageService& m)
{
    return choose(ask, DefinitionSavePath, [&m](const QString& path) { return ConfirmReplace(m, path); });
}

AskPath AskOnce(const QString& path)
{
    auto asked = std::make_shared<bool>(false);
    return [path, asked]() -> std::optional<QString> {
        if (*asked)
            return std::nullopt;
        *asked = true;
        return path;
    };
}

} // namespace vinaxo::exchange
