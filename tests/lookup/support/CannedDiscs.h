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
    // Close matches: one disc id in two categories, and a line repeated in another case.
    const QString close = TocOf(kCloseTracks).discIdText();
    s.addQuery(close, {"211 Found inexact matches, list follows (until terminating `.')",
                       "rock aa000001 First / Match", "jazz aa000002 Second / Match",
                       "misc aa000001 First Again / Same Id", "ROCK AA000001 First / Match (repeated)", "."});
    s.addEntry(QStringLiteral("jazz"), QStringLiteral("aa000002"),
               {"DTITLE=Second / Match", "DGENRE=   ", "TTITLE0=Only"});
    s.addEntry(QStringLiteral("misc"), QStringLiteral("aa000001"),
               {"DTITLE=First Again / Same Id", "TTITLE0=Misc one", "TTITLE1=Misc two"});
    // Two discs that share an id, filed under two categories (210 at level 4 and above).
    const QString several = TocOf(kSeveralTracks).discIdText();
    s.addQuery(several, {"210 Found exact matches, list follows (until terminating `.')",
                         "jazz " + several + " Quartet / Night Session", "blues " + several + " Slim / Delta Days",
                         "."});
    s.addEntry(QStringLiteral("jazz"), several,
               {"DTITLE=Quartet / Night Session", "DYEAR=1961", "TTITLE0=Late", "TTITLE1=Later"});
    s.addEntry(QStringLiteral("blues"), several,
               {"DTITLE=Slim / Delta Days", "DYEAR=1952", "TTITLE0=Mud", "TTITLE1=River"});
    // An exact match whose entry the server cannot read.
    const QString unreadable = TocOf(kUnreadableTracks).discIdText();
    s.addQuery(unreadable, {"200 blues " + unreadable + " Gone / Missing"});
    s.setSites({"gnudb.gnudb.org cddbp 8880 - N000.00 W000.00 Random gnudb server",
                "gnudb.gnudb.org http 80 /~cddb/cddb.cgi N000.00 W000.00 Random gnudb server",
                "old.example 888 N000.00 W000.00 Old style"});
}

} // namespace vinaxo::test
