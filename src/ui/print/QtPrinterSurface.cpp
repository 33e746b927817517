#include "ui/print/QtPrinterSurface.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryFile>
#include <cstdio>

namespace vinaxo {

QtPrinterSurface::QtPrinterSurface(QPrinter& printer) : PainterSurface(printer), m_printer(printer) {}

QtPrinterSurface::~QtPrinterSurface()
{
    if (started())
        killDoc(); // an unfinished job is never sent half done
}

void QtPrinterSurface::beforeStart()
{
    const QString target = m_printer.outputFileName();
    if (m_printer.outputFormat() != QPrinter::PdfFormat || target.isEmpty())
        return;
    const QFileInfo info(target);
    QTemporaryFile partial(info.absolutePath() + QStringLiteral("/.") + info.fileName()
                           + QStringLiteral(".XXXXXX.part"));
    partial.setAutoRemove(false);
    if (!partial.open())
        throw PrinterError{PrinterError::Failed,
                           QCoreApplication::translate("QtPrinterSurface", "The file could not be opened: ")
                               + partial.errorString()};
    m_target = target;
    m_partial = partial.fileName();
    partial.close();
    m_printer.setOutputFileName(m_partial);
}

void QtPrinterSurface::delivered()
{
    if (m_partial.isEmpty())
        return;
    const QString partial = m_partial, target = m_target;
    restoreTarget();
    // rename() replaces the earlier file in one step.
    if (std::rename(QFile::encodeName(partial).constData(), QFile::encodeName(target).constData()) != 0) {
        QFile::remove(partial);
        throw PrinterError{PrinterError::Failed,
                           QCoreApplication::translate("QtPrinterSurface", "The file could not be written: ")
                               + target};
    }
}

void QtPrinterSurface::discarded()
{
    if (started())
        m_printer.abort();
}

void QtPrinterSurface::abandonDocument()
{
    PainterSurface::abandonDocument(); // ends the painter, which closes the partial file
    if (m_partial.isEmpty())
        return;
    QFile::remove(m_partial);
    restoreTarget();
}

void QtPrinterSurface::restoreTarget()
{
    m_printer.setOutputFileName(m_target);
    m_target.clear();
    m_partial.clear();
}

} // namespace vinaxo
