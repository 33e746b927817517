#pragma once
// A printer that writes a PDF file. The file appears only when the document is complete;
// an abandoned document leaves any earlier file of that name untouched.
#include "print/PainterSurface.h"

#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>

namespace vinaxo {

namespace detail {
// Built before the painter surface that paints on its writer.
struct PdfOutput {
    PdfOutput(const QString& path, const QPageSize& size, double marginInches);
    QSaveFile file;
    bool opened = false;
    QPdfWriter writer;
};
}

class PdfSurface final : private detail::PdfOutput, public PainterSurface {
public:
    // Margins stand in for the unprintable edge of a paper printer.
    explicit PdfSurface(const QString& path, const QPageSize& size = DefaultPageSize(),
                        double marginInches = 0.25);
    ~PdfSurface() override;

    // Letter where the locale measures in inches, A4 elsewhere.
    static QPageSize DefaultPageSize();

protected:
    void beforeStart() override;
    void delivered() override;
    void discarded() override;
};

} // namespace vinaxo
