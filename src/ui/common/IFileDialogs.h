#pragma once
// The file dialogs every window uses, behind one small interface: the platform's
// dialogs in the application, chosen paths in the tests.
#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace vinaxo {

struct FileDialogRequest {
    QString title;
    // Filters as "Data Files (*.DAT)"; the first matching one is selected.
    QStringList filters;
    int filterIndex = 0; // 0-based
    QString directory;   // the folder (or file) the dialog starts in
};

class IFileDialogs {
public:
    virtual ~IFileDialogs() = default;
    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<QString> openFile(QWidget* parent, const FileDialogRequest& request) = 0;
    // The save dialog never asks about replacing: the callers ask with their own message.
    virtual std::optional<QString> saveFile(QWidget* parent, const FileDialogRequest& request) = 0;
};

} // namespace vinaxo
