// Reply parsing and a large reply over loopback (the local test server).
#include "CddbTestServer.h"
#include "DiscImages.h"
#include "MusicBrainzReplies.h"
#include "lookup/CDLookupAccess.h"
#include "lookup/CddbParse.h"
#include "lookup/MusicBrainzReply.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

using namespace vinaxo;

namespace {
// A full disc: 99 tracks, each title continued on a second line, extended texts, a long
// disc description.
QStringList bigEntry()
{
    QStringList l{"210 rock 1b023f03 CD database entry follows", "# xmcd", "DTITLE=Some Artist / Some Album",
                  "DYEAR=2001", "DGENRE=Rock"};
    for (int i = 0; i < 50; ++i)
        l << QStringLiteral("EXTD=Line %1 of a long description with \\n escapes and more words ").arg(i);
    for (int t = 0; t < 99; ++t) {
        l << QStringLiteral("TTITLE%1=The title of track %1 which is long and ").arg(t);
        l << QStringLiteral("TTITLE%1=continued on the next line").arg(t);
        l << QStringLiteral("EXTT%1=Notes for track %1").arg(t);
    }
    return l;
}

void BM_ParseEntry(benchmark::State& state)
{
    const QStringList lines = bigEntry();
    for (auto _ : state)
        benchmark::DoNotOptimize(ParseEntry(lines));
    state.SetItemsProcessed(state.iterations() * lines.size());
}
BENCHMARK(BM_ParseEntry)->Unit(benchmark::kMicrosecond);

void BM_ParseMatchList(benchmark::State& state)
{
    QStringList lines{"211 Found inexact matches"};
    for (int i = 0; i < state.range(0); ++i)
        lines << QStringLiteral("rock %1 Artist %2 / Title %2").arg(i % (state.range(0) / 2), 8, 16, QLatin1Char('0')).arg(i);
    for (auto _ : state)
        benchmark::DoNotOptimize(ParseMatchList(lines));
    state.SetItemsProcessed(state.iterations() * lines.size());
}
BENCHMARK(BM_ParseMatchList)->Arg(1000)->Arg(20000)->Unit(benchmark::kMicrosecond);

void BM_ParseSiteList(benchmark::State& state)
{
    QByteArray file;
    for (int i = 0; i < 1000; ++i)
        file += "site" + QByteArray::number(i) + ".example cddbp 8880 - N000.00 W000.00 A server somewhere\r\n";
    for (auto _ : state)
        benchmark::DoNotOptimize(ParseSiteList(file));
    state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(BM_ParseSiteList)->Unit(benchmark::kMicrosecond);

// A MusicBrainz reply of one 99-track release, read and mapped to the recording: the
// whole of what happens between the reply's last byte and a filled window.
void BM_MusicBrainzReply99(benchmark::State& state)
{
    const QString disc = QStringLiteral("49HHV7Eb8UKF3aQiNmu1GR8vKTY-");
    const QByteArray json = test::DiscReplyJson(disc, {test::ReleaseOf(99, disc)});
    const DiscToc toc = test::TocOf(std::vector<qint32>(99, 4500));
    for (auto _ : state) {
        const MbDiscReply r = ParseDiscReply(json, disc, 99);
        benchmark::DoNotOptimize(MapCandidate(r.candidates.front(), &toc));
    }
    state.SetBytesProcessed(state.iterations() * json.size());
}
BENCHMARK(BM_MusicBrainzReply99)->Unit(benchmark::kMicrosecond);

void BM_DiscId(benchmark::State& state)
{
    const DiscToc toc = test::TocOf(std::vector<qint32>(99, 13579));
    for (auto _ : state)
        benchmark::DoNotOptimize(toc.queryArguments());
}
BENCHMARK(BM_DiscId);

// A reply near the size cap (about 1.5 MB in 15,000 lines) read over 127.0.0.1.
void BM_ReadLargeReply(benchmark::State& state)
{
    const bool http = state.range(0) != 0;
    test::CddbTestServer server;
    server.setHttp(http);
    QByteArray body;
    for (int i = 0; i < 15000; ++i)
        body += "EXTD=" + QByteArray(95, char('a' + i % 26)) + "\r\n";
    server.addEntryBytes("rock", "1b023f03", body);
    CDLookupAccess a;
    a.setServer("127.0.0.1");
    a.setPort(server.port());
    if (http)
        a.setHttpPort(server.port());
    a.setUser("bench@example.org");
    a.setTimeoutSeconds(30);
    for (auto _ : state) {
        if (!a.Connect() || !a.ReadDisc("rock", "1b023f03") || a.replyLines().size() != 15001) {
            state.SkipWithError("read failed");
            break;
        }
        a.Disconnect();
    }
    state.SetBytesProcessed(state.iterations() * body.size());
}
BENCHMARK(BM_ReadLargeReply)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
}
