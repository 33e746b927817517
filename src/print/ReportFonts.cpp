#include "print/ReportFonts.h"
#include "platform/TextTrim.h"
#include "platform/IMessageService.h"
#include "platform/NumericText.h"
#include "storage/CDConfig.h"

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
        text += QStringLiteral(" Bold");
    if (f.italic)
        text += QStringLiteral(" Italic");
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

bool ReportFontsChosen(const ReportFonts& f)
{
    return !RightTrimmed(f.heading.name).isEmpty() && !RightTrimmed(f.detail.name).isEmpty()
           && f.heading.size != 0 && f.detail.size != 0;
}

void ShowPrintSetupError(IMessageService& messages)
{
    messages.show(QStringLiteral("You cannot do any printing until heading and detail fonts have been "
                                 "selected.  Use the SETUP... button to select printer fonts.  Your "
                                 "selections can then be saved from the Options menu."),
                  QStringLiteral("Print Setup Error"), MsgIcon::Critical);
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
