#pragma once
// The heading and detail fonts of the reports: from the settings, or from a short text
// such as "DejaVu Sans,14,bold,italic".
#include <QFont>
#include <QString>
#include <optional>

namespace vinaxo {

class CDConfig;
class IMessageService;

struct ReportFont {
    QString name;
    qint16 size = 0;
    bool bold = false;
    bool italic = false;
    bool strikethru = false;
    bool underline = false;
};

struct ReportFonts {
    ReportFont heading;
    ReportFont detail;
};

ReportFonts ReportFontsFromConfig(const CDConfig& config);
// Writes one group back to the settings: the name right-trimmed, the five attributes.
void StoreHeadingFont(CDConfig& config, const ReportFont& font);
void StoreDetailFont(CDConfig& config, const ReportFont& font);

// "Name-12 Bold Italic": the right-trimmed name, "-", the size, then " Bold" and
// " Italic" when set. A font not chosen yet reads "-0".
QString FontDescription(const ReportFont& font);
// The font with its six attributes (a size below 1 leaves the default size).
QFont ToQFont(const ReportFont& font);
// The size rounded to a whole point (within 1 to 32767).
ReportFont FromQFont(const QFont& font);

// Both fonts named and sized; printing is refused otherwise.
bool ReportFontsChosen(const ReportFonts& fonts);
void ShowPrintSetupError(IMessageService& messages);

// The fonts a new user starts with: the family given (the desktop's sans serif when
// empty), 14 point bold for the heading, 10 point for the detail.
ReportFonts DefaultReportFonts(const QString& family = QString());
// Stores the default for each group never chosen (no name and size 0); a group with
// anything stored is left as it is, so that an unusable font is still reported.
// True when something was stored.
bool StoreDefaultReportFonts(CDConfig& config, const ReportFonts& defaults = DefaultReportFonts());

// "Family,size[,bold][,italic][,underline][,strikethru]"; nothing for a malformed text.
std::optional<ReportFont> ParseFontText(const QString& text);

} // namespace vinaxo
