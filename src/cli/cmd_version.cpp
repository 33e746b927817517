#include "cli/CliCommand.h"

namespace vinaxo::cli {
namespace {
const Registration reg{Command{
    QStringLiteral("version"), QStringLiteral("prints the release level"),
    QStringLiteral("vinaxo-cli version\n  Prints the release level of Vinaxo."),
    [](Context& ctx) {
        ctx.out << "Release Level 3.1" << Qt::endl;
        return 0;
    }}};
}
} // namespace vinaxo::cli
