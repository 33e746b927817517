#include "print/ReportFonts.h"
#include "platform/TextTrim.h"
#include "platform/IMessageService.h"
#include "platform/NumericText.h"
#include "storage/CDConfig.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>
#include <cmath>

namespace vinaxo {

ReportFonts ReportFontsFromConfig(const CDConfig& c)
{
    ReportFonts f;
    f.heading = ReportFont{c.HeadFontName(), c.HeadFontSize(), c.HeadFontBold(),
                           c.HeadFontItalic(), c.HeadFontStrikethru(), c.HeadFontUnderline()};
    f.detail = ReportFont{c.DetailFontName(), c.DetailFontSize(), c.DetailFontBold(),
                          c.DetailFontItalic(), c.DetailFontStrikethru(), c.DetailFontUnderline()};
    return f;
}

void StoreHeadingFont(CDConfig& c, const ReportFont& f)
{
    c.setHeadFontName(RightTrimmed(f.name));
    c.setHeadFontSize(f.size);
    c.setHeadFontBold(f.bold);
    c.setHeadFontItalic(f.italic);
    c.setHeadFontStrikethru(f.strikethru);
    c.setHeadFontUnderline(f.underline);
}

void StoreDetailFont(CDConfig& c, const ReportFont& f)
{
    c.setDetailFontName(RightTrimmed(f.name));
    c.setDetailFontSize(f.size);
    c.setDetailFontBold(f.bold);
    c.setDetailFontItalic(f.italic);
    c.setDetailFontStrikethru(f.strikethru);
    c.setDetailFontUnderline(f.underline);
}

QString FontDescription(const ReportFont& f)
{
    QString text = RightTrimmed(f.name) + u'-' + QString::number(f.size);
    if (f.bold)
        text += QCoreApplication::translate("ReportFonts", " Bold");
    if (f.italic)
        text += QCoreApplication::translate("ReportFonts", " Italic");
    return text;
}

QFont ToQFont(const ReportFont& f)
{
    QFont q;
    q.setFamilies({RightTrimmed(f.name)});
    if (f.size > 0)
        q.setPointSize(f.size);
    q.setBold(f.bold);
    q.setItalic(f.italic);
    q.setStrikeOut(f.strikethru);
    q.setUnderline(f.underline);
    return q;
}

ReportFont FromQFont(const QFont& q)
{
    ReportFont f;
    f.name = RightTrimmed(q.family());
    double size = q.pointSizeF();
    if (size <= 0) // a font sized in pixels: taken at 72 dots per inch
        size = q.pixelSize();
    f.size = qint16(qBound(1.0, std::nearbyint(size), 32767.0));
    f.bold = q.bold();
    f.italic = q.italic();
    f.strikethru = q.strikeOut();
    f.underline = q.underline();
    return f;
}

namespace {
bool usable(const ReportFont& f)
{
    return !RightTrimmed(f.name).isEmpty() && f.size > 0; // a negative stored size prints nothing either
}

bool neverChosen(const ReportFont& f)
{
    return RightTrimmed(f.name).isEmpty() && f.size == 0;
}
}

bool ReportFontsChosen(const ReportFonts& f)
{
    return usable(f.heading) && usable(f.detail);
}

void ShowPrintSetupError(IMessageService& messages)
{
    // The fonts are stored the moment they are chosen: there is nothing left to save.
    messages.show(
        QCoreApplication::translate("ReportFonts",
                                    "You cannot do any printing until heading and detail fonts have been "
                                    "selected.  Use the Set Heading and Set Detail buttons to select printer "
                                    "fonts."),
        QCoreApplication::translate("ReportFonts", "Print Setup Error"), MsgIcon::Critical);
}

ReportFonts DefaultReportFonts(const QString& family)
{
    QString name = family;
    if (name.isEmpty()) {
        // The family the desktop's general font resolves to, not an alias such as "Sans Serif".
        const QFont general = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
        name = QFontInfo(general).family();
        if (name.isEmpty())
            name = general.family();
    }
    ReportFonts f;
    f.heading = ReportFont{name, 14, true};
    f.detail = ReportFont{name, 10};
    return f;
}

bool StoreDefaultReportFonts(CDConfig& config, const ReportFonts& defaults)
{
    const ReportFonts stored = ReportFontsFromConfig(config);
    bool changed = false;
    if (neverChosen(stored.heading) && usable(defaults.heading)) {
        StoreHeadingFont(config, defaults.heading);
        changed = true;
    }
    if (neverChosen(stored.detail) && usable(defaults.detail)) {
        StoreDetailFont(config, defaults.detail);
        changed = true;
    }
    return changed;
}

std::optional<ReportFont> ParseFontText(const QString& text)
{
    const QStringList parts = text.split(u',');
    if (parts.size() < 2)
        return std::nullopt;
    ReportFont f;
    f.name = parts[0].trimmed();
    const auto size = ParseNumber(parts[1]);
    const auto size16 = size ? ToInt16(*size) : std::nullopt;
    if (f.name.isEmpty() || !size16 || *size16 <= 0)
        return std::nullopt;
    f.size = *size16;
    for (qsizetype i = 2; i < parts.size(); ++i) {
        const QString a = parts[i].trimmed().toLower();
        if (a == QLatin1String("bold"))
            f.bold = true;
        else if (a == QLatin1String("italic"))
            f.italic = true;
        else if (a == QLatin1String("underline"))
            f.underline = true;
        else if (a == QLatin1String("strikethru") || a == QLatin1String("strikethrough"))
            f.strikethru = true;
        else
            return std::nullopt;
    }
    return f;
}

} // namespace vinaxo
