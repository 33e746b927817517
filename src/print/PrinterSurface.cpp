#include "print/PrinterSurface.h"

namespace vinaxo {

namespace {
template <class T>
bool assign(T& field, const T& value)
{
    if (field == value)
        return false;
    field = value;
    return true;
}
}

void PrinterSurface::setFontName(const QString& name)
{
    if (assign(m_font.name, name))
        fontChanged();
}
void PrinterSurface::setFontSize(double size)
{
    if (size > 0 && assign(m_font.size, size))
        fontChanged();
}
void PrinterSurface::setFontBold(bool on)
{
    if (assign(m_font.bold, on))
        fontChanged();
}
void PrinterSurface::setFontItalic(bool on)
{
    if (assign(m_font.italic, on))
        fontChanged();
}
void PrinterSurface::setFontStrikethru(bool on)
{
    if (assign(m_font.strikethru, on))
        fontChanged();
}
void PrinterSurface::setFontUnderline(bool on)
{
    if (assign(m_font.underline, on))
        fontChanged();
}

void PrinterSurface::print(const QString& text, bool endLine)
{
    if (!text.isEmpty() && !m_dryRun)
        paintText(m_x, m_y, text);
    if (endLine) {
        m_y += measureHeight(text);
        m_x = 0;
    } else if (!m_dryRun) { // the reports place every text themselves; a rehearsal skips the cost
        m_x += measureWidth(text);
    }
}

void PrinterSurface::drawLine(double x1, double y1, double x2, double y2)
{
    if (!m_dryRun)
        paintLine(x1, y1, x2, y2);
    m_x = x2;
    m_y = y2;
}

void PrinterSurface::newPage()
{
    if (!m_dryRun)
        startNewPage();
    ++m_page;
    m_x = 0;
    m_y = 0;
}

void PrinterSurface::endDoc()
{
    if (!m_dryRun)
        finishDocument();
    m_lastPages = m_page;
    resetDocument();
}

void PrinterSurface::killDoc()
{
    if (!m_dryRun)
        abandonDocument();
    resetDocument();
}

void PrinterSurface::resetDocument()
{
    m_page = 1;
    m_x = 0;
    m_y = 0;
}

} // namespace vinaxo
