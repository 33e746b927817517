// The status line and match list of a query reply.
#include "lookup/CddbParse.h"

#include <QSet>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QStringList lines = vinaxo::SplitReplyLines(bytes);
    if (!lines.isEmpty()) {
        const int code = vinaxo::ReplyCode(lines.first());
        if (code > 999)
            std::abort();
        (void)vinaxo::IsMultiLineCode(code);
        (void)vinaxo::ParseExactMatch(lines.first());
        (void)vinaxo::SupportedProtocolLevel(lines.first());
    }
    QSet<QString> ids;
    for (const vinaxo::CddbMatch& m : vinaxo::ParseMatchList(lines)) {
        // Each category and disc id once, never empty.
        const QString key = vinaxo::MatchKey(m.category, m.discId).toLower();
        if (m.discId.isEmpty() || m.category.isEmpty() || ids.contains(key))
            std::abort();
        ids.insert(key);
    }
    return 0;
}
