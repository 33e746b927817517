#include "print/PreviewSurface.h"

#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>

namespace vinaxo {

namespace {
constexpr double TwipsPerPoint = 20;
}

PreviewSurface::PreviewSurface(const QPageSize& size, int orientation)
    : m_size(size.isValid() ? size : QPageSize(QPageSize::A4)), m_orientation(orientation)
{
}

double PreviewSurface::pageWidth() const
{
    const QSizeF s = m_size.size(QPageSize::Point);
    return (m_orientation == Landscape ? s.height() : s.width()) * TwipsPerPoint;
}

double PreviewSurface::pageHeight() const
{
    const QSizeF s = m_size.size(QPageSize::Point);
    return (m_orientation == Landscape ? s.width() : s.height()) * TwipsPerPoint;
}

void PreviewSurface::setOrientation(int orientation)
{
    if (m_pages.empty())
        m_orientation = orientation == Landscape ? Landscape : Portrait;
}

void PreviewSurface::ensureFont()
{
    if (m_fontIndex >= 0)
        return;
    const PrinterFont& f = font();
    QFont q;
    if (!f.name.isEmpty())
        q.setFamilies({f.name});
    q.setPixelSize(qMax(1, int(std::lround(f.size * TwipsPerPoint))));
    q.setBold(f.bold);
    q.setItalic(f.italic);
    q.setUnderline(f.underline);
    q.setStrikeOut(f.strikethru);
    q.setHintingPreference(QFont::PreferNoHinting); // the same advances at every size
    const auto known = std::find(m_fonts.begin(), m_fonts.end(), q);
    m_fontIndex = int(known - m_fonts.begin());
    if (known == m_fonts.end())
        m_fonts.push_back(q);
    m_metrics.emplace(m_fonts[std::size_t(m_fontIndex)]);
}

double PreviewSurface::measureWidth(const QString& text)
{
    ensureFont();
    return m_metrics->horizontalAdvance(text);
}

double PreviewSurface::measureHeight(const QString&)
{
    ensureFont();
    return m_metrics->lineSpacing();
}

PreviewSurface::Page& PreviewSurface::current()
{
    if (m_pages.empty())
        m_pages.emplace_back();
    return m_pages.back();
}

void PreviewSurface::paintText(double x, double y, const QString& text)
{
    ensureFont();
    // The position is the top of the text cell; the page is painted from the baseline.
    current().push_back(Item{QPointF(x, y + m_metrics->ascent()), QPointF(), text, m_fontIndex});
}

void PreviewSurface::paintLine(double x1, double y1, double x2, double y2)
{
    current().push_back(Item{QPointF(x1, y1), QPointF(x2, y2), QString(), -1});
}

void PreviewSurface::startNewPage()
{
    current();
    m_pages.emplace_back();
}

void PreviewSurface::paintPage(QPainter& painter, int index, double scale) const
{
    if (index < 0 || index >= pageCount())
        return;
    painter.save();
    painter.scale(scale, scale);
    painter.translate(m_origin);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QPen pen(Qt::black);
    pen.setWidthF(15); // a fine rule, about 3/4 point
    painter.setPen(pen);
    int fontIndex = -1;
    for (const Item& item : m_pages[std::size_t(index)]) {
        if (item.font < 0) {
            painter.drawLine(item.from, item.to);
            continue;
        }
        if (item.font != fontIndex) {
            fontIndex = item.font;
            painter.setFont(m_fonts[std::size_t(fontIndex)]);
        }
        painter.drawText(item.from, item.text);
    }
    painter.restore();
}

} // namespace vinaxo
