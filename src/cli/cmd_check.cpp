// vinaxo-cli check FILE: loads a collection file and says whether it loaded.
#include "cli/CliCollection.h"
#include "model/Workspace.h"

namespace vinaxo::cli {
namespace {

int run(Context& ctx)
{
    if (ctx.args.size() != 1) {
        ctx.err << "Usage: vinaxo-cli check FILE [--yes|--no]\n";
        return 2;
    }
    const QString path = ctx.args[0];
    const LoadReport report = loadCollection(ctx, path);
    if (report.loaded()) {
        ctx.out << path << ": loaded, release " << *report.release << ", "
                << collectionWorkspace(ctx).entries.Count() << " recordings, "
                << ctx.messages.shown().size() << " messages" << Qt::endl;
    } else {
        ctx.out << path << ": not loaded" << Qt::endl;
    }
    return loadStatus(report);
}

const Registration reg{Command{
    QStringLiteral("check"), QStringLiteral("loads a collection file and reports its messages"),
    QStringLiteral(
        "vinaxo-cli check FILE [--yes|--no]\n"
        "  Loads the collection file FILE as the application opens it. The messages the\n"
        "  application would show go to stderr as \"title: text\"; one line on stdout tells\n"
        "  the outcome. Exit status 0 when the file loaded, 1 when it did not (a missing file,\n"
        "  no collection file, a refused or declined conversion, a file error)."),
    run}};

} // namespace
} // namespace vinaxo::cli
