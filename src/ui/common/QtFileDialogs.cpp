#include "ui/common/QtFileDialogs.h"

#include <QFileDialog>
#include <QRegularExpression>

namespace vinaxo {

QString QtFileDialogs::caseInsensitiveFilter(const QString& filter)
{
    static const QRegularExpression patterns(QStringLiteral("\\(([^)]*)\\)"));
    const auto m = patterns.match(filter);
    if (!m.hasMatch())
        return filter;
    QStringList out;
    for (const QString& p : m.captured(1).split(u' ', Qt::SkipEmptyParts)) {
        out << p;
        if (p != p.toLower() && !out.contains(p.toLower()))
            out << p.toLower();
    }
    return filter.left(m.capturedStart(1)) + out.join(u' ') + filter.mid(m.capturedEnd(1));
}

namespace {
std::optional<QString> run(QWidget* parent, const FileDialogRequest& r, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, r.title, r.directory);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    QStringList filters;
    for (const QString& f : r.filters)
        filters << QtFileDialogs::caseInsensitiveFilter(f);
    dialog.setNameFilters(filters);
    if (r.filterIndex >= 0 && r.filterIndex < filters.size())
        dialog.selectNameFilter(filters.at(r.filterIndex));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}
} // namespace

std::optional<QString> QtFileDialogs::openFile(QWidget* parent, const FileDialogRequest& request)
{
    return run(parent, request, QFileDialog::AcceptOpen);
}

std::optional<QString> QtFileDialogs::saveFile(QWidget* parent, const FileDialogRequest& request)
{
    return run(parent, request, QFileDialog::AcceptSave);
}

} // namespace vinaxo
