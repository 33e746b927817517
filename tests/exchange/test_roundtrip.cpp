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

// The free texts that are exchanged as they are.
QString CEntry::* const Texts[] = {
    &CEntry::CDTitle,    &CEntry::CDArtist,    &CEntry::CDDesc,     &CEntry::CDCategory, &CEntry::CDLabel,
    &CEntry::CDCatnbr,   &CEntry::CDAwards,    &CEntry::CDComposer, &CEntry::CDConductor, &CEntry::CDLocation,
    &CEntry::CDCollNbr,  &CEntry::CDMiscKey1,  &CEntry::CDMiscKey2, &CEntry::CDMiscKey3};

void fillCollection(CEntries& c, int n)
{
    QRandomGenerator rng(20261207);
    for (int i = 0; i < n; ++i) {
        CEntry* e = c.AddNewEntry();
        for (auto m : Texts)
            e->*m = text(rng);
        e->CDNbrDisks = qint16(rng.bounded(1, 6));
        e->CDRelYear = rng.bounded(3) == 0 ? 0 : qint16(rng.bounded(1900, 2030));
        e->CDRateSound = qint16(rng.bounded(11));
        e->CDRatePerform = qint16(rng.bounded(11));
        if (rng.bounded(4) != 0)
            e->CDPurchDate = OleDate::fromDate(QDate(1980, 1, 1).addDays(rng.bounded(16000)));
        e->CDPurchCost = Currency{qint64(rng.bounded(2000000000)) - 100000000};
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

// Every exchanged field as text; track times only when they are exchanged.
QStringList exchanged(const CEntry& e, bool times)
{
    QStringList v = {e.CDTotalTime, e.CDMedium};
    for (auto m : Texts)
        v << e.*m;
    for (int n : {e.CDNbrDisks, e.CDRelYear, e.CDRateSound, e.CDRatePerform, e.CDNbrTracks})
        v << QString::number(n);
    v << QString::number(e.CDPurchCost.units) << (e.CDPurchDate ? e.CDPurchDate->date().toString() : "none");
    for (const auto& t : e.TrackEntries())
        v << t.value->CDTrackTitle + u'=' + (times ? t.value->CDTrackTime : QString());
    return v;
}

void roundTrip(const ColTable& table, bool times, int n = 400, Delimiters d = {})
{
    test::TestWorld from, to;
    fillCollection(from.entries(), n);
    RebuildSequence(from.sequence(), ListOrder(from.entries(), ListSort{}));
    QByteArray file;
    const ExportResult written = ExportRecords(from.entries(), from.sequence(), table, d, file);
    ASSERT_EQ(written.recordsWritten(), n);
    EXPECT_EQ(file.count("\r\n"), n);

    test::RecordingLog log;
    const ImportResult read = DelimitedImport(to.entries(), table, d, ExchangeHooks{&log}).readBytes(file);
    EXPECT_EQ(read.recordsRead(), n);
    ASSERT_EQ(to.entries().Count(), n);
    for (const QString& line : log.lines)
        EXPECT_TRUE(line.endsWith(", Purchase Date is missing")) << line.toStdString();
    for (int i = 0; i < n; ++i)
        EXPECT_EQ(exchanged(*to.entries().Entries().at(i), times), exchanged(*from.entries().Entries().at(i), times));
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

// Every field again, with other delimiters, none of them the default ones.
TEST(RoundTrip, OtherDelimiters)
{
    ColTable table;
    for (int n = 1; n <= Cat::Count; ++n) {
        if (n != Cat::TrackTitles)
            table.Append(ColItem{qint16(n), 0});
    }
    roundTrip(table, true, 50, Delimiters{u'\t', u'\'', u'|'});
}
