// vinaxo-cli convert OLD NEW: a file of the previous release saved in the current format.
#include "cli/CliCollection.h"
#include "model/Workspace.h"

namespace vinaxo::cli {
namespace {

int run(Context& ctx)
{
    if (ctx.args.size() != 2) {
        ctx.err << "Usage: vinaxo-cli convert OLD NEW [--yes|--no]\n";
        return 2;
    }
    const QString from = ctx.args[0];
    const QString to = ctx.args[1];
    CollectionLock lock;
    if (!lockForWriting(ctx, to, lock))
        return LockedStatus;
    // The conversion question is the point of the command: it is answered Yes. Any other
    // question (replacing NEW) keeps the answer the user gave, or its default.
    const CliMessages::Forced given = ctx.messages.forced();
    ctx.messages.setForced(CliMessages::Forced::Yes);
    const LoadReport report = loadCollection(ctx, from);
    ctx.messages.setForced(given);
    if (!report.loaded())
        return 1;
    if (!saveCollectionAs(ctx, to))
        return 1;
    ctx.out << from << " (release " << *report.release << "): "
            << collectionWorkspace(ctx).entries.Count() << " recordings saved to " << to
            << Qt::endl;
    return 0;
}

const Registration reg{Command{
    QStringLiteral("convert"), QStringLiteral("saves a collection file in the current format"),
    QStringLiteral(
        "vinaxo-cli convert OLD NEW [--yes|--no]\n"
        "  Loads OLD (a file of the previous release is converted: the conversion question\n"
        "  is answered Yes) and saves the collection to NEW in the current format. OLD is\n"
        "  only read. An existing NEW is replaced only with --yes. Exit status 0 when NEW\n"
        "  was written, 3 when a running Vinaxo has NEW open."),
    run}};

} // namespace
} // namespace vinaxo::cli
