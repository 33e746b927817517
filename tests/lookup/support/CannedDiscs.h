#pragma once
// The discs the test server knows, shared by the lookup tests.
#include "CddbTestServer.h"
#include "DiscImages.h"

namespace vinaxo::test {

// 3:25.00, 4:10.10, 2:00.00: disc id 1b023f03, worked out by hand in test_discid.cpp.
inline const std::vector<qint32> kThreeTracks{15375, 18760, 9000};
inline const QString kThreeId = QStringLiteral("1b023f03");
// Other discs, told apart by their lengths.
inline const std::vector<qint32> kCloseTracks{15000, 15000};
inline const std::vector<qint32> kSeveralTracks{20000, 20000};
inline const std::vector<qint32> kUnknownTracks{30000};
inline const std::vector<qint32> kUnreadableTracks{25000, 25000, 25000};

inline void ServeCannedDiscs(CddbTestServer& s)
{
    s.addQuery(kThreeId, {QStringLiteral("200 rock 1b023f03 The Band / The Album")});
    s.addEntry(QStringLiteral("rock"), kThreeId,
               {"# xmcd", "DISCID=1b023f03", "DTITLE=The Band / The Album", "DYEAR=1999", "DGENRE=Rock",
                "TTITLE0=Opening", "TTITLE1=The Long and ", "TTITLE1=Winding Road", "TTITLE2=Closing",
                "EXTD=Notes", "EXTT0=", "EXTT1=About two", "EXTT2=", "PLAYORDER="});
    // Close matches, one disc id twice.
    const QString close = TocOf(kCloseTracks).discIdText();
    s.addQuery(close, {"211 Found inexact matches, list follows (until terminating `.')",
                       "rock aa000001 First / Match", "jazz aa000002 Second / Match",
                       "misc aa000001 First Again / Same Id", "."});
    s.addEntry(QStringLiteral("jazz"), QStringLiteral("aa000002"),
               {"DTITLE=Second / Match", "DGENRE=   ", "TTITLE0=Only"});
    // One disc in several categories (210 at level 4 and above).
    const QString several = TocOf(kSeveralTracks).discIdText();
    s.addQuery(several, {"210 Found exact matches, list follows (until terminating `.')",
                         "rock " + several + " Same / Disc", "newage " + several + " Same / Disc (newage)",
                         "."});
    // An exact match whose entry the server cannot read.
    const QString unreadable = TocOf(kUnreadableTracks).discIdText();
    s.addQuery(unreadable, {"200 blues " + unreadable + " Gone / Missing"});
    s.setSites({"gnudb.gnudb.org cddbp 8880 - N000.00 W000.00 Random gnudb server",
                "gnudb.gnudb.org http 80 /~cddb/cddb.cgi N000.00 W000.00 Random gnudb server",
                "old.example 888 N000.00 W000.00 Old style"});
}

} // namespace vinaxo::test
