// The delimited text reader on any bytes. The first byte picks the field table and the
// delimiters; the rest is the file. What was read is exported again, to run the writer.
#include "exchange/DelimitedExport.h"
#include "exchange/DelimitedImport.h"
#include "model/ListOrder.h"
#include "model/Workspace.h"
#include "platform/IFormats.h"
#include "platform/IMessageService.h"

#include <QDir>
#include <cstdint>
#include <cstdlib>

using namespace vinaxo;
using namespace vinaxo::exchange;

namespace {
class Silent final : public IMessageService {
public:
    using IMessageService::show;
    int showCustom(const QString&, const QString&, MsgIcon, const QStringList&, int defaultIndex) override
    {
        return defaultIndex;
    }
    MsgAnswer show(const Message& m) override { return defaultAnswer(m.buttons, m.defaultButton); }
};

struct World {
    Silent messages;
    LocaleFormats formats{QLocale(QLocale::English, QLocale::UnitedStates), [] { return QDate(2026, 12, 7); }};
    Workspace ws{messages, formats, QDir::temp().filePath(QStringLiteral("vinaxo-fuzz-exchange.ini"))};
};

ColTable table(int which)
{
    ColTable t;
    auto add = [&](std::initializer_list<int> numbers) {
        for (int n : numbers)
            t.Append(ColItem{qint16(n), 0});
    };
    switch (which % 6) {
    case 0: add({1, 2}); break;
    case 1: for (int n = 1; n <= 25; ++n) if (n != 24) t.Append(ColItem{qint16(n), 0}); break;
    case 2: add({25, 1, 2}); break;
    case 3: add({1, 25, 2, 24, 25}); break;
    case 4: add({1, 2, 7, 8, 9, 10, 14, 15, 21, 22}); break;
    default: add({2, 1, 99, -1, 0, 23, 4, 5}); break;
    }
    return t;
}

Delimiters delimiters(int which)
{
    switch ((which / 6) % 4) {
    case 0: return {};
    case 1: return {u'\t', u'\'', u'|'};
    case 2: return {u',', u',', u','};   // all the same character
    default: return {u'\u00E9', u'"', u'\r'}; // beyond ASCII, and a line end as track delimiter
    }
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static World* w = new World; // kept for the whole run: building settings is slow
    if (size == 0)
        return 0;
    CEntries& entries = w->ws.entries;
    entries.ClearAllEntries();
    entries.ClearAllArtists();
    entries.ClearAllLabels();
    entries.ClearAllCategories();
    entries.ClearAllMediums();

    const ColTable t = table(data[0]);
    const Delimiters d = delimiters(data[0]);
    const QByteArrayView bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    const ImportResult r = DelimitedImport(entries, t, d).readBytes(bytes);
    // Every record read is one new recording; nothing is read that is not in the file.
    if (r.recordsAdded != entries.Count() || r.recordsRead() != r.recordsAdded || r.cancelled
        || r.recordsRead() > bytes.size())
        std::abort();

    RebuildSequence(w->ws.sequence, ListOrder(entries, ListSort{127, (data[0] & 0x80) != 0}));
    QByteArray out;
    const ExportResult e = ExportRecords(entries, w->ws.sequence, t, d, out);
    if (e.recordsWritten() != entries.Count())
        std::abort();
    return 0;
}
