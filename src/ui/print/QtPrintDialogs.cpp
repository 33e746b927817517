#include "ui/print/IPrintDialogs.h"

#include <QFontDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace vinaxo {

std::optional<QFont> QtPrintDialogs::chooseFont(QWidget* parent, const QFont& initial, const QString& title)
{
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, initial, parent, title);
    if (!ok)
        return std::nullopt;
    return font;
}

bool QtPrintDialogs::choosePrinter(QWidget* parent, QPrinter& printer)
{
    QPrintDialog dialog(&printer, parent);
    // The whole report always: no selection, no page range.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize
                      | QAbstractPrintDialog::PrintCollateCopies);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace vinaxo
