#pragma once
// The font and printer dialogs of the print window tests: each call is recorded and
// answered with the next scripted choice (nothing scripted: cancelled). A chosen
// printer writes a PDF file, so that the report can be read back.
#include "ui/print/IPrintDialogs.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <deque>
#include <vector>

namespace vinaxo::test {

class ScriptedPrintDialogs final : public IPrintDialogs {
public:
    struct FontCall {
        QFont initial;
        QString title;
    };

    void chooseFont(const QFont& f) { m_fonts.emplace_back(f); }
    // A PDF printer; the orientation the dialog started from unless one is chosen.
    void choosePdf(const QString& path, std::optional<QPageLayout::Orientation> o = std::nullopt)
    {
        m_printers.push_back(Pdf{path, o});
    }

    std::optional<QFont> chooseFont(QWidget*, const QFont& initial, const QString& title) override
    {
        fontCalls.push_back({initial, title});
        if (m_fonts.empty())
            return std::nullopt;
        auto f = m_fonts.front();
        m_fonts.pop_front();
        return f;
    }

    bool choosePrinter(QWidget*, QPrinter& printer) override
    {
        ++printerCalls;
        presetOrientations.push_back(printer.pageLayout().orientation());
        if (m_printers.empty())
            return false;
        const Pdf p = m_printers.front();
        m_printers.pop_front();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(p.path);
        printer.setPageSize(QPageSize(QPageSize::Letter));
        if (p.orientation)
            printer.setPageOrientation(*p.orientation);
        return true;
    }

    std::vector<FontCall> fontCalls;
    int printerCalls = 0;
    std::vector<QPageLayout::Orientation> presetOrientations; // as each printer dialog opened

private:
    struct Pdf {
        QString path;
        std::optional<QPageLayout::Orientation> orientation;
    };
    std::deque<std::optional<QFont>> m_fonts;
    std::deque<Pdf> m_printers;
};

} // namespace vinaxo::test
