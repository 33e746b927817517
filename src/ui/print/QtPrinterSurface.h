#pragma once
// The printer surface on a system printer (CUPS) chosen in the printer dialog.
#include "print/PainterSurface.h"

class QPrinter;

namespace vinaxo {

class QtPrinterSurface final : public PainterSurface {
public:
    // The printer must outlive the surface.
    explicit QtPrinterSurface(QPrinter& printer);
    ~QtPrinterSurface() override;

protected:
    void discarded() override;

private:
    QPrinter& m_printer;
};

} // namespace vinaxo
