#pragma once
#include "ui/common/IFileDialogs.h"

namespace vinaxo {

// QFileDialog. Upper-case patterns such as "*.DAT" also match the lower-case names
// usual on Linux.
class QtFileDialogs final : public IFileDialogs {
public:
    std::optional<QString> openFile(QWidget* parent, const FileDialogRequest& request) override;
    std::optional<QString> saveFile(QWidget* parent, const FileDialogRequest& request) override;

    // "Data Files (*.DAT)" -> "Data Files (*.DAT *.dat)"; other filters unchanged.
    static QString caseInsensitiveFilter(const QString& filter);
};

} // namespace vinaxo
