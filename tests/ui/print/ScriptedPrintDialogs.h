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
    void choosePdf(const QString& path, QPageLayout::Orientation o = QPageLayout::Portrait)
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
        if (m_printers.empty())
            return false;
        const Pdf p = m_printers.front();
        m_printers.pop_front();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(p.path);
        printer.setPageSize(QPageSize(QPageSize::Letter));
        printer.setPageOrientation(p.orientation);
        return true;
    }

    std::vector<FontCall> fontCalls;
    int printerCalls = 0;

private:
    struct Pdf {
        QString path;
        QPageLayout::Orientation orientation;
    };
    std::deque<std::optional<QFont>> m_fonts;
    std::deque<Pdf> m_printers;
};

} // namespace vinaxo::test
