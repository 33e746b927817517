// The xmcd entry of a read reply, as a server might send it.
#include "lookup/CddbParse.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QStringList lines = vinaxo::SplitReplyLines(bytes);
    const vinaxo::CddbEntry e = vinaxo::ParseEntry(lines);
    // A disc holds at most 99 tracks: no entry makes more items than that.
    if (e.tracks.size() > 100 || e.trackExtensions.size() > 100)
        std::abort();
    qsizetype total = e.title.size() + e.artist.size() + e.description.size();
    for (const QString& t : e.tracks)
        total += t.size();
    // Nothing grows beyond the text it came from (escapes only shrink it).
    if (total > 2 * qsizetype(size) + 16)
        std::abort();
    return 0;
}
