#pragma once
// The font and printer dialogs of the print window, behind one small interface: the
// platform's dialogs in the application, chosen answers in the tests.
#include <QFont>
#include <QString>
#include <optional>

class QPrinter;
class QWidget;

namespace vinaxo {

class IPrintDialogs {
public:
    virtual ~IPrintDialogs() = default;
    // The chosen font, or nothing when the user cancelled.
    virtual std::optional<QFont> chooseFont(QWidget* parent, const QFont& initial, const QString& title) = 0;
    // The printer, its orientation and page set up on `printer`; false when cancelled.
    virtual bool choosePrinter(QWidget* parent, QPrinter& printer) = 0;
};

// QFontDialog and QPrintDialog. Printing to a file stays available: on Linux a PDF file
// is how many people get a report without a printer.
class QtPrintDialogs final : public IPrintDialogs {
public:
    std::optional<QFont> chooseFont(QWidget* parent, const QFont& initial, const QString& title) override;
    bool choosePrinter(QWidget* parent, QPrinter& printer) override;
};

} // namespace vinaxo
