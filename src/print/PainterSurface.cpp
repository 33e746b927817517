#include "print/PainterSurface.h"

#include <QCoreApplication>
#include <QPagedPaintDevice>
#include <QPen>

namespace vinaxo {

namespace {
constexpr double TwipsPerPoint = 20;
}

PainterSurface::PainterSurface(QPagedPaintDevice& device) : m_device(device) {}

PainterSurface::~PainterSurface()
{
    if (m_painter.isActive())
        m_painter.end();
}

double PainterSurface::pageWidth() const
{
    return m_device.pageLayout().fullRectPoints().width() * TwipsPerPoint;
}

double PainterSurface::pageHeight() const
{
    return m_device.pageLayout().fullRectPoints().height() * TwipsPerPoint;
}

int PainterSurface::orientation() const
{
    return m_device.pageLayout().orientation() == QPageLayout::Landscape ? Landscape : Portrait;
}

void PainterSurface::setOrientation(int o)
{
    if (!m_started)
        m_device.setPageOrientation(o == Landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

double PainterSurface::toDots(double twips, bool vertical) const
{
    const int dpi = vertical ? m_device.logicalDpiY() : m_device.logicalDpiX();
    return twips * dpi / TwipsPerInch;
}

void PainterSurface::fontChanged()
{
    m_fontDirty = true;
}

void PainterSurface::ensureFont()
{
    if (!m_fontDirty)
        return;
    const PrinterFont& f = font();
    QFont q;
    if (!f.name.isEmpty())
        q.setFamilies({f.name});
    q.setPointSizeF(f.size);
    q.setBold(f.bold);
    q.setItalic(f.italic);
    q.setUnderline(f.underline);
    q.setStrikeOut(f.strikethru);
    m_qfont = q;
    m_metrics.emplace(m_qfont, &m_device);
    m_fontDirty = false;
    m_painterFontDirty = true;
}

double PainterSurface::measureWidth(const QString& text)
{
    ensureFont();
    return m_metrics->horizontalAdvance(text) * TwipsPerInch / m_device.logicalDpiX();
}

double PainterSurface::measureHeight(const QString&)
{
    ensureFont();
    return m_metrics->lineSpacing() * TwipsPerInch / m_device.logicalDpiY();
}

QPainter& PainterSurface::painter()
{
    if (!m_started) {
        beforeStart();
        if (!m_painter.begin(&m_device))
            throw PrinterError{PrinterError::Failed,
                               QCoreApplication::translate("PainterSurface", "The printer could not be opened.")};
        m_started = true;
        QPen pen(Qt::black);
        pen.setWidthF(toDots(15, false)); // a fine rule, about 3/4 point
        m_painter.setPen(pen);
        m_painterFontDirty = true;
    }
    return m_painter;
}

void PainterSurface::paintText(double x, double y, const QString& text)
{
    ensureFont();
    QPainter& p = painter();
    if (m_painterFontDirty) {
        p.setFont(m_qfont);
        m_painterFontDirty = false;
    }
    // The position is the top of the text cell; QPainter wants the baseline.
    p.drawText(QPointF(toDots(x, false), toDots(y, true) + m_metrics->ascent()), text);
}

void PainterSurface::paintLine(double x1, double y1, double x2, double y2)
{
    painter().drawLine(QPointF(toDots(x1, false), toDots(y1, true)),
                       QPointF(toDots(x2, false), toDots(y2, true)));
}

void PainterSurface::startNewPage()
{
    painter();
    if (!m_device.newPage())
        throw PrinterError{PrinterError::Failed,
                           QCoreApplication::translate("PainterSurface", "A new page could not be started.")};
}

void PainterSurface::finishDocument()
{
    painter(); // a document without output still makes one (empty) page
    const bool ok = m_painter.end();
    m_started = false;
    if (!ok)
        throw PrinterError{PrinterError::Failed,
                           QCoreApplication::translate("PainterSurface", "The document could not be completed.")};
    delivered();
}

void PainterSurface::abandonDocument()
{
    discarded(); // while the painter is still active, so that a print job can be aborted
    if (m_painter.isActive())
        m_painter.end();
    m_started = false;
}

} // namespace vinaxo
