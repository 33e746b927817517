#include "ui/print/QtPrinterSurface.h"

#include <QPrinter>

namespace vinaxo {

QtPrinterSurface::QtPrinterSurface(QPrinter& printer) : PainterSurface(printer), m_printer(printer) {}

QtPrinterSurface::~QtPrinterSurface()
{
    if (started())
        killDoc(); // an unfinished job is never sent half done
}

void QtPrinterSurface::discarded()
{
    if (started())
        m_printer.abort();
}

} // namespace vinaxo
