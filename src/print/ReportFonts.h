#pragma once
// The heading and detail fonts of the reports: from the settings, or from a short text
// such as "DejaVu Sans,14,bold,italic".
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

// Both fonts named and sized; printing is refused otherwise.
bool ReportFontsChosen(const ReportFonts& fonts);
void ShowPrintSetupError(IMessageService& messages);

// "Family,size[,bold][,italic][,underline][,strikethru]"; nothing for a malformed text.
std::optional<ReportFont> ParseFontText(const QString& text);

} // namespace vinaxo
