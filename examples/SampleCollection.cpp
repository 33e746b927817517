#include "SampleCollection.h"

#include "model/CEntries.h"
#include "model/TimeText.h"
#include "model/Utility.h"
#include "model/Workspace.h"
#include "platform/IFormats.h"
#include "platform/IMessageService.h"
#include "storage/CFileIO.h"

#include <QDate>
#include <QTemporaryDir>
#include <array>

namespace vinaxo {

namespace {

// Every name below is invented for this example.
struct Recording {
    const char* title;
    const char* artist;
    const char* category;
    const char* medium;
    int year;
    int label;        // index into kLabels
    int discs;
    const char* composer;
    const char* conductor;
    const char* description;
    const char* comments;
    const char* awards;
    const char* key1;
};

constexpr std::array kLabels = {
    "Brindlewood Records", "Silverhook", "Parlour Lane", "Northgate Classics",
    "Tin Kettle Music", "Halcyon Wire", "Moonquay", "Cobalt Disc Co.", "Fernhill Audio",
    "Own recording",
};
constexpr std::array kLabelCodes = {"BWR", "SHK", "PLN", "NGC", "TKM", "HWR", "MQY", "CDC", "FHA", "OWN"};

constexpr Recording kRecordings[] = {
    {"Lanterns Over Calder Bay", "The Wexbridge Ensemble", "Folk", "CD", 1998, 2, 1, "", "",
     "Sea songs and slow airs recorded in a harbour chapel.", "", "", ""},
    {"Copper Rain", "Mira Solvang", "Jazz", "CD", 2003, 5, 1, "", "",
     "Quartet date with brushed drums and muted trumpet.", "", "", ""},
    {"Night Trains to Orlevik", "Harbour Quartet", "Jazz", "LP Album", 1979, 6, 1, "", "",
     "", "Second-hand copy; light crackle on side 2.", "", ""},
    {"Symphony No. 2 in D", "Northmarch Philharmonic", "Classical", "CD", 1991, 3, 1,
     "Ettore Tavelli", "Ilse Brandmeyer", "", "", "Northmarch Critics' Prize 1992", ""},
    {"Paper Satellites", "Glimmerfield", "Rock", "Cassette", 1987, 1, 1, "", "",
     "The band's first tape, sold at their shows.", "", "", ""},
    {"Saltwater Hymns", "The Quillon Sisters", "Gospel", "CD", 2001, 4, 1, "", "",
     "Three-part harmony with a pump organ.", "", "", ""},
    {"Dust on the Mandolin", "Roy Tebbet & the Pinewood Ramblers", "BlueGrass", "LP Album", 1975, 4, 1,
     "", "", "", "", "", ""},
    {"Slow Weather", "Anouk Verhelst", "New Age", "CD", 1995, 6, 1, "", "",
     "Long pieces for piano and field sounds.", "", "", ""},
    {"Fourteen Doors", "Kestrel Avenue", "Pop", "CD", 2006, 7, 1, "", "", "", "", "", ""},
    {"The Orchard Sessions", "Hollis Brand Trio", "Jazz", "DAT", 1994, 9, 1, "", "",
     "Rehearsal tapes made in a barn studio.", "Master copy - play on the good deck only.", "", ""},
    {"Harrowgate Blues", "Big Jubal Marsh", "Blues", "LP Album", 1968, 0, 1, "", "", "", "", "", "Rare"},
    {"Live at the Corn Exchange", "Kestrel Avenue", "Rock", "MiniDisk", 1999, 9, 1, "", "",
     "Taped from the sound desk.", "", "", "Signed"},
    {"Songs from the Ferry", "Tamsin Orrell", "Folk", "Cassette", 1983, 2, 1, "", "", "", "", "", ""},
    {"Violin Concerto in A minor", "Petra Lindqvist", "Classical", "CD", 2004, 3, 1,
     "Arkady Rusanov", "Tomas Heberle", "With the Ostrava Chamber Orchestra.", "", "", ""},
    {"The Clockmaker's Daughter", "Calderon Opera Company", "Opera", "CD", 1997, 3, 2,
     "Benedetta Orsi", "Lucien Ferrault", "Opera in three acts, complete.", "", "Golden Baton 1998", ""},
    {"Midnight Diner Radio", "Various Artists", "Top 40", "Cassette", 1989, 7, 1, "", "", "", "", "", ""},
    {"Wide Open Prairie", "Della Kincaid", "Country", "CD", 1993, 4, 1, "", "", "", "", "", ""},
    {"Tidepool", "Anouk Verhelst", "New Age", "MiniDisk", 1998, 6, 1, "", "", "", "", "", ""},
    {"Starlight Over Brimley", "Oskar Vantongeren", "Movie/Show", "CD", 2008, 7, 1, "", "",
     "Original score.", "", "", ""},
    {"Voices of the Lighthouse Keepers", "Ruth Abernathy", "Spoken", "Cassette", 1992, 8, 2, "", "",
     "Interviews and readings.", "", "", ""},
    {"Electric Gardens", "Sodium Lamps", "Electronic", "CD", 2011, 5, 1, "", "", "", "", "", ""},
    {"Quiet Hours", "The Ellery Strings", "E-Z Listen", "LP Album", 1972, 0, 1, "", "", "", "", "", ""},
    {"Bright Morning Choir", "St. Aldric's Youth Choir", "Gospel", "LP Album", 1981, 4, 1, "", "",
     "", "", "", "Gift"},
    {"Rustbelt Lullabies", "Glimmerfield", "Rock", "CD", 1992, 1, 1, "", "", "", "", "", ""},
    {"Piano Sonatas 1-3", "Yuki Amberley", "Classical", "DAT", 1996, 3, 1, "Sigurd Halvorsen", "",
     "Broadcast recording.", "", "", ""},
    {"Mountain Radio", "Roy Tebbet & the Pinewood Ramblers", "BlueGrass", "CD", 1990, 4, 1, "", "",
     "", "", "", ""},
    {"Postcards from Velmora", "Mira Solvang", "Jazz", "MiniDisk", 2000, 5, 1, "", "", "", "", "", ""},
    {"Greatest Bits", "The Pixel Choir", "Electronic", "CD", 2014, 5, 1, "", "", "", "", "", ""},
    {"Kingfisher", "Tamsin Orrell", "Folk", "CD", 1996, 2, 1, "", "", "", "", "Folk Roots Album of the Year", ""},
    {"Backroad Gospel", "The Quillon Sisters", "Gospel", "Cassette", 1994, 4, 1, "", "", "", "", "", ""},
    {"Neon Saturday", "Kestrel Avenue", "Top 40", "CD", 2002, 7, 1, "", "", "", "", "", ""},
    {"Under the Viaduct", "Big Jubal Marsh", "Blues", "CD", 1995, 0, 1, "", "",
     "Reissue with two unreleased takes.", "", "", "Reissue"},
    {"The Winter Suite", "Northmarch Philharmonic", "Classical", "LP Album", 1977, 3, 1,
     "Ettore Tavelli", "Ilse Brandmeyer", "", "", "", ""},
    {"Circus of Small Wonders", "Original Stage Cast", "Movie/Show", "CD", 2005, 7, 1, "", "",
     "Songs from the stage show.", "", "", ""},
    {"Desert Almanac", "Sodium Lamps", "Electronic", "DVD", 2016, 5, 1, "", "",
     "Concert film with a surround mix.", "", "", ""},
    {"Late Light", "Hollis Brand Trio", "Jazz", "CD", 2009, 5, 1, "", "", "", "", "", ""},
    {"Riverbend Radio Hour", "Della Kincaid", "Country", "Cassette", 1988, 4, 1, "", "",
     "Taped off the radio.", "", "", ""},
    {"Field Recordings from Kalevo", "Various Artists", "World", "CD", 2012, 8, 1, "", "", "", "", "", ""},
    {"Drums of the Tasseri Coast", "Tasseri Drum Collective", "World", "LP Album", 1984, 8, 1, "", "",
     "", "", "", ""},
    {"Orbit Cafe", "The Ellery Strings", "E-Z Listen", "CD", 1999, 0, 1, "", "", "", "", "", ""},
    {"Stories for a Rainy Afternoon", "Ruth Abernathy", "Spoken", "CD", 2007, 8, 1, "", "", "", "", "", ""},
    {"Thunder in the Valley", "Ironvale", "Rock", "LP Album", 1982, 1, 1, "", "", "", "", "", ""},
    {"Ironvale Live 1985", "Ironvale", "Rock", "DVD", 2003, 1, 1, "", "", "", "", "", ""},
    {"Lullabies for the Lighthouse", "Anouk Verhelst", "New Age", "Cassette", 1991, 6, 1, "", "",
     "", "", "", "Gift"},
    {"Blue Lanterns", "Mira Solvang", "Jazz", "DAT", 2005, 9, 1, "", "",
     "Studio master copy.", "", "", ""},
    {"Summer Chart Mix '91", "Various Artists", "Top 40", "Cassette", 1991, 7, 1, "", "", "", "", "", ""},
    {"String Quartets Nos. 4 and 5", "Kalinov Quartet", "Classical", "MiniDisk", 2001, 3, 1,
     "Arkady Rusanov", "", "", "", "", ""},
    {"The Harbour Masters' Ball", "The Wexbridge Ensemble", "Folk", "LP Album", 1986, 2, 1, "", "",
     "", "", "", ""},
    {"Gospel Train Coming", "St. Aldric's Youth Choir", "Gospel", "CD", 2010, 4, 1, "", "", "", "", "", ""},
    {"Signal and Noise", "The Pixel Choir", "Electronic", "MiniDisk", 2002, 5, 1, "", "", "", "", "", ""},
};

constexpr std::array kAdjectives = {
    "Silver", "Quiet", "Broken", "Golden", "Northern", "Paper", "Hollow", "Crimson", "Lonely",
    "Distant", "Little", "Restless", "Velvet", "Winter", "Summer", "Electric", "Wandering",
    "Faded", "Open", "Early",
};
constexpr std::array kNouns = {
    "River", "Morning", "Lantern", "Harbour", "Window", "Road", "Garden", "Letter", "Bridge",
    "Shadow", "Engine", "Meadow", "Station", "Compass", "Feather", "Kitchen", "Ladder",
    "Signal", "Orchard", "Tide",
};
constexpr std::array kMovements = {
    "Allegro moderato", "Andante cantabile", "Scherzo: Vivace", "Adagio", "Finale: Presto",
    "Largo", "Rondo: Allegretto", "Intermezzo",
};
constexpr std::array kGuestArtists = {
    "Ada Ferrow", "The Lamplighters", "Jonas Pell", "Marguerite Osei", "Dunmore Five",
    "Tilly Gasket", "Orrin Vale", "The Cobblestones",
};

// A small fixed generator, so the file is the same on every machine.
class Dice {
public:
    int roll(int low, int high)
    {
        m_state = m_state * 6364136223846793005ULL + 1442695040888963407ULL;
        const auto r = static_cast<int>((m_state >> 33) % static_cast<quint64>(high - low + 1));
        return low + r;
    }

private:
    quint64 m_state = 0x5EED2026ULL;
};

QString text(const char* s) { return QString::fromUtf8(s); }

QString trackTitle(const Recording& r, int index, int n, Dice& dice)
{
    const QString category = text(r.category);
    // No number in the title: the windows and reports number tracks themselves.
    if (category == u"Classical" || category == u"Opera")
        return text(kMovements[(n - 1 + index * 3) % kMovements.size()]);
    const QString adjective = text(kAdjectives[dice.roll(0, kAdjectives.size() - 1)]);
    const QString noun = text(kNouns[dice.roll(0, kNouns.size() - 1)]);
    if (category == u"Spoken")
        return QStringLiteral("Chapter %1: The %2 %3").arg(n).arg(adjective, noun);
    if (category == u"Blues")
        return QStringLiteral("%1 %2 Blues").arg(adjective, noun);
    switch (dice.roll(0, 3)) {
    case 0: return QStringLiteral("The %1 %2").arg(adjective, noun);
    case 1: return QStringLiteral("%1 Song").arg(noun);
    default: return QStringLiteral("%1 %2").arg(adjective, noun);
    }
}

int trackCount(const QString& medium, Dice& dice)
{
    if (medium == u"LP Album" || medium == u"Cassette")
        return dice.roll(8, 12);
    if (medium == u"DVD")
        return dice.roll(10, 16);
    return dice.roll(6, 14);
}

Currency price(const QString& medium, Dice& dice)
{
    int cents = 0;
    if (medium == u"CD") cents = dice.roll(9, 18) * 100 + 99;
    else if (medium == u"LP Album") cents = dice.roll(3, 24) * 100 + 50;
    else if (medium == u"Cassette") cents = dice.roll(4, 9) * 100 + 99;
    else if (medium == u"DAT") cents = 2200;
    else if (medium == u"MiniDisk") cents = dice.roll(12, 16) * 100;
    else cents = 1999;
    return Currency{qint64(cents) * 100};
}

QString location(const QString& medium, const QString& artist)
{
    QString sortName = artist.startsWith(u"The ") ? artist.mid(4) : artist;
    const QChar shelf = sortName.isEmpty() ? u'A' : sortName.at(0).toUpper();
    if (medium == u"CD") return QStringLiteral("CD rack, shelf %1").arg(shelf);
    if (medium == u"LP Album") return QStringLiteral("LP crate %1").arg(shelf < u'M' ? 1 : 2);
    if (medium == u"Cassette") return QStringLiteral("Cassette drawer");
    if (medium == u"DAT") return QStringLiteral("Studio box");
    if (medium == u"MiniDisk") return QStringLiteral("MiniDisc case");
    return QStringLiteral("Video shelf");
}

void addRecording(CEntries& entries, const Recording& r, int index, Dice& dice)
{
    CEntry* e = entries.AddNewEntry();
    e->CDTitle = text(r.title);
    e->CDArtist = text(r.artist);
    e->CDCategory = text(r.category);
    e->CDMedium = text(r.medium);
    e->CDLabel = text(kLabels[r.label]);
    e->CDCatnbr = QStringLiteral("%1-%2").arg(text(kLabelCodes[r.label])).arg(1000 + dice.roll(0, 8999));
    e->CDNbrDisks = qint16(r.discs);
    e->CDRelYear = qint16(r.year);
    e->CDRateSound = qint16(dice.roll(5, 10));
    e->CDRatePerform = qint16(dice.roll(5, 10));
    e->CDComposer = text(r.composer);
    e->CDConductor = text(r.conductor);
    e->CDDesc = text(r.description);
    e->CDComments = text(r.comments);
    e->CDAwards = text(r.awards);
    e->CDMiscKey1 = text(r.key1);
    e->CDLocation = location(e->CDMedium, e->CDArtist);
    e->CDCollNbr = QStringLiteral("V-%1").arg(index + 1, 3, 10, QLatin1Char('0'));
    // Bought in the year of release or later (records older than 1985 second-hand),
    // never after the end of 2025; every seventh one without a purchase record.
    if (index % 7 != 3) {
        const int year = qMin(2025, qMax(r.year, 1985) + dice.roll(0, 3));
        e->CDPurchDate = OleDate::fromDate(QDate(year, dice.roll(1, 12), dice.roll(1, 28)));
        e->CDPurchCost = price(e->CDMedium, dice);
    }

    const bool classical = e->CDCategory == u"Classical" || e->CDCategory == u"Opera";
    const bool various = e->CDArtist == u"Various Artists";
    const int tracks = classical ? dice.roll(3, 8) * r.discs : trackCount(e->CDMedium, dice);
    QString total = QStringLiteral("00:00");
    for (int n = 1; n <= tracks; ++n) {
        CTrackEntry* t = e->AddNewTrackEntry();
        t->CDTrackTitle = trackTitle(r, index, n, dice);
        const int seconds = classical ? dice.roll(240, 960) : dice.roll(110, 420);
        t->setCDTrackTimeStr(SecondsToTime(seconds));
        total = AddTimes(total, t->CDTrackTime);
        if (various)
            t->CDTrackArtists = text(kGuestArtists[dice.roll(0, kGuestArtists.size() - 1)]);
        if (n == tracks && e->CDMedium == u"CD" && index % 5 == 0)
            t->CDTrackDesc = QStringLiteral("Bonus track");
    }
    e->CDNbrTracks = qint16(tracks);
    e->setCDTotalTimeStr(total);

    entries.AddNewArtist(e->CDArtist);
    entries.AddNewLabel(e->CDLabel);
    entries.AddNewCategory(e->CDCategory);
    entries.AddNewMedium(e->CDMedium);
}

struct ViewColumn {
    int key;
    int width; // report width in characters; 0 keeps the column's default
};

void addView(CEntries& entries, const QString& name, const QString& heading,
             std::initializer_list<ViewColumn> columns)
{
    entries.AddNewView(name);
    CView* view = entries.CurrView();
    view->ReportHeading = heading;
    view->ClearAllColumns();
    for (const ViewColumn& c : columns) {
        CColumn* column = view->AddNewColumn(c.key);
        if (column && c.width > 0)
            column->ColumnWidth = qint16(c.width);
    }
}

// Collects the messages building would show; there should be none.
class CollectingMessages final : public IMessageService {
public:
    using IMessageService::show;
    MsgAnswer show(const Message& m) override
    {
        texts << m.title + QStringLiteral(": ") + m.text;
        return defaultAnswer(m.buttons, m.defaultButton);
    }
    QStringList texts;
};

} // namespace

void buildSampleCollection(CEntries& entries)
{
    LoadDefaultCategories(entries);
    for (const char* extra : {"Folk", "Electronic", "World"})
        entries.AddNewCategory(text(extra));
    LoadDefaultMediums(entries);

    Dice dice;
    int index = 0;
    for (const Recording& r : kRecordings)
        addRecording(entries, r, index++, dice);

    addView(entries, QStringLiteral("Standard View"), QStringLiteral("My Recordings"),
            {{Field::Artist, 30}, {Field::Title, 34}, {Field::Category, 0}, {Field::Medium, 0},
             {Field::RelYear, 0}, {Field::TotalTime, 6}});
    addView(entries, QStringLiteral("Shelf List"), QStringLiteral("Shelf List"),
            {{Field::Location, 18}, {Field::CollNbr, 0}, {Field::Medium, 0}, {Field::Title, 34},
             {Field::Artist, 30}});
    entries.LocateViewByName(QStringLiteral("Standard View"));
}

QByteArray sampleCollectionBytes(QStringList* problems)
{
    CollectingMessages messages;
    const LocaleFormats formats(QLocale(QLocale::English, QLocale::UnitedStates),
                                [] { return QDate(2026, 1, 1); });
    QTemporaryDir settings;
    Workspace ws(messages, formats, settings.filePath(QStringLiteral("settings.ini")));
    buildSampleCollection(ws.entries);
    CFileIO io(ws);
    QByteArray bytes = io.SaveToBytes();
    if (!messages.texts.isEmpty()) {
        if (problems)
            *problems = messages.texts;
        return {};
    }
    return bytes;
}

} // namespace vinaxo
