// A whole collection exported and imported back: every exchanged field comes back equal.
#include "ExchangeTestSupport.h"
#include "exchange/DelimitedExport.h"
#include "exchange/DelimitedImport.h"
#include "model/ListOrder.h"
#include "support/TestWorld.h"

#include <QRandomGenerator>

using namespace vinaxo;
using namespace vinaxo::exchange;

namespace {
// Texts with what a collection holds: delimiters of every kind, quotes, letters beyond
// ASCII that Windows-1252 has, leading blanks (trailing blanks are not exported).
QString text(QRandomGenerator& rng, bool allowTrackDelimiter = true)
{
    static const QStringList parts = {"Night", "Songs", "\"quoted\"", "a, b", "Caf\u00E9", "\u20AC 5",
                                      "x;y", "'single'", "\u0152uvre", "  lead", "", "tab\there"};
    QString s;
    const int n = int(rng.bounded(4));
    for (int i = 0; i < n; ++i)
        s += parts[int(rng.bounded(parts.size()))] + (i + 1 < n ? " " : "");
    if (!allowTrackDelimiter)
        s.replace(u';', u':');
    while (s.endsWith(u' '))
        s.chop(1);
    return s;
}

QString time(QRandomGenerator& rng)
{
    return rng.bounded(5) == 0 ? QString() : QStringLiteral("%1:%2").arg(rng.bounded(80)).arg(rng.bounded(60), 2, 10, QChar(u'0'));
}

void fillCollection(CEntries& c, int n)
{
    QRandomGenerator rng(20261207);
    for (int i = 0; i < n; ++i) {
        CEntry* e = c.AddNewEntry();
        e->CDTitle = text(rng);
        e->CDArtist = text(rng);
        e->CDDesc = text(rng);
        e->CDCategory = text(rng);
        e->CDLabel = text(rng);
        e->CDCatnbr = text(rng);
        e->CDNbrDisks = qint16(rng.bounded(1, 6));
        e->CDRelYear = rng.bounded(3) == 0 ? 0 : qint16(rng.bounded(1900, 2030));
        e->CDRateSound = qint16(rng.bounded(11));
        e->CDRatePerform = qint16(rng.bounded(11));
        e->CDAwards = text(rng);
        e->CDComposer = text(rng);
        e->CDConductor = text(rng);
        if (rng.bounded(4) != 0)
            e->CDPurchDate = OleDate::fromDate(QDate(1980, 1, 1).addDays(rng.bounded(16000)));
        e->CDPurchCost = Currency{qint64(rng.bounded(2000000000)) - 100000000};
        e->CDLocation = text(rng);
        e->CDCollNbr = text(rng);
        e->CDMiscKey1 = text(rng);
        e->CDMiscKey2 = text(rng);
        e->CDMiscKey3 = text(rng);
        e->CDNbrTracks = qint16(rng.bounded(30));
        e->CDTotalTime = time(rng);
        e->CDMedium = text(rng).trimmed();
        const int tracks = int(rng.bounded(13));
        for (int k = 0; k < tracks; ++k) {
            CTrackEntry* t = e->AddNewTrackEntry();
            t->CDTrackTitle = text(rng, false).trimmed();
            t->CDTrackTime = time(rng);
            t->CDTrackDesc = QStringLiteral("not exchanged");
        }
    }
}

void expectSame(const CEntry& a, const CEntry& b, bool times)
{
    const QStringList ta = {a.CDTitle, a.CDArtist, a.CDDesc, a.CDCategory, a.CDLabel, a.CDCatnbr, a.CDAwards,
                            a.CDComposer, a.CDConductor, a.CDLocation, a.CDCollNbr, a.CDMiscKey1, a.CDMiscKey2,
                            a.CDMiscKey3, a.CDTotalTime, a.CDMedium};
    const QStringList tb = {b.CDTitle, b.CDArtist, b.CDDesc, b.CDCategory, b.CDLabel, b.CDCatnbr, b.CDAwards,
                            b.CDComposer, b.CDConductor, b.CDLocation, b.CDCollNbr, b.CDMiscKey1, b.CDMiscKey2,
                            b.CDMiscKey3, b.CDTotalTime, b.CDMedium};
    EXPECT_EQ(ta, tb);
    EXPECT_EQ(std::tuple(a.CDNbrDisks, a.CDRelYear, a.CDRateSound, a.CDRatePerform, a.CDNbrTracks),
              std::tuple(b.CDNbrDisks, b.CDRelYear, b.CDRateSound, b.CDRatePerform, b.CDNbrTracks));
    EXPECT_EQ(a.CDPurchCost, b.CDPurchCost);
    EXPECT_EQ(a.CDPurchDate, b.CDPurchDate);
    ASSERT_EQ(a.TrackEntries().size(), b.TrackEntries().size()) << a.CDKey.toStdString();
    for (qsizetype k = 0; k < a.TrackEntries().size(); ++k) {
        EXPECT_EQ(a.TrackEntries().at(k)->CDTrackTitle, b.TrackEntries().at(k)->CDTrackTitle);
        if (times) {
            EXPECT_EQ(a.TrackEntries().at(k)->CDTrackTime, b.TrackEntries().at(k)->CDTrackTime);
        }
    }
}

void roundTrip(const ColTable& table, bool times)
{
    test::TestWorld from, to;
    fillCollection(from.entries(), 400);
    RebuildSequence(from.sequence(), ListOrder(from.entries(), ListSort{}));
    QByteArray file;
    const ExportResult written = ExportRecords(from.entries(), from.sequence(), table, {}, file);
    ASSERT_EQ(written.recordsWritten(), 400);
    EXPECT_EQ(file.count("\r\n"), 400);

    test::RecordingLog log;
    const ImportResult read = DelimitedImport(to.entries(), table, {}, ExchangeHooks{&log}).readBytes(file);
    EXPECT_EQ(read.recordsRead(), 400);
    ASSERT_EQ(to.entries().Count(), 400);
    for (const QString& line : log.lines)
        EXPECT_TRUE(line.endsWith(", Purchase Date is missing")) << line.toStdString();
    for (int i = 0; i < 400; ++i)
        expectSame(*from.entries().Entries().at(i), *to.entries().Entries().at(i), times);
    EXPECT_EQ(from.messages.count() + to.messages.count(), 0u);
}
}

