#pragma once
// Builds collection files byte by byte, independently of the writer under test, and the
// small helpers the file tests share.
#include "model/CEntries.h"
#include "model/CEntry.h"
#include "model/CTrackEntry.h"
#include "platform/IMessageService.h"
#include "support/TestWorld.h"

#include <QByteArray>
#include <QFile>
#include <QtEndian>
#include <QList>
#include <cstring>
#include <vector>

#include <gtest/gtest.h>

namespace vinaxo::test {

struct FileBytes {
    QByteArray b;

    template <class T>
    FileBytes& le(T v)
    {
        char x[sizeof(T)];
        qToLittleEndian(v, x);
        b.append(x, qsizetype(sizeof(T)));
        return *this;
    }
    FileBytes& byte(int c) { b.append(char(c)); return *this; }
    FileBytes& i16(qint16 v) { return le(v); }
    FileBytes& f64(double v)
    {
        quint64 bits;
        std::memcpy(&bits, &v, 8);
        return le(bits);
    }
    FileBytes& raw(const QByteArray& x) { b.append(x); return *this; }

    FileBytes& header(double release, qint16 leading = 0)
    {
        i16(leading).f64(release);
        b.append(16, '\0');
        return *this;
    }
    // Elements of the current release.
    FileBytes& text(int code, const QByteArray& bytes)
    {
        return byte(code).i16(qint16(bytes.size())).raw(bytes);
    }
    FileBytes& integer(int code, qint16 v) { return byte(code).i16(v); }
    FileBytes& currency(int code, qint64 units) { return byte(code).le(units); }
    FileBytes& date(int code, double serial) { return byte(code).i16(8).f64(serial); }
    FileBytes& noDate(int code) { return byte(code).i16(0); }

    // A fixed-length text of the previous release, padded with spaces.
    FileBytes& fixed(const QByteArray& text, int width)
    {
        QByteArray t = text.left(width);
        t.append(width - t.size(), ' ');
        return raw(t);
    }

    operator QByteArray() const { return b; }
};

// Files of the previous release.
namespace old {
inline QByteArray vEmpty() { return FileBytes{}.i16(0); }
inline QByteArray vNull() { return FileBytes{}.i16(1); }
inline QByteArray vDate(double serial) { return FileBytes{}.i16(7).f64(serial); }
inline QByteArray vDouble(double serial) { return FileBytes{}.i16(5).f64(serial); }
inline QByteArray vText(const QByteArray& t) { return FileBytes{}.i16(8).i16(qint16(t.size())).raw(t); }

// One record of the previous release.
struct OldRecord {
    QByteArray title = "Title", artist = "Artist", desc, category = "Jazz", label = "Label",
               catnbr, medium = "C";
    qint16 disks = 1, sound = 0, perform = 0, tracks = 0;
    QByteArray released = vEmpty(), purchased = vEmpty();
    QByteArray composer, conductor, location, collNbr, misc1, misc2, misc3, totalTime, awards,
        comments;
    qint64 cost = 0;
    QByteArray titles, times, descs;

    QByteArray bytes() const
    {
        FileBytes f;
        f.f64(1).fixed(title, 80).fixed(artist, 80).fixed(desc, 80).fixed(category, 10)
            .fixed(label, 20).fixed(catnbr, 20).i16(disks).fixed(medium, 1).raw(released)
            .i16(sound).i16(perform).fixed(composer, 40).fixed(conductor, 40).raw(purchased)
            .le(cost).fixed(location, 10).fixed(collNbr, 10).fixed(misc1, 10).fixed(misc2, 10)
            .fixed(misc3, 10).i16(tracks).fixed(totalTime, 6).fixed(awards, 100)
            .fixed(comments, 200).i16(qint16(titles.size())).i16(qint16(times.size()))
            .i16(qint16(descs.size())).fixed("", 100);
        if (!titles.isEmpty())
            f.raw(titles).raw(times).raw(descs);
        return f;
    }
};

inline QByteArray oldFile(const std::vector<OldRecord>& records, const QList<QByteArray>& categories = {})
{
    FileBytes f;
    f.header(150, qint16(categories.size()));
    for (const QByteArray& c : categories)
        f.fixed(c, 10);
    for (const OldRecord& r : records)
        f.raw(r.bytes());
    return f;
}

} // namespace old

inline QStringList names(const NameList& list)
{
    QStringList out;
    for (const auto& item : list)
        out << item.value;
    return out;
}

// Every stored field of a recording as text, in declaration order, so that one comparison
// shows which field went wrong.
inline QStringList entryFields(const CEntry& e)
{
    const auto n = [](qint64 v) { return QString::number(v); };
    return {e.CDTitle, e.CDArtist, e.CDDesc, e.CDCategory, e.CDLabel, e.CDCatnbr,
            n(e.CDNbrDisks), e.CDMedium, n(e.CDRelYear), n(e.CDRateSound), n(e.CDRatePerform),
            e.CDComposer, e.CDConductor,
            e.CDPurchDate ? e.CDPurchDate->date().toString(Qt::ISODate) : QString("none"),
            e.CDPurchCost.toPlainText(), e.CDLocation, e.CDCollNbr, e.CDMiscKey1, e.CDMiscKey2,
            e.CDMiscKey3, n(e.CDNbrTracks), e.CDTotalTime, e.CDAwards, e.CDComments,
            n(e.CDSongsLength), n(e.CDSongsTimeLength), n(e.CDSongsDescLength)};
}

// One message in full.
inline QStringList trackFields(const CTrackEntry& t)
{
    return {t.Key, t.CDTrackTitle, t.CDTrackTime, t.CDTrackDesc, t.CDTrackArtists};
}

} // namespace vinaxo::test
