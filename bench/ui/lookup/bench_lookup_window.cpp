// The whole MusicBrainz lookup as the user sees it, against the suite's local
// MusicBrainz-shaped server: from "Get CD Info..." on a disc image to the filled window
// with its cover picture. Alone (0), and right after another lookup (1), when the
// service's one-second spacing applies.
#include "BenchCollection.h"
#include "CannedDiscs.h"
#include "DiscImages.h"
#include "MusicBrainzReplies.h"
#include "MusicBrainzTestServer.h"
#include "exchange/ExchangeState.h"
#include "lookup/CdioAudioDevice.h"
#include "lookup/MusicBrainzDiscId.h"
#include "lookup/SteadyClock.h"
#include "platform/IBusyPointer.h"
#include "ui/common/AppContext.h"
#include "ui/common/IFileDialogs.h"
#include "ui/lookup/MusicBrainzLookup.h"
#include "ui/lookup/frmCDDBAccess.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QThread>
#include <benchmark/benchmark.h>

using namespace vinaxo;

namespace {
struct NoDialogs final : IFileDialogs {
    std::optional<QString> openFile(QWidget*, const FileDialogRequest&) override { return std::nullopt; }
    std::optional<QString> saveFile(QWidget*, const FileDialogRequest&) override { return std::nullopt; }
};

bool waitFor(const std::function<bool()>& done)
{
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return done();
}

const QByteArray kPng("\x89PNG\r\n\x1A\n-a-picture-", 19);

void BM_MusicBrainzLookupToFilledWindow(benchmark::State& state)
{
    bench::World world;
    NoDialogs dialogs;
    NullBusyPointer busy;
    exchange::ExchangeState exchange;
    AppContext ctx{world.ws, dialogs, busy, exchange, nullptr};
    SystemSteadyClock clock;
    test::MusicBrainzTestServer server(clock);
    CDConfig& config = world.ws.config;
    WriteLookupSource(config, LookupSource::MusicBrainz);
    config.setExtraValue(QStringLiteral("CDInternetLookup"), QStringLiteral("MusicBrainzServer"), server.base());
    config.setExtraValue(QStringLiteral("CDInternetLookup"), QStringLiteral("CoverArtServer"), server.base());
    std::vector<test::ImageTrack> tracks;
    for (qint32 frames : test::kThreeTracks)
        tracks.push_back({frames});
    config.setCDDriveLetter(test::WriteCueImage(world.dir.path(), QStringLiteral("disc"), tracks));
    CdioAudioDevice device;
    device.open(config.CDDriveLetter());
    const QString discId = MusicBrainzDiscId(device.toc());
    const test::MbReleaseSpec release = test::ReleaseOf(3, discId);
    server.serve(QStringLiteral("/ws/2/discid/") + discId,
                 {test::MusicBrainzTestServer::json(200, test::DiscReplyJson(discId, {release}))});
    server.serve(QStringLiteral("/release/") + release.id + QStringLiteral("/front-500"), {{200, kPng, "image/png"}});

    frmCDDBAccess window(ctx);
    window.show();
    waitFor([&] { return window.cdInfo() != nullptr; });
    auto* button = window.findChild<QPushButton*>(QStringLiteral("cmdGetCDInfo"));
    auto* apply = window.findChild<QPushButton*>(QStringLiteral("cmdOK"));
    const bool spaced = state.range(0) != 0;
    if (spaced) { // every measured lookup follows another
        button->click();
        waitFor([&] { return !window.isLookupRunning(); });
    }
    for (auto _ : state) {
        if (!spaced) {
            state.PauseTiming();
            QThread::msleep(1100); // the last request is more than a second ago
            state.ResumeTiming();
        }
        button->click();
        if (!waitFor([&] { return !window.isLookupRunning(); }) || !apply->isEnabled())
            state.SkipWithError("the lookup did not fill the window");
    }
    state.counters["requests"] = double(server.requests.size());
}
BENCHMARK(BM_MusicBrainzLookupToFilledWindow)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(5);
} // namespace