TEST(RoundTrip, EveryFieldWithTrackTitlesAndTimes)
{
    ColTable table;
    for (int n = Cat::Count; n >= 1; --n) {
        if (n != Cat::TrackTitles)
            table.Append(ColItem{qint16(n), 0}); // reverse order: the pair of fields sits first
    }
    roundTrip(table, true);
}

TEST(RoundTrip, TrackTitlesOnlyInTheMiddle)
{
    ColTable table;
    for (int n = 1; n < Cat::TrackTitles; ++n) {
        table.Append(ColItem{qint16(n), 0});
        if (n == 12)
            table.Append(ColItem{Cat::TrackTitles, 0});
    }
    roundTrip(table, false);
}

TEST(RoundTrip, OtherDelimiters)
{
    test::TestWorld from, to;
    fillCollection(from.entries(), 50);
    RebuildSequence(from.sequence(), ListOrder(from.entries(), ListSort{}));
    const ColTable table = test::tableOf({"Title", "Artist", "Track Titles/Times", "Description"});
    const Delimiters d{u'\t', u'\'', u'|'};
    QByteArray file;
    ExportRecords(from.entries(), from.sequence(), table, d, file);
    DelimitedImport(to.entries(), table, d).readBytes(file);
    ASSERT_EQ(to.entries().Count(), 50);
    for (int i = 0; i < 50; ++i) {
        EXPECT_EQ(from.entries().Entries().at(i)->CDDesc, to.entries().Entries().at(i)->CDDesc);
        EXPECT_EQ(from.entries().Entries().at(i)->TrackEntries().size(), to.entries().Entries().at(i)->TrackEntries().size());
    }
}
