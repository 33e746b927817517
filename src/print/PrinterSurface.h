#pragma once
// The printer as the reports see it: positions and sizes in twips (1440 per inch), a
// current position that printing advances, fonts by their six attributes, pages.
// The cursor rules live here once; a back end only measures, paints and pages.
#include <QString>

namespace vinaxo {

struct PrinterFont {
    QString name; // empty: the back end's own default family
    double size = 10;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikethru = false;
    bool operator==(const PrinterFont&) const = default;
};

// Raised by a back end (or by a cancelled print) and turned into the report's result.
struct PrinterError {
    static constexpr int Cancelled = 32755;
    static constexpr int Failed = 482;
    int number = Failed;
    QString description;
};

class PrinterSurface {
public:
    static constexpr int Portrait = 1;
    static constexpr int Landscape = 2;
    static constexpr double TwipsPerInch = 1440;

    virtual ~PrinterSurface() = default;

    void setFontName(const QString& name);
    void setFontSize(double size);
    void setFontBold(bool on);
    void setFontItalic(bool on);
    void setFontStrikethru(bool on);
    void setFontUnderline(bool on);
    const PrinterFont& font() const { return m_font; }

    // Extent of a text in the current font.
    double textWidth(const QString& text) { return measureWidth(text); }
    double textHeight(const QString& text) { return measureHeight(text); }

    double currentX() const { return m_x; }
    double currentY() const { return m_y; }
    void setCurrentX(double x) { m_x = x; }
    void setCurrentY(double y) { m_y = y; }

    // Prints at the current position. Staying on the line moves the position past the
    // text; ending the line moves it to the start of the next line.
    void print(const QString& text, bool endLine = true);
    void printEmptyLine() { print(QString(), true); }
    // The position ends at the line's end point.
    void drawLine(double x1, double y1, double x2, double y2);
    void newPage();
    // Completes the document and hands it on (spooler, file).
    void endDoc();
    // Abandons the document: nothing of it is delivered.
    void killDoc();

    virtual double pageWidth() const = 0;
    virtual double pageHeight() const = 0;
    virtual int orientation() const = 0;
    // Takes effect for a document not yet started.
    virtual void setOrientation(int orientation) = 0;
    int page() const { return m_page; }
    // Pages of the last document completed by endDoc.
    int lastDocumentPages() const { return m_lastPages; }

    // A rehearsal: positions and pages advance as in a real document, but nothing is
    // painted, paged or delivered, and no text is measured except by textWidth. Used to
    // count the pages of a report before printing it.
    void setDryRun(bool on) { m_dryRun = on; }
    bool dryRun() const { return m_dryRun; }

protected:
    virtual void fontChanged() {}
    virtual double measureWidth(const QString& text) = 0;
    virtual double measureHeight(const QString& text) = 0;
    virtual void paintText(double x, double y, const QString& text) = 0;
    virtual void paintLine(double x1, double y1, double x2, double y2) = 0;
    virtual void startNewPage() = 0;
    virtual void finishDocument() = 0;
    virtual void abandonDocument() = 0;

private:
    void resetDocument();

    PrinterFont m_font;
    double m_x = 0;
    double m_y = 0;
    int m_page = 1;
    int m_lastPages = 0;
    bool m_dryRun = false;
};

} // namespace vinaxo
