#include "print/PdfSurface.h"

#include <QCoreApplication>
#include <QLocale>

namespace vinaxo {

detail::PdfOutput::PdfOutput(const QString& path, const QPageSize& size, double margin)
    : file(path), opened(file.open(QIODevice::WriteOnly)), writer(&file)
{
    writer.setResolution(int(PrinterSurface::TwipsPerInch));
    writer.setCreator(QStringLiteral("Vinaxo"));
    writer.setPageLayout(QPageLayout(size, QPageLayout::Portrait,
                                     QMarginsF(margin, margin, margin, margin), QPageLayout::Inch));
}

PdfSurface::PdfSurface(const QString& path, const QPageSize& size, double marginInches)
    : detail::PdfOutput(path, size, marginInches), PainterSurface(writer)
{
}

PdfSurface::~PdfSurface()
{
    if (started())
        killDoc();
}

QPageSize PdfSurface::DefaultPageSize()
{
    return QPageSize(QLocale::system().measurementSystem() == QLocale::ImperialUSSystem
                         ? QPageSize::Letter
                         : QPageSize::A4);
}

void PdfSurface::beforeStart()
{
    if (!opened)
        throw PrinterError{PrinterError::Failed,
                           QCoreApplication::translate("PdfSurface", "The file could not be opened: ")
                               + file.errorString()};
}

void PdfSurface::delivered()
{
    if (!file.commit())
        throw PrinterError{PrinterError::Failed,
                           QCoreApplication::translate("PdfSurface", "The file could not be written: ")
                               + file.errorString()};
}

void PdfSurface::discarded()
{
    file.cancelWriting();
}

} // namespace vinaxo
