#pragma once
// The printer surface on a system printer (CUPS) chosen in the printer dialog. When the
// printer writes a PDF file, the report goes to a file beside it that replaces it only
// when complete: an abandoned or failed report leaves no half-written file behind, and
// an earlier file of that name untouched.
#include "print/PainterSurface.h"

class QPrinter;

namespace vinaxo {

class QtPrinterSurface final : public PainterSurface {
public:
    // The printer must outlive the surface.
    explicit QtPrinterSurface(QPrinter& printer);
    ~QtPrinterSurface() override;

protected:
    void beforeStart() override;
    void delivered() override;
    void discarded() override;
    void abandonDocument() override;

private:
    // Gives the printer back the file name the user chose.
    void restoreTarget();

    QPrinter& m_printer;
    QString m_target; // the PDF file asked for, while the report is written beside it
    QString m_partial;
};

} // namespace vinaxo
