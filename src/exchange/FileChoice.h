#pragma once
// Choosing the files of the import/export window: the data file for either direction and
// the name a definition is saved under, each with its question or message. The window
// asks through its file dialog, the command line with the path it was given.
#include <QString>
#include <functional>
#include <optional>

namespace vinaxo {
class IMessageService;
}

namespace vinaxo::exchange {

// Shows the file dialog once: the chosen path, or nothing when cancelled.
using AskPath = std::function<std::optional<QString>()>;

// Import: a path that does not exist gives "File Not Found" and the dialog again.
std::optional<QString> ChooseImportFile(const AskPath& ask, IMessageService& messages);
// Export: an existing file is taken only when "File Already Exists" is answered Yes;
// on No the dialog comes again. With addExtension (the window's dialog) a name typed
// without an extension gets ".TXT" (ExportSavePath) before it is checked.
std::optional<QString> ChooseExportFile(const AskPath& ask, IMessageService& messages, bool addExtension = false);
// The chosen name with ".TXT" added when its file-name part has no "." at all.
QString ExportSavePath(const QString& chosen);
// Any file to be written: an existing one is taken only when "Confirm File Replace" is
// answered Yes; on No the dialog comes again.
std::optional<QString> ChooseFileToReplace(const AskPath& ask, IMessageService& messages);
// Save Def: the chosen name with the definition's extension rules (DefinitionSavePath);
// an existing file as for ChooseFileToReplace.
std::optional<QString> ChooseDefinitionSavePath(const AskPath& ask, IMessageService& messages);

// An AskPath that answers `path` once, then cancels: a question answered No ends the
// choice instead of asking again.
AskPath AskOnce(const QString& path);

} // namespace vinaxo::exchange
