#pragma once
// A printer for layout tests: records every text, line and page with its position, and
// measures text exactly (10 twips wide per character per point, 24 twips high per point).
#include "print/PrinterSurface.h"

#include <QString>
#include <QStringList>
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
    RecordingSurface(double width = 12240, double height = 15840) : m_w(width), m_h(height) {}

    double pageWidth() const override { return m_orientation == Landscape ? m_h : m_w; }
    double pageHeight() const override { return m_orientation == Landscape ? m_w : m_h; }
    int orientation() const override { return m_orientation; }
    void setOrientation(int o) override { m_orientation = o; }

    // Raises a printer error when the given page is started.
    void failOnPage(int page) { m_failOnPage = page; }

    const std::vector<Printed>& log() const { return m_log; }
    std::vector<Printed> texts() const;
    std::vector<Printed> lines() const;
    // The texts of one page, in order.
    QStringList pageTexts(int page) const;
    // The first text equal to s (null when none).
    const Printed* find(const QString& s) const;
    int count(Printed::Kind kind) const;

protected:
    double measureWidth(const QString& text) override { return double(text.size()) * font().size * 10; }
    double measureHeight(const QString&) override { return font().size * 24; }
    void paintText(double x, double y, const QString& text) override;
    void paintLine(double x1, double y1, double x2, double y2) override;
    void startNewPage() override;
    void finishDocument() override;
    void abandonDocument() override;

private:
    void add(Printed p);

    double m_w, m_h;
    int m_orientation = Portrait;
    int m_failOnPage = 0;
    std::vector<Printed> m_log;
};

} // namespace vinaxo::test
