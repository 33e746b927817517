#pragma once
// A printer for the preview: each page is kept as a short list of texts and lines in
// twips, so that the first pages can be shown while the report is still being laid
// out, and a page is painted at any size. Text is measured as on a 1440-dot printer.
#include "print/PrinterSurface.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPointF>
#include <optional>
#include <vector>

class QPainter;

namespace vinaxo {

class PreviewSurface final : public PrinterSurface {
public:
    struct Item {
        QPointF from; // a text's baseline start, or a line's first end
        QPointF to;   // a line's other end
        QString text; // empty for a line
        int font = -1; // index into fonts(); -1 for a line
    };
    using Page = std::vector<Item>;

    explicit PreviewSurface(const QPageSize& size, int orientation = Portrait);

    double pageWidth() const override;
    double pageHeight() const override;
    int orientation() const override { return m_orientation; }
    void setOrientation(int orientation) override;

    // Pages laid out so far (the last one may still be growing while the report runs).
    int pageCount() const { return int(m_pages.size()); }
    const Page& pageItems(int index) const { return m_pages.at(std::size_t(index)); }
    // The report ran to its end.
    bool complete() const { return m_complete; }

    // Where a printer puts the report's origin on the paper (its margins), in twips.
    void setOrigin(const QPointF& origin) { m_origin = origin; }

    // Paints a page with its top left corner at the painter's origin, `scale` device
    // units per twip.
    void paintPage(QPainter& painter, int index, double scale) const;

protected:
    void fontChanged() override { m_fontIndex = -1; }
    double measureWidth(const QString& text) override;
    double measureHeight(const QString& text) override;
    void paintText(double x, double y, const QString& text) override;
    void paintLine(double x1, double y1, double x2, double y2) override;
    void startNewPage() override;
    void finishDocument() override { m_complete = true; }
    void abandonDocument() override { m_complete = false; }

private:
    void ensureFont();
    Page& current();

    QPageSize m_size;
    int m_orientation;
    std::vector<Page> m_pages;
    bool m_complete = false;
    QPointF m_origin;
    // Fonts in twips: a point is 20 of them, so a font's pixel size here is 20 per point.
    std::vector<QFont> m_fonts;
    int m_fontIndex = -1;
    std::optional<QFontMetricsF> m_metrics;
};

} // namespace vinaxo
