// The site list file, and the "sites" reply that becomes it.
#include "lookup/CddbParse.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    for (const QString& entry : vinaxo::ParseSiteList(bytes)) {
        if (entry.isEmpty())
            std::abort();
    }
    for (const QString& line : vinaxo::SplitReplyLines(bytes)) {
        // A converted reply line must read back as a site of the file.
        if (const auto fileLine = vinaxo::SitesReplyToFileLine(line)) {
            if (!vinaxo::ParseSiteLine(*fileLine))
                std::abort();
        }
    }
    return 0;
}
