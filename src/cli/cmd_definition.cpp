#include "cli/CliCommand.h"
#include "exchange/DefinitionFile.h"
#include "exchange/FileChoice.h"

namespace vinaxo::cli {
namespace {
using namespace vinaxo::exchange;

int show(Context& ctx, const QString& path)
{
    ColTable table;
    DefinitionHeader header;
    if (!ReadDefinitionFile(path, table, header, ctx.messages))
        return 1;
    const QStringList names = table.Names();
    for (int i = 0; i < names.size(); ++i)
        ctx.out << (i + 1) << '\t' << table.Items()[std::size_t(i)].Number << '\t' << names[i] << '\n';
    return 0;
}

int create(Context& ctx, const QString& chosen, const QStringList& names)
{
    ColTable table;
    for (const QString& name : names) {
        const qint16 id = FindColID(name);
        if (id == 0) {
            ctx.err << "vinaxo-cli: '" << name << "' is no field; the fields are: "
                    << CatalogueNames().join(QStringLiteral(", ")) << Qt::endl;
            return 2;
        }
        if (table.Contains(id)) {
            ctx.messages.show(QStringLiteral("Field is already selected.  Duplicate fields within the import "
                                             "file are not allowed."),
                              QStringLiteral("Field already selected"), MsgIcon::Critical);
            return 1;
        }
        table.Append(ColItem{id, 0});
    }
    const auto path = ChooseDefinitionSavePath(AskOnce(chosen), ctx.messages);
    if (!path || !WriteDefinitionFile(*path, table, {}, ctx.messages))
        return 1;
    ctx.out << *path << Qt::endl;
    return 0;
}

const Registration reg{Command{
    QStringLiteral("definition"), QStringLiteral("shows or creates an import/export definition file (.IDF)"),
    QStringLiteral(
        "vinaxo-cli definition show FILE.IDF\n"
        "  Lists the fields of a definition, one a line: position, field number, name.\n"
        "vinaxo-cli definition create OUT.IDF NAME... [--yes|--no]\n"
        "  Writes a definition with the named fields in order (\"Title\" \"Artist\" ...). A name\n"
        "  without \".IDF\" gets it; an existing file is replaced only with --yes.\n"
        "  Printed path: the file written."),
    [](Context& ctx) {
        QStringList args = ctx.args;
        if (args.size() == 2 && args[0] == u"show")
            return show(ctx, args[1]);
        if (args.size() >= 2 && args[0] == u"create")
            return create(ctx, args[1], args.mid(2));
        ctx.err << "Usage: vinaxo-cli definition show FILE.IDF | create OUT.IDF NAME..." << Qt::endl;
        return 2;
    }}};
}
} // namespace vinaxo::cli
