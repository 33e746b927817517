#include "cli/CliExchange.h"
#include "exchange/DefinitionFile.h"

namespace vinaxo::cli {

bool prepareRequest(Context& ctx, QStringList& args, const QString& definition, const QString& dataFile,
                    exchange::ExchangeRequest& request, int& status)
{
    request.path = dataFile;
    const std::pair<const char*, QString*> options[] = {
        {"--field-delimiter", &request.fieldDelimiter},
        {"--string-delimiter", &request.stringDelimiter},
        {"--track-delimiter", &request.trackDelimiter},
    };
    for (const auto& [name, box] : options) {
        const QString value = takeOption(args, QString::fromLatin1(name));
        if (value.isNull())
            continue;
        if (value.size() > 1) { // a delimiter box holds one character
            ctx.err << "vinaxo-cli: " << name << " takes one character" << Qt::endl;
            status = 2;
            return false;
        }
        *box = value;
    }
    exchange::DefinitionHeader header;
    if (!exchange::ReadDefinitionFile(definition, request.table, header, ctx.messages)) {
        status = 1;
        return false;
    }
    return true;
}

} // namespace vinaxo::cli
