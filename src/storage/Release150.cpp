#include "storage/Release150.h"
#include "model/CEntries.h"
#include "model/TimeText.h"
#include "model/Utility.h"
#include "platform/CodePage1252.h"
#include "platform/IBusyPointer.h"
#include "platform/IFormats.h"
#include "storage/ByteReader.h"
#include "storage/CFileIO.h"

#include <algorithm>
#include <vector>

namespace vinaxo {

namespace {
// Empty tracks a record may ask for beyond the pieces its texts hold: enough for any
// disc, and a bound on what a damaged count can make the reader build.
constexpr int kTracksWithoutPieces = 99;

// A fixed-length text: padded with spaces (or left as zero bytes), trimmed.
QString fixedText(const char* p, qsizetype n)
{
    auto blank = [](char c) { return c == ' ' || c == '\0'; };
    qsizetype b = 0, e = n;
    while (b < e && blank(p[b]))
        ++b;
    while (e > b && blank(p[e - 1]))
        --e;
    return cp1252::decode(p + b, e - b);
}

bool readFixed(ByteReader& r, qsizetype n, QString& out)
{
    const char* p = nullptr;
    if (!r.take(n, p))
        return false;
    out = fixedText(p, n);
    return true;
}

// The one variant field type of the old records that can hold a date.
struct Variant {
    enum Kind { Empty, Number, Date, Text } kind = Empty;
    double number = 0.0;
    QString text;
};

bool readVariant(ByteReader& r, Variant& v)
{
    qint16 type = 0;
    if (!r.read(type))
        return false;
    auto number = [&v](double x, Variant::Kind kind = Variant::Number) {
        v.kind = kind;
        v.number = x;
        return true;
    };
    switch (type) {
    case 0: // empty
    case 1: // null
        v.kind = Variant::Empty;
        return true;
    case 2:
    case 11: { // integer, boolean
        qint16 x = 0;
        return r.read(x) && number(x);
    }
    case 3: {
        qint32 x = 0;
        return r.read(x) && number(x);
    }
    case 4: {
        float x = 0;
        return r.readFloat(x) && number(double(x));
    }
    case 5: {
        double x = 0;
        return r.readDouble(x) && number(x);
    }
    case 6: {
        qint64 x = 0;
        return r.read(x) && number(double(x) / 10000.0);
    }
    case 7: {
        double x = 0;
        return r.readDouble(x) && number(x, Variant::Date);
    }
    case 8: {
        qint16 n = 0;
        const char* p = nullptr;
        if (!r.read(n) || !r.take(n, p))
            return false;
        v.kind = Variant::Text;
        v.text = cp1252::decode(p, n);
        return true;
    }
    case 17: {
        quint8 x = 0;
        return r.read(x) && number(x);
    }
    default:
        return false; // its size is unknown: the record cannot be read further
    }
}

// A date held by the variant: a date or a number as a day number, a text only when it
// reads as a date.
std::optional<OleDate> variantDate(const Variant& v, const IFormats& formats)
{
    switch (v.kind) {
    case Variant::Empty:
        return std::nullopt;
    case Variant::Number:
    case Variant::Date:
        if (OleDate::isPlausible(v.number))
            return OleDate{v.number};
        return std::nullopt;
    case Variant::Text:
        if (const auto d = formats.parseDate(v.text.trimmed()); d && d->isValid())
            return OleDate::fromDate(*d);
        return std::nullopt;
    }
    return std::nullopt;
}

struct Record {
    QString title, artist, desc, category, label, catnbr, medium, composer, conductor;
    QString location, collNbr, misc1, misc2, misc3, totalTime, awards, comments;
    qint16 nbrDisks = 0, rateSound = 0, ratePerform = 0, nbrTracks = 0;
    qint16 titlesLength = 0, timesLength = 0, descsLength = 0;
    Variant released, purchased;
    Currency cost;
};

bool readRecord(ByteReader& r, Record& rec)
{
    double number = 0;
    return r.readDouble(number) && readFixed(r, 80, rec.title) && readFixed(r, 80, rec.artist)
           && readFixed(r, 80, rec.desc) && readFixed(r, 10, rec.category)
           && readFixed(r, 20, rec.label) && readFixed(r, 20, rec.catnbr) && r.read(rec.nbrDisks)
           && readFixed(r, 1, rec.medium) && readVariant(r, rec.released)
           && r.read(rec.rateSound) && r.read(rec.ratePerform)
           && readFixed(r, 40, rec.composer) && readFixed(r, 40, rec.conductor)
           && readVariant(r, rec.purchased) && r.read(rec.cost.units)
           && readFixed(r, 10, rec.location) && readFixed(r, 10, rec.collNbr)
           && readFixed(r, 10, rec.misc1) && readFixed(r, 10, rec.misc2)
           && readFixed(r, 10, rec.misc3) && r.read(rec.nbrTracks)
           && readFixed(r, 6, rec.totalTime) && readFixed(r, 100, rec.awards)
           && readFixed(r, 200, rec.comments) && r.read(rec.titlesLength)
           && r.read(rec.timesLength) && r.read(rec.descsLength) && r.skip(100);
}

// A track text of the given length, raw (pieces are trimmed later).
bool readTrackText(ByteReader& r, qint16 length, QString& out)
{
    const char* p = nullptr;
    if (!r.take(length, p))
        return false;
    out = cp1252::decode(p, length);
    return true;
}

QString titleOfPiece(const QString& piece)
{
    // "12. Title": what follows the first "." and one more character. A piece without
    // "." is all title.
    const qsizetype dot = piece.indexOf(u'.');
    return dot < 0 ? piece.trimmed() : piece.mid(dot + 2).trimmed();
}

void addTracks(CEntry& e, const Record& rec, ByteReader& r)
{
    if (rec.titlesLength <= 0)
        return;
    QString titles, times, descs;
    if (!readTrackText(r, rec.titlesLength, titles))
        return;
    if (rec.timesLength > 0)
        readTrackText(r, rec.timesLength, times);
    if (rec.descsLength > 0)
        readTrackText(r, rec.descsLength, descs);
    const int count = rec.nbrTracks;
    if (count <= 0)
        return;
    const QStringList titlePieces = TrackTextPieces(titles, count);
    const QStringList timePieces = TrackTextPieces(times, count);
    const QStringList descPieces = TrackTextPieces(descs, count);
    const int pieces = int(std::max({titlePieces.size(), timePieces.size(), descPieces.size()}));
    const int build = std::min(count, std::max(pieces, kTracksWithoutPieces));
    // Added at once, so that they are kept packed as tracks read from a current file are.
    std::vector<CTrackEntry> tracks(std::size_t(std::max(build, 0)));
    for (int i = 0; i < build; ++i) {
        CTrackEntry& t = tracks[std::size_t(i)];
        if (i < titlePieces.size())
            t.CDTrackTitle = titleOfPiece(titlePieces[i]);
        if (i < timePieces.size()) {
            const QString time = timePieces[i].trimmed();
            if (IsValidTime(time))
                t.CDTrackTime = time;
        }
        if (i < descPieces.size())
            t.CDTrackDesc = descPieces[i].trimmed();
    }
    e.AddTracks(tracks.data(), qsizetype(tracks.size()));
}
}

QStringList TrackTextPieces(QStringView text, int limit)
{
    QStringList out;
    qsizetype pos = 0;
    while (out.size() < limit) {
        const qsizetype tilde = text.indexOf(u'~', pos);
        if (tilde < 0)
            break;
        qsizetype end = tilde;
        while (end > pos && text[end - 1].isSpace())
            --end;
        out << text.sliced(pos, end - pos).toString();
        pos = tilde + 1;
    }
    return out;
}

void ConvertRelease150(CEntries& entries, ByteReader& r, qint16 categoryRecords,
                       IProgress* progress)
{
    if (categoryRecords > 0)
        r.skip(qsizetype(categoryRecords) * 10); // their names are not kept
    LoadDefaultCategories(entries);
    LoadDefaultMediums(entries);

    const IFormats& formats = entries.formats();
    const qsizetype total = r.remaining();
    qint64 made = 0;
    while (!r.atEnd()) {
        Record rec;
        if (!readRecord(r, rec))
            break;
        CEntry* e = entries.AddNewEntry();
        e->CDTitle = rec.title;
        e->CDArtist = rec.artist;
        entries.AddNewArtist(static_cast<const QString&>(e->CDArtist));
        e->CDDesc = rec.desc;
        e->CDCategory = rec.category;
        entries.AddNewCategory(static_cast<const QString&>(e->CDCategory));
        e->CDLabel = rec.label;
        entries.AddNewLabel(static_cast<const QString&>(e->CDLabel));
        e->CDCatnbr = rec.catnbr;
        e->CDNbrDisks = rec.nbrDisks;
        e->CDMedium = CFileIO::ConvertMediumCodeToDesg(rec.medium);
        entries.AddNewMedium(static_cast<const QString&>(e->CDMedium));
        const auto released = variantDate(rec.released, formats);
        e->setCDRelYearStr(released ? QString::number(released->date().year()) : QString());
        e->CDRateSound = rec.rateSound;
        e->CDRatePerform = rec.ratePerform;
        e->CDComposer = rec.composer;
        e->CDConductor = rec.conductor;
        e->CDPurchDate = variantDate(rec.purchased, formats);
        e->CDPurchCost = rec.cost;
        e->CDLocation = rec.location;
        e->CDCollNbr = rec.collNbr;
        e->CDMiscKey1 = rec.misc1;
        e->CDMiscKey2 = rec.misc2;
        e->CDMiscKey3 = rec.misc3;
        e->CDNbrTracks = rec.nbrTracks;
        e->CDTotalTime = rec.totalTime;
        e->CDAwards = rec.awards;
        e->CDComments = rec.comments;
        e->CDSongsLength = rec.titlesLength;
        e->CDSongsTimeLength = rec.timesLength;
        e->CDSongsDescLength = rec.descsLength;
        addTracks(*e, rec, r);
        if (progress && (++made & 1023) == 0)
            progress->step(total - r.remaining(), total);
    }
    EnsureStandardView(entries);
}

} // namespace vinaxo
