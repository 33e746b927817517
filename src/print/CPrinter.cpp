#include "print/CPrinter.h"
#include "model/CEntries.h"
#include "model/CEntrySequence.h"
#include "model/TimeText.h"
#include "model/Utility.h"
#include "platform/TextTrim.h"
#include "platform/IFormats.h"
#include "platform/IMessageService.h"
#include "print/PrinterSurface.h"

#include <QCoreApplication>
#include <cmath>

namespace vinaxo {

namespace {
// Halves go to the even neighbour, as the printer's own arithmetic rounds.
qint32 nearest(double x)
{
    return static_cast<qint32>(std::nearbyint(x));
}

const QString& alphabet()
{
    static const QString a = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
    return a;
}

bool isTrackColumn(int key)
{
    return key == Field::TrackTitle || key == Field::TrackTitlesTimes;
}

QString cellText(const CEntry& e, int key)
{
    if (key == Field::Medium)
        return ConvertMediumCode(e.CDMedium);
    if (CEntry::HasColumnData(key))
        return e.GetDataForColumn(key);
    return {}; // a key that names no field prints an empty cell
}
}

CPrinter::CPrinter(CEntries& entries, PrinterSurface& printer, const IFormats& formats,
                   const QDate& reportDate, const ReportFonts& fonts)
    : m_entries(entries), m_printer(printer), m_fonts(fonts),
      m_reportDate(formats.shortDate(reportDate))
{
}

CPrinter::~CPrinter() = default;

float CPrinter::UsableWidth(PrinterSurface& printer, qint32 orientation)
{
    printer.setOrientation(orientation == PrinterSurface::Landscape ? PrinterSurface::Landscape
                                                                    : PrinterSurface::Portrait);
    const double w = printer.pageWidth();
    return float(w - w / 30);
}

void CPrinter::UseFont(const ReportFont& f)
{
    const QString name = RightTrimmed(f.name);
    if (name.isEmpty())
        return;
    m_printer.setFontName(name);
    m_printer.setFontSize(f.size);
    m_printer.setFontBold(f.bold);
    m_printer.setFontItalic(f.italic);
    m_printer.setFontStrikethru(f.strikethru);
    m_printer.setFontUnderline(f.underline);
}

void CPrinter::PlaceHeading(const QString& heading)
{
    UseHeadingFont();
    m_reportHeadingPos = nearest((m_printerWidth - m_printer.textWidth(heading)) / 2);
    UseDetailFont();
    m_pageNumberPos = nearest(
        m_printerWidth
        - m_printer.textWidth(QCoreApplication::translate("CPrinter", "Page %1").arg(QStringLiteral("88,888"))
                              + QStringLiteral("        ")));
}

bool CPrinter::AddReportColumn(int i, int width, const QString& heading)
{
    if (i < 1)
        return false;
    const std::size_t need = std::size_t(i) + 2;
    if (m_starts.size() < need) {
        m_starts.resize(need, 0);
        m_headingPos.resize(need, 0);
        m_headingText.resize(need);
    }
    UseDetailFont();
    const double a = m_printer.textWidth(alphabet()) / 52;
    if (i == 1)
        m_starts[1] = 0;
    auto& start = m_starts[std::size_t(i)];
    auto& next = m_starts[std::size_t(i) + 1];
    next = nearest(start + a * (width + 1)); // one character of gap per column

    UseHeadingFont();
    m_headingText[std::size_t(i)] = RightTrimmed(heading);
    const double hw = m_printer.textWidth(m_headingText[std::size_t(i)] + u' ');
    auto& pos = m_headingPos[std::size_t(i)];
    pos = nearest((start + next) / 2.0 - hw / 2);
    if (pos + hw > next) { // the heading is wider than the column: widen the column
        next = nearest(start + hw);
        pos = nearest((start + next) / 2.0 - hw / 2);
    }
    return next <= m_printerWidth;
}

void CPrinter::CenterColumns(int n)
{
    const double end = ColumnStart(n + 1);
    if (!(m_printerWidth > end))
        return;
    const qint32 s = nearest((m_printerWidth - end) / 2);
    for (int i = 1; i <= n + 1; ++i)
        m_starts[std::size_t(i)] += s;
    for (int i = 1; i <= n; ++i)
        m_headingPos[std::size_t(i)] += s;
}

bool CPrinter::PageIsFull() const
{
    return m_printer.currentY() >= m_printer.pageHeight() - 12 * m_printer.textHeight(QStringLiteral("W"));
}

void CPrinter::Rule(int i)
{
    const double y = m_printer.currentY();
    m_printer.drawLine(ColumnStart(i), y, ColumnStart(i + 1) - 90, y);
}

void CPrinter::PrintPageHeading(bool viewReport)
{
    UseDetailFont();
    m_printer.setCurrentX(DatePos);
    m_printer.print(m_reportDate, false);
    m_printer.setCurrentX(m_pageNumberPos);
    m_printer.print(RightTrimmed(QCoreApplication::translate("CPrinter", "Page %1").arg(m_printer.page())), false);

    UseHeadingFont();
    m_printer.setCurrentX(m_reportHeadingPos);
    m_printer.print(m_heading, true);
    for (int i = 1; i <= m_columnCount; ++i) {
        m_printer.setCurrentX(m_headingPos[std::size_t(i)]);
        m_printer.print(m_headingText[std::size_t(i)], i == m_columnCount);
    }
    for (int i = 1; i <= m_columnCount; ++i)
        Rule(i);
    if (viewReport)
        m_printer.printEmptyLine();
}

void CPrinter::ShowLayoutError(const QString& advice)
{
    m_outcome = Outcome::LayoutError;
    if (!m_showLayoutError)
        return;
    m_entries.messages().show(
        QCoreApplication::translate("CPrinter", "The maximum column width for your printer has been exceeded. ")
            + advice,
        QCoreApplication::translate("CPrinter", "Report Layout Error"), MsgIcon::Exclamation);
}

bool CPrinter::HandlePrinterError(const PrinterError& error)
{
    // The unfinished document is abandoned at once, so no partial report is delivered.
    m_printer.killDoc();
    m_lastError = error.description;
    m_outcome = error.number == PrinterError::Cancelled ? Outcome::Cancelled : Outcome::PrinterError;
    if (error.number != PrinterError::Cancelled) {
        m_entries.messages().show(
            QCoreApplication::translate("CPrinter",
                                        "A printer error has occurred or you selected cancel for this print job.  "
                                        "Reset your printer and start printing again."),
            QCoreApplication::translate("CPrinter", "Printer Error"), MsgIcon::Exclamation);
    }
    return false;
}

bool CPrinter::PrintCustomList()
{
    if (!StartCustomList())
        return false;
    while (ContinueCustomList(1024)) {
    }
    return m_outcome == Outcome::Printed;
}

bool CPrinter::StartCustomList()
{
    m_outcome = Outcome::Running;
    m_nextRow = 1;
    m_rowCount = 0;
    try {
        m_printer.setOrientation(m_orientation);
        m_heading = RightTrimmed(m_printHeading);
        if (m_heading.isEmpty())
            m_heading = QCoreApplication::translate("CPrinter", "CUSTOM REPORT");
        PlaceHeading(m_heading);

        m_columns.assign(1, ReportColumn{});
        m_trackColumn = 0;
        bool fits = false; // a view without columns has nothing to lay out
        if (const CView* view = m_entries.CurrView()) {
            for (const auto& item : view->ColumnEntries()) {
                const CColumn& c = *item.value;
                const int i = int(m_columns.size());
                m_columns.push_back(ReportColumn{c.KeyNumber(), c.ColumnWidth});
                if (m_trackColumn == 0 && isTrackColumn(c.KeyNumber()))
                    m_trackColumn = i; // with both track columns the first one carries the lines
                fits = AddReportColumn(i, c.ColumnWidth, c.ColumnHeading);
            }
        }
        m_columnCount = int(m_columns.size()) - 1;
        if (!fits) {
            ShowLayoutError(QCoreApplication::translate("CPrinter",
                                                        "Try the report with a smaller printer font size or adjust "
                                                        "the column size of one or more fields."));
            return false;
        }
        CenterColumns(m_columnCount);
        PrintPageHeading(true);
        m_rowCount = m_entries.sequence().Count();
        return true;
    } catch (const PrinterError& e) {
        return HandlePrinterError(e);
    }
}

bool CPrinter::ContinueCustomList(qint32 rows)
{
    if (m_outcome != Outcome::Running)
        return false;
    try {
        CEntrySequence& seq = m_entries.sequence();
        const qint32 end = qMin(m_rowCount, m_nextRow + qMax(rows, 1) - 1);
        for (; m_nextRow <= end; ++m_nextRow) {
            if (m_entries.LocateEntryByKey(KeyText(seq.KeyAt(m_nextRow))))
                PrintEntryRow(*m_entries.CurrEntry());
        }
        if (m_nextRow <= m_rowCount)
            return true;
        m_printer.endDoc();
        m_outcome = Outcome::Printed;
        return false;
    } catch (const PrinterError& e) {
        return HandlePrinterError(e);
    }
}

void CPrinter::CancelReport()
{
    if (m_outcome == Outcome::Running)
        HandlePrinterError(PrinterError{PrinterError::Cancelled, QString()});
}

std::vector<QString> CPrinter::TrackCells(const CEntry& entry, int key) const
{
    std::vector<QString> cells;
    cells.reserve(std::size_t(entry.TrackEntries().size()));
    entry.TrackEntries().forEachTrack([&](const CTrackEntry& t) {
        cells.push_back(key == Field::TrackTitlesTimes ? t.CDTrackTitle + QStringLiteral(", ") + t.CDTrackTime
                                                       : t.CDTrackTitle);
    });
    return cells;
}

void CPrinter::PrintEntryRow(const CEntry& entry)
{
    if (PageIsFull()) {
        m_printer.newPage();
        PrintPageHeading(true);
    }
    UseDetailFont();
    for (int i = 1; i <= m_columnCount; ++i) {
        const ReportColumn& c = m_columns[std::size_t(i)];
        QString text;
        if (!isTrackColumn(c.key))
            text = cellText(entry, c.key);
        else if (const auto cells = TrackCells(entry, c.key); !cells.empty())
            text = cells.front();
        m_printer.setCurrentX(m_starts[std::size_t(i)]);
        m_printer.print(RightTrimmed(RightTrimmed(text).left(qMax(c.width, 0))), i == m_columnCount);
    }
    if (m_trackColumn == 0)
        return;
    const ReportColumn& tc = m_columns[std::size_t(m_trackColumn)];
    const std::vector<QString> cells = TrackCells(entry, tc.key);
    for (std::size_t t = 1; t < cells.size(); ++t) {
        if (PageIsFull()) {
            m_printer.newPage();
            PrintPageHeading(true);
            UseDetailFont();
        }
        // Cut like the first line, so that no track line runs into the next column.
        m_printer.setCurrentX(m_starts[std::size_t(m_trackColumn)]);
        m_printer.print(RightTrimmed(RightTrimmed(cells[t]).left(qMax(tc.width, 0))), true);
    }
}

void CPrinter::ResetCalcSideData(qint16 side1Rows, qint16 side2Rows, const QString& side1Total,
                                 const QString& side2Total)
{
    m_side1 = CalcSide{{}, std::size_t(qMax<qint16>(side1Rows, 0)), side1Total};
    m_side2 = CalcSide{{}, std::size_t(qMax<qint16>(side2Rows, 0)), side2Total};
    m_side1.rows.reserve(m_side1.size);
    m_side2.rows.reserve(m_side2.size);
}

bool CPrinter::SetCalcSideData(qint16 side, const QString& title, const QString& time)
{
    CalcSide& s = side == 1 ? m_side1 : m_side2;
    if (s.rows.size() >= s.size)
        return false;
    s.rows.push_back(CalcRow{title, time});
    return true;
}

void CPrinter::PrintCalcSide(const CalcSide& side, const QString& number)
{
    for (const CalcRow& row : side.rows) {
        if (PageIsFull()) {
            m_printer.newPage();
            PrintPageHeading(false);
        }
        UseDetailFont();
        m_printer.setCurrentX(m_starts[1]);
        m_printer.print(number, false);
        m_printer.setCurrentX(m_starts[2]);
        m_printer.print(RightTrimmed(row.title), false);
        m_printer.setCurrentX(m_starts[3]);
        m_printer.print(RightTrimmed(row.time), true);
    }
}

void CPrinter::PrintCalcTotal(const CalcSide& side)
{
    m_printer.printEmptyLine();
    Rule(3);
    const QString label = QCoreApplication::translate("CPrinter", "Total Time: ");
    m_printer.setCurrentX(m_starts[3] - m_printer.textWidth(label));
    m_printer.print(label, false);
    m_printer.setCurrentX(m_starts[3]);
    m_printer.print(side.total, true);
}

bool CPrinter::PrintCalcList()
{
    m_outcome = Outcome::Running;
    m_nextRow = 1;
    m_rowCount = 0;
    try {
        m_printer.setOrientation(m_orientation);
        m_heading = RightTrimmed(m_printHeading);
        if (m_heading.isEmpty())
            m_heading = QCoreApplication::translate("CPrinter", "SELECTED TRACKS");
        PlaceHeading(m_heading);

        AddReportColumn(1, 5, QCoreApplication::translate("CPrinter", "SIDE"));
        AddReportColumn(2, 50, QCoreApplication::translate("CPrinter", "TITLE"));
        const bool fits = AddReportColumn(3, 6, QCoreApplication::translate("CPrinter", "TIME"));
        m_columnCount = 3;
        if (!fits) {
            ShowLayoutError(QCoreApplication::translate("CPrinter", "Try the report with a smaller printer font."));
            return false;
        }
        CenterColumns(3);
        PrintPageHeading(false);

        PrintCalcSide(m_side1, QStringLiteral("1"));
        PrintCalcTotal(m_side1);
        m_printer.printEmptyLine();
        PrintCalcSide(m_side2, QStringLiteral("2"));
        PrintCalcTotal(m_side2);
        m_printer.endDoc();
        m_outcome = Outcome::Printed;
        return true;
    } catch (const PrinterError& e) {
        return HandlePrinterError(e);
    }
}

} // namespace vinaxo
