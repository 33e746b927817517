#pragma once
// The two printed reports: the view report (one row per recording, in the order of the
// main list, with the columns of the current view) and the tape calculator report.
// Layout is in twips on a PrinterSurface; rows go to the printer as they are read.
#include "print/ReportFonts.h"

#include <QDate>
#include <QString>
#include <vector>

namespace vinaxo {

class CColumn;
class CEntries;
class CEntry;
class IFormats;
class PrinterSurface;
struct PrinterError;

class CPrinter {
public:
    // reportDate: today as taken when the program started; it heads every page.
    CPrinter(CEntries& entries, PrinterSurface& printer, const IFormats& formats,
             const QDate& reportDate, const ReportFonts& fonts);
    ~CPrinter();
    CPrinter(const CPrinter&) = delete;
    CPrinter& operator=(const CPrinter&) = delete;

    float PrinterWidth() const { return m_printerWidth; }
    void setPrinterWidth(float width) { m_printerWidth = width; }
    void setPrintHeading(const QString& heading) { m_printHeading = heading; }
    void setOrientation(qint32 orientation) { m_orientation = orientation; }
    void setFonts(const ReportFonts& fonts) { m_fonts = fonts; }
    // "Report Layout Error" is shown unless the caller tells the user its own way.
    void setShowLayoutError(bool show) { m_showLayoutError = show; }

    bool PrintCustomList();
    bool PrintCalcList();

    // The view report a slice at a time, so that a window can show progress and stay
    // responsive. StartCustomList lays out the columns and prints the first page heading
    // (false: nothing will be printed, see LastOutcome); each ContinueCustomList prints up
    // to `rows` more recordings and, after the last, ends the document. It returns true
    // while recordings remain.
    bool StartCustomList();
    bool ContinueCustomList(qint32 rows);
    // Abandons a report under way, silently: nothing of it is delivered.
    void CancelReport();

    enum class Outcome { None, Running, Printed, LayoutError, PrinterError, Cancelled };
    Outcome LastOutcome() const { return m_outcome; }
    // Recordings of the sequence handled so far, and in all.
    qint32 RowsDone() const { return m_nextRow - 1; }
    qint32 RowCount() const { return m_rowCount; }

    void ResetCalcSideData(qint16 side1Rows, qint16 side2Rows, const QString& side1Total,
                           const QString& side2Total);
    // Side 1 appends to table 1, any other side to table 2. A row beyond the size given
    // to ResetCalcSideData is refused (false).
    bool SetCalcSideData(qint16 side, const QString& title, const QString& time);

    // What went wrong in the last failed print, as the printer told it (may be empty).
    const QString& LastErrorDescription() const { return m_lastError; }

    // The layout of the last print (columns numbered from 1).
    qint32 ColumnStart(int i) const { return at(m_starts, i); }
    qint32 HeadingPosition(int i) const { return at(m_headingPos, i); }
    qint32 ReportHeadingPosition() const { return m_reportHeadingPos; }
    qint32 PageNumberPosition() const { return m_pageNumberPos; }

    // The usable width of a page: its width in the given orientation less one thirtieth.
    static float UsableWidth(PrinterSurface& printer, qint32 orientation);

private:
    struct CalcRow {
        QString title;
        QString time;
    };
    struct CalcSide {
        std::vector<CalcRow> rows;
        std::size_t size = 0;
        QString total;
    };
    struct ReportColumn {
        int key = 0;
        int width = 0;
    };

    static qint32 at(const std::vector<qint32>& v, int i)
    {
        return i >= 0 && std::size_t(i) < v.size() ? v[std::size_t(i)] : 0;
    }
    void UseFont(const ReportFont& font);
    void UseDetailFont() { UseFont(m_fonts.detail); }
    void UseHeadingFont() { UseFont(m_fonts.heading); }
    void PlaceHeading(const QString& heading);
    bool AddReportColumn(int i, int width, const QString& heading);
    void CenterColumns(int n);
    bool PageIsFull() const;
    void Rule(int i);
    void PrintPageHeading(bool viewReport);
    void PrintEntryRow(const CEntry& entry);
    // The text of each track's line in a track column of the key.
    std::vector<QString> TrackCells(const CEntry& entry, int key) const;
    void PrintCalcSide(const CalcSide& side, const QString& number);
    void PrintCalcTotal(const CalcSide& side);
    void ShowLayoutError(const QString& advice);
    bool HandlePrinterError(const PrinterError& error);

    CEntries& m_entries;
    PrinterSurface& m_printer;
    ReportFonts m_fonts;
    QString m_reportDate;
    bool m_showLayoutError = true;
    Outcome m_outcome = Outcome::None;
    qint32 m_nextRow = 1;  // the next position of the entry sequence to print
    qint32 m_rowCount = 0;

    float m_printerWidth = 0;
    QString m_printHeading;
    qint32 m_orientation = 1;

    std::vector<qint32> m_starts;
    std::vector<qint32> m_headingPos;
    std::vector<QString> m_headingText;
    qint32 m_reportHeadingPos = 0;
    qint32 m_pageNumberPos = 0;
    static constexpr qint32 DatePos = 0;
    int m_columnCount = 0;
    QString m_heading; // the heading of the print under way

    std::vector<ReportColumn> m_columns; // the view report's columns, from 1 (index 0 unused)
    int m_trackColumn = 0;               // the column that carries the extra track lines

    QString m_lastError;
    CalcSide m_side1;
    CalcSide m_side2;
};

} // namespace vinaxo
