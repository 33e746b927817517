#pragma once
// A printer for layout tests: records every text, line and page with its position, and
// measures text exactly (10 twips wide per character per point, 24 twips high per point).
#include "print/PrinterSurface.h"

#include <QStringList>
#include <stdexcept>
#include <tuple>
#include <vector>

namespace vinaxo::test {

struct Printed {
    enum Kind { Text, Line, NewPage, EndDoc, KillDoc } kind = Text;
    int page = 1;
    double x = 0, y = 0, x2 = 0, y2 = 0;
    QString text;
    PrinterFont font;
};

class RecordingSurface final : public PrinterSurface {
public:
    // US Letter, portrait: 12240 x 15840 twips.
    double pageWidth() const override { return m_orientation == Landscape ? 15840 : 12240; }
    double pageHeight() const override { return m_orientation == Landscape ? 12240 : 15840; }
    int orientation() const override { return m_orientation; }
    void setOrientation(int o) override { m_orientation = o; }

    // Raises a printer error when the given page is started.
    void failOnPage(int page) { m_failOnPage = page; }

    const std::vector<Printed>& log() const { return m_log; }
    std::vector<Printed> all(Printed::Kind kind) const
    {
        std::vector<Printed> v;
        for (const Printed& p : m_log)
            if (p.kind == kind)
                v.push_back(p);
        return v;
    }
    int count(Printed::Kind kind) const { return int(all(kind).size()); }
    // The texts of one page, in order.
    QStringList pageTexts(int page) const
    {
        QStringList v;
        for (const Printed& p : all(Printed::Text))
            if (p.page == page)
                v << p.text;
        return v;
    }
    // The first text equal to s (null when none).
    const Printed* find(const QString& s) const
    {
        for (const Printed& p : m_log)
            if (p.kind == Printed::Text && p.text == s)
                return &p;
        return nullptr;
    }
    // Where the first text equal to s was printed: (page, x, y); throws when it was not.
    std::tuple<int, double, double> at(const QString& s) const
    {
        const Printed* p = find(s);
        if (!p)
            throw std::runtime_error("not printed: " + s.toStdString());
        return {p->page, p->x, p->y};
    }

protected:
    double measureWidth(const QString& text) override { return double(text.size()) * font().size * 10; }
    double measureHeight(const QString&) override { return font().size * 24; }
    void paintText(double x, double y, const QString& text) override { add({Printed::Text, 0, x, y, 0, 0, text}); }
    void paintLine(double x1, double y1, double x2, double y2) override { add({Printed::Line, 0, x1, y1, x2, y2}); }
    void startNewPage() override
    {
        if (m_failOnPage == page() + 1)
            throw PrinterError{PrinterError::Failed, QStringLiteral("out of paper")};
        add({Printed::NewPage});
    }
    void finishDocument() override { add({Printed::EndDoc}); }
    void abandonDocument() override { add({Printed::KillDoc}); }

private:
    void add(Printed p)
    {
        p.page = page();
        p.font = font();
        m_log.push_back(std::move(p));
    }

    int m_orientation = Portrait;
    int m_failOnPage = 0;
    std::vector<Printed> m_log;
};

} // namespace vinaxo::test
