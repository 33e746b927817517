#pragma once
// Builds realistic collections for the benchmarks: n recordings of 12 tracks each,
// about 500 artists and 100 labels in varying letter case.
#include "model/CEntries.h"
#include "model/CEntrySelection.h"
#include "model/ListOrder.h"
#include "model/Workspace.h"
#include "platform/IFormats.h"
#include "platform/IMessageService.h"

#include <QTemporaryDir>
#include <vector>

namespace vinaxo::bench {

class SilentMessages final : public IMessageService {
public:
    using IMessageService::show;
    MsgAnswer show(const Message& m) override { return defaultAnswer(m.buttons, m.defaultButton); }
};

// Texts made once, so that building measures the collection, not string formatting.
struct Texts {
    std::vector<QString> artists, labels, titles, trackTitles, trackTimes, categories, mediums;
    Texts()
    {
        for (int i = 0; i < 500; ++i)
            artists.push_back(QStringLiteral("Artist Number %1").arg(i));
        for (int i = 0; i < 100; ++i)
            labels.push_back(QStringLiteral("Label %1 Records").arg(i));
        for (int i = 0; i < 997; ++i)
            titles.push_back(QStringLiteral("Album title %1 of the collection").arg(i));
        for (int i = 0; i < 251; ++i)
            trackTitles.push_back(QStringLiteral("Track title number %1").arg(i));
        for (int i = 0; i < 61; ++i)
            trackTimes.push_back(QStringLiteral("%1:%2").arg(2 + i % 7).arg(i % 60, 2, 10, QChar(u'0')));
        categories = {QStringLiteral("Jazz"), QStringLiteral("Rock"), QStringLiteral("Classical"),
                      QStringLiteral("Pop")};
        mediums = {QStringLiteral("CD"), QStringLiteral("Cassette"), QStringLiteral("LP Album")};
    }
    // The same name in another letter case now and then, as typed by a person.
    static QString varyCase(const QString& s, int i)
    {
        return i % 7 == 0 ? s.toUpper() : i % 11 == 0 ? s.toLower() : s;
    }
};

// One world of the application with silent messages and settings in a temporary folder.
struct World {
    QTemporaryDir dir;
    SilentMessages messages;
    LocaleFormats formats{QLocale(QLocale::English, QLocale::UnitedStates)};
    Workspace ws{messages, formats, dir.filePath(QStringLiteral("s.ini"))};
};

inline const Texts& texts()
{
    static const Texts t;
    return t;
}

inline void buildCollection(CEntries& c, int n, const Texts& t, bool varyCase)
{
    for (int i = 0; i < n; ++i) {
        CEntry* e = c.AddNewEntry();
        const QString& artist = t.artists[std::size_t(i % 500)];
        const QString& label = t.labels[std::size_t(i % 100)];
        e->CDArtist = varyCase ? Texts::varyCase(artist, i) : artist;
        e->CDLabel = varyCase ? Texts::varyCase(label, i) : label;
        e->CDTitle = t.titles[std::size_t(i % 997)];
        e->CDCategory = t.categories[std::size_t(i % 4)];
        e->CDMedium = t.mediums[std::size_t(i % 3)];
        e->CDRelYear = qint16(1950 + i % 70);
        e->CDNbrTracks = 12;
        for (int k = 0; k < 12; ++k) {
            CTrackEntry* tr = e->AddNewTrackEntry();
            tr->CDTrackTitle = t.trackTitles[std::size_t((i + k) % 251)];
            tr->CDTrackTime = t.trackTimes[std::size_t((i + k) % 61)];
        }
        c.AddNewArtist(e->CDArtist);
        c.AddNewLabel(e->CDLabel);
    }
}

// The same collection with every other field filled as a person would: unique titles,
// descriptions and numbers, repeating composers, conductors and places.
inline void buildFullCollection(CEntries& c, int n)
{
    buildCollection(c, n, texts(), false);
    int i = 0;
    for (auto& item : c.Entries()) {
        CEntry& e = *item.value;
        e.CDDesc = QStringLiteral("A description, with a comma, of recording %1").arg(i);
        e.CDCatnbr = QStringLiteral("CAT-%1").arg(i);
        e.CDNbrDisks = qint16(1 + i % 3);
        e.CDRateSound = qint16(i % 11);
        e.CDRatePerform = qint16((i * 7) % 11);
        e.CDAwards = i % 5 == 0 ? QStringLiteral("Best \"live\" album") : QString();
        e.CDComposer = QStringLiteral("Composer %1").arg(i % 300);
        e.CDConductor = QStringLiteral("Conductor %1").arg(i % 50);
        e.CDPurchDate = OleDate::fromDate(QDate(1990, 1, 1).addDays(i % 12000));
        e.CDPurchCost = Currency{qint64(100000 + i * 37)};
        e.CDLocation = QStringLiteral("Shelf %1").arg(i % 40);
        e.CDCollNbr = QString::number(i);
        e.CDMiscKey1 = QStringLiteral("k1");
        e.CDMiscKey2 = QStringLiteral("k2");
        e.CDMiscKey3 = QStringLiteral("k3");
        e.CDTotalTime = QStringLiteral("58:31");
        ++i;
    }
}

// Artists named as people write them, accents and all (500 names, each letter one the
// collection file's code page holds), and total times from 3:00 to 135:59 with one in ten
// empty: what the list sorts when sorted by an accented column or by time.
inline void varyForSorting(CEntries& c)
{
    static const char* const given[] = {
        "Élodie", "Zoë", "Ángel", "Søren", "Jürgen", "Anaïs", "François", "Ólafur", "Chloé",
        "Antonín", "Lucía", "Renée", "José", "Ingrid", "Mirela", "Noémie", "Cécile", "Šárka",
        "Ömer", "Ève"};
    static const char* const family[] = {
        "Åkesson", "Müller", "Núñez", "Øvergaard", "Castaño", "Lévesque", "Strauß", "Ibáñez",
        "Ørsted", "Ebner", "Zúñiga", "Weiß", "Éluard", "van Dyke", "Dvorák", "Sørensen",
        "Nováková", "Brontë", "Gödel", "Åberg", "Çelik", "Ødegaard", "Ybarra", "Žižek",
        "Adams"};
    int i = 0;
    for (auto& item : c.Entries()) {
        CEntry& e = *item.value;
        e.CDArtist = QString::fromUtf8(given[i % 20]) + u' ' + QString::fromUtf8(family[(i / 20) % 25]);
        e.CDTotalTime = i % 10 == 9 ? QString()
                                    : QStringLiteral("%1:%2").arg(3 + (i * 37) % 133).arg(i % 60, 2, 10, QChar(u'0'));
        ++i;
    }
}

// A text search in every field and every track, for a text found nowhere, so that
// every field of every recording is read.
inline void searchEverywhere(CEntrySelection& s)
{
    s.SearchTypeText = true;
    s.SearchString = QStringLiteral("zebra");
    s.SearchCase = 1;
    s.SearchTitle = s.SearchArtist = s.SearchDescription = s.SearchComments = s.SearchComposer =
        s.SearchConductor = s.SearchKey1 = s.SearchKey2 = s.SearchKey3 = s.SearchAwards =
            s.SearchTrackTitle = s.SearchTrackDesc = s.SearchLabel = s.SearchCatalogNbr =
                s.SearchYear = true;
}

// The report view of the print benchmarks, made current, and the key sequence sorted
// by artist as the main list would give it.
inline void addReportView(Workspace& ws)
{
    ws.entries.AddNewView(QStringLiteral("Bench"));
    ws.entries.LocateViewByName(QStringLiteral("Bench"));
    CView* v = ws.entries.CurrView();
    for (auto [key, width] : {std::pair{Field::Artist, 25}, {Field::Title, 35}, {Field::Category, 10},
                              {Field::Medium, 10}, {Field::RelYear, 5}})
        v->AddNewColumn(key)->ColumnWidth = qint16(width);
    RebuildSequence(ws.sequence, ListOrder(ws.entries, ListSort{Field::Artist, false}));
}

} // namespace vinaxo::bench
