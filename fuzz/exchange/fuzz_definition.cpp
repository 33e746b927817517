// The definition file reader on any bytes: whatever it accepts writes back to bytes that
// read as the same table.
#include "exchange/DefinitionFile.h"

#include <cstdint>
#include <cstdlib>

using namespace vinaxo::exchange;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    ColTable table;
    DefinitionHeader header;
    if (DecodeDefinition(bytes, table, header) != DefinitionStatus::Ok) {
        if (!table.isEmpty())
            std::abort();
        return 0;
    }
    if (std::size_t(table.Count()) != (size - std::min<size_t>(size, 75)) / 4)
        std::abort();
    (void)table.Names();
    const QByteArray again = EncodeDefinition(table, header);
    ColTable back;
    DefinitionHeader header2;
    if (DecodeDefinition(again, back, header2) != DefinitionStatus::Ok || !(back == table))
        std::abort();
    return 0;
}
