#include "cli/ReportOutput.h"
#include "cli/CliCollection.h"
#include "cli/CliCommand.h"
#include "model/Workspace.h"
#include "print/PdfSurface.h"

namespace vinaxo::cli {

bool takeReportOptions(Context& ctx, QStringList& args, ReportOptions& o)
{
    o.pdf = takeOption(args, QStringLiteral("--pdf"));
    o.heading = takeOption(args, QStringLiteral("--heading"));
    o.landscape = takeFlag(args, QStringLiteral("--landscape"));
    for (auto [flag, slot] : {std::pair{QStringLiteral("--heading-font"), &o.headingFont},
                              std::pair{QStringLiteral("--detail-font"), &o.detailFont}}) {
        const QString text = takeOption(args, flag);
        if (text.isNull())
            continue;
        *slot = ParseFontText(text);
        if (!*slot) {
            ctx.err << "vinaxo-cli: " << flag << " wants \"Family,size[,bold][,italic][,underline][,strikethru]\", not \""
                    << text << "\"" << Qt::endl;
            return false;
        }
    }
    return true;
}

std::optional<ReportFonts> chooseReportFonts(Context& ctx, const ReportOptions& o)
{
    ReportFonts fonts;
    if (!o.headingFont || !o.detailFont)
        fonts = ReportFontsFromConfig(collectionWorkspace(ctx).config);
    if (o.headingFont)
        fonts.heading = *o.headingFont;
    if (o.detailFont)
        fonts.detail = *o.detailFont;
    if (!ReportFontsChosen(fonts)) {
        ShowPrintSetupError(ctx.messages);
        return std::nullopt;
    }
    return fonts;
}

int printReportToPdf(Context& ctx, CEntries& entries, const ReportOptions& o, ReportRequest request,
                     const QDate& reportDate)
{
    PdfSurface pdf(o.pdf);
    request.orientation = o.landscape ? PrinterSurface::Landscape : PrinterSurface::Portrait;
    const ReportResult result = RunReport(entries, pdf, ctx.formats, reportDate, request);
    if (!result.printed) {
        if (!result.error.isEmpty())
            ctx.err << "vinaxo-cli: " << result.error << Qt::endl;
        return 1;
    }
    ctx.out << o.pdf << ": " << pdf.lastDocumentPages() << (pdf.lastDocumentPages() == 1 ? " page" : " pages")
            << Qt::endl;
    return 0;
}

bool rejectUnknownOptions(Context& ctx, const QStringList& args)
{
    for (const QString& a : args) {
        if (a.startsWith(QStringLiteral("--"))) {
            ctx.err << "vinaxo-cli: unknown option " << a << Qt::endl;
            return true;
        }
    }
    return false;
}

} // namespace vinaxo::cli
