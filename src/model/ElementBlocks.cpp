// The blocks of the collection file's element stream: each model class writes and
// reads its own elements, in the order and with the codes the file format fixes.
#include "model/CEntries.h"
#include "model/CEntry.h"
#include "model/CTrackEntry.h"
#include "model/CView.h"
#include "model/ElementIO.h"
#include "platform/CodePage1252.h"
#include "platform/IMessageService.h"

#include <QCoreApplication>
#include <optional>
#include <string>

namespace vinaxo {

void IElementIO::WriteTextBytes(int code, QByteArrayView bytes)
{
    const QString text = cp1252::decode(bytes.data(), bytes.size());
    WriteElement(code, QStringView(text));
}

namespace {
// Block marks: the start and end codes carry an int16 0.
enum : int {
    CategoryCode = 49, MediumCode = 50,
    ViewStart = 80, ViewNameCode = 81, ViewColumn = 82, ViewWidth = 83, ViewHeading = 87,
    ViewEnd = 89,
    EntryStart = 100, EntryEnd = 254, TrackStart = 180, TrackEnd = 189,
};

void reportAlignment(IMessageService* messages, const char* operation)
{
    if (messages) {
        messages->show(
            QCoreApplication::translate("ElementBlocks", "Unknown data type %1.").arg(QLatin1String(operation)),
            QCoreApplication::translate("ElementBlocks", "Error in element alignment"), MsgIcon::Critical,
            MsgButtons::OK);
    }
}

void skipMark(IElementIO& io)
{
    qint16 zero = 0;
    io.ReadIntegerElement(zero);
}

void readInteger(IElementIO& io, qint16& field)
{
    qint16 v = 0;
    if (io.ReadIntegerElement(v))
        field = v;
}

// Gathers a recording's tracks as the file gives them, in the packed form of TrackList,
// reading each track block as CTrackEntry::LoadTrackEntry does.
class TrackPacker {
public:
    TrackPacker()
    {
        bytes().clear();
    }
    qsizetype count() const { return m_count; }
    const std::string& packed() const { return bytes(); }

    void readTrack(IElementIO& io, IMessageService* messages)
    {
        struct Text {
            const char* bytes = nullptr;
            qsizetype length = 0;
        } texts[4];
        for (bool more = true; more;) {
            const int code = io.ReadElementType();
            if (code >= Field::TrackTitle && code <= Field::TrackArtists) {
                Text t;
                if (io.ReadTextBytes(t.bytes, t.length))
                    texts[code - Field::TrackTitle] = t;
                continue;
            }
            if (code == TrackEnd)
                skipMark(io);
            else
                reportAlignment(messages, "CTrackEntry.LoadEntry");
            more = false;
        }
        std::string& out = bytes();
        for (const Text& t : texts) {
            const quint16 n = quint16(t.length);
            out.append(reinterpret_cast<const char*>(&n), sizeof n);
            out.append(t.bytes, std::size_t(t.length));
        }
        ++m_count;
    }

private:
    // One buffer reused for every recording of a load.
    static std::string& bytes()
    {
        static thread_local std::string b;
        return b;
    }
    qsizetype m_count = 0;
};
}

// --- tracks --------------------------------------------------------------------------

void CTrackEntry::SaveTrackEntry() const
{
    if (!FileIO())
        return;
    IElementIO& io = *FileIO();
    io.WriteElement(TrackStart, qint16(0));
    io.WriteElement(Field::TrackTitle, QStringView(CDTrackTitle));
    io.WriteElement(Field::TrackTime, QStringView(CDTrackTime));
    io.WriteElement(Field::TrackDesc, QStringView(CDTrackDesc));
    io.WriteElement(Field::TrackArtists, QStringView(CDTrackArtists));
    io.WriteElement(TrackEnd, qint16(0));
}

bool CTrackEntry::LoadTrackEntry()
{
    if (!FileIO())
        return false;
    IElementIO& io = *FileIO();
    for (;;) {
        switch (io.ReadElementType()) {
        case Field::TrackTitle: io.ReadStringElement(CDTrackTitle); break;
        case Field::TrackTime: io.ReadSharedStringElement(CDTrackTime); break;
        case Field::TrackDesc: io.ReadStringElement(CDTrackDesc); break;
        case Field::TrackArtists: io.ReadSharedStringElement(CDTrackArtists); break;
        case TrackEnd: skipMark(io); return true;
        default:
            reportAlignment(Entries() ? &Entries()->messages() : nullptr, "CTrackEntry.LoadEntry");
            return false;
        }
    }
}

// --- recordings ----------------------------------------------------------------------

void CEntry::SaveEntry()
{
    if (!FileIO)
        return;
    IElementIO& io = *FileIO;
    auto text = [&io](int code, const QString& value) { io.WriteElement(code, QStringView(value)); };
    io.WriteElement(EntryStart, qint16(0));
    text(Field::Artist, CDArtist);
    text(Field::Title, CDTitle);
    text(Field::Desc, CDDesc);
    text(Field::Category, CDCategory);
    text(Field::Label, CDLabel);
    text(Field::Catnbr, CDCatnbr);
    io.WriteElement(Field::NbrDisks, CDNbrDisks);
    text(Field::Medium, CDMedium);
    io.WriteElement(Field::RelYear, CDRelYear);
    io.WriteElement(Field::RateSound, CDRateSound);
    io.WriteElement(Field::RatePerform, CDRatePerform);
    text(Field::Composer, CDComposer);
    text(Field::Conductor, CDConductor);
    io.WriteElement(Field::PurchDate, DateValue(CDPurchDate));
    io.WriteElement(Field::PurchCost, CDPurchCost);
    text(Field::Location, CDLocation);
    text(Field::CollNbr, CDCollNbr);
    text(Field::MiscKey1, CDMiscKey1);
    text(Field::MiscKey2, CDMiscKey2);
    text(Field::MiscKey3, CDMiscKey3);
    io.WriteElement(Field::NbrTracks, CDNbrTracks);
    text(Field::TotalTime, CDTotalTime);
    text(Field::Awards, CDAwards);
    text(Field::Comments, CDComments);
    // Packed tracks are written from their bytes, in the elements SaveTrackEntry writes.
    const bool packed = m_tracks.forEachPackedTrack([&io](const QByteArrayView (&texts)[4]) {
        io.WriteElement(TrackStart, qint16(0));
        io.WriteTextBytes(Field::TrackTitle, texts[0]);
        io.WriteTextBytes(Field::TrackTime, texts[1]);
        io.WriteTextBytes(Field::TrackDesc, texts[2]);
        io.WriteTextBytes(Field::TrackArtists, texts[3]);
        io.WriteElement(TrackEnd, qint16(0));
    });
    if (!packed)
        m_tracks.forEachTrack([](const CTrackEntry& t) { t.SaveTrackEntry(); });
    io.WriteElement(EntryEnd, qint16(0));
}

bool CEntry::LoadEntry()
{
    if (!FileIO)
        return false;
    IElementIO& io = *FileIO;
    bool repeated = false;
    // Tracks of a new recording are kept packed where the reader can give their bytes.
    std::optional<TrackPacker> packer;
    if (m_tracks.isEmpty() && io.GivesTextBytes())
        packer.emplace();
    struct Adopt {
        CEntry& e;
        std::optional<TrackPacker>& p;
        ~Adopt()
        {
            if (!p || p->count() == 0)
                return;
            e.m_tracks.adoptPacked(&e, e.m_nextTrackKey + 1, p->count(), p->count() - 1,
                                   p->packed().data(), qsizetype(p->packed().size()));
            e.m_nextTrackKey += qint32(p->count());
        }
    } adopt{*this, packer};
    for (;;) {
        const int code = io.ReadElementType();
        switch (code) {
        // A name the stream already gave for this field is on its list already.
        case Field::Artist:
            if (io.ReadSharedStringElement(CDArtist, repeated) && Entries && !repeated)
                Entries->AddNewArtist(static_cast<const QString&>(CDArtist));
            break;
        case Field::Category:
            if (io.ReadSharedStringElement(CDCategory, repeated) && Entries && !repeated)
                Entries->AddNewCategory(static_cast<const QString&>(CDCategory));
            break;
        case Field::Label:
            if (io.ReadSharedStringElement(CDLabel, repeated) && Entries && !repeated)
                Entries->AddNewLabel(static_cast<const QString&>(CDLabel));
            break;
        case Field::Awards: io.ReadStringElement(CDAwards); break;
        case Field::Catnbr: io.ReadStringElement(CDCatnbr); break;
        case Field::CollNbr: io.ReadStringElement(CDCollNbr); break;
        case Field::Comments: io.ReadStringElement(CDComments); break;
        case Field::Composer: io.ReadSharedStringElement(CDComposer); break;
        case Field::Conductor: io.ReadSharedStringElement(CDConductor); break;
        case Field::Desc: io.ReadStringElement(CDDesc); break;
        case Field::Location: io.ReadSharedStringElement(CDLocation); break;
        case Field::Medium: io.ReadSharedStringElement(CDMedium); break;
        case Field::MiscKey1: io.ReadStringElement(CDMiscKey1); break;
        case Field::MiscKey2: io.ReadStringElement(CDMiscKey2); break;
        case Field::MiscKey3: io.ReadStringElement(CDMiscKey3); break;
        case Field::Title: io.ReadStringElement(CDTitle); break;
        case Field::TotalTime: io.ReadSharedStringElement(CDTotalTime); break;
        case Field::NbrDisks: readInteger(io, CDNbrDisks); break;
        case Field::NbrTracks: readInteger(io, CDNbrTracks); break;
        case Field::RatePerform: readInteger(io, CDRatePerform); break;
        case Field::RateSound: readInteger(io, CDRateSound); break;
        case Field::RelYear: readInteger(io, CDRelYear); break;
        case Field::SongsDescLength: readInteger(io, CDSongsDescLength); break;
        case Field::SongsLength: readInteger(io, CDSongsLength); break;
        case Field::SongsTimeLength: readInteger(io, CDSongsTimeLength); break;
        case Field::PurchCost: {
            Currency c;
            if (io.ReadCurrencyElement(c))
                CDPurchCost = c;
            break;
        }
        case Field::PurchDate: {
            OleDate d;
            if (io.ReadDateElement(d))
                CDPurchDate = d;
            break;
        }
        case TrackStart: {
            skipMark(io);
            if (packer) {
                packer->readTrack(io, messages());
                break;
            }
            if (m_tracks.isEmpty() && CDNbrTracks > 1)
                m_tracks.reserve(qMin<qsizetype>(CDNbrTracks, 99)); // the count comes first
            AddNewTrackEntry()->LoadTrackEntry();
            break;
        }
        case EntryEnd:
            skipMark(io);
            return true;
        default:
            reportAlignment(messages(), "CEntry.LoadEntry");
            return false;
        }
    }
}

// --- views ---------------------------------------------------------------------------

void CView::SaveView()
{
    if (!FileIO)
        return;
    IElementIO& io = *FileIO;
    io.WriteElement(ViewStart, qint16(0));
    io.WriteElement(ViewNameCode, QStringView(ViewName));
    io.WriteElement(ViewHeading, QStringView(ReportHeading));
    for (const auto& item : m_columns) {
        io.WriteElement(ViewColumn, qint16(item.value->KeyNumber()));
        io.WriteElement(ViewWidth, item.value->ColumnWidth);
    }
    io.WriteElement(ViewEnd, qint16(0));
}

bool CView::LoadView(IMessageService& messages)
{
    if (!FileIO)
        return false;
    IElementIO& io = *FileIO;
    // The writer leaves out a blank heading: a block without one had a blank heading, not
    // the default a new view gets.
    ReportHeading.clear();
    CColumn* last = nullptr; // the column a width element belongs to
    for (;;) {
        switch (io.ReadElementType()) {
        case ViewNameCode:
            // Trimmed, as every view name is: names that differ only in surrounding blanks
            // would become one on saving, and one of the views would be lost.
            if (io.ReadStringElement(ViewName))
                ViewName = ViewName.trimmed();
            break;
        case ViewHeading: io.ReadStringElement(ReportHeading); break;
        case ViewColumn: {
            qint16 key = 0;
            if (io.ReadIntegerElement(key))
                last = AddNewColumn(key); // null for a key the view has already
            break;
        }
        case ViewWidth: {
            qint16 width = 0;
            if (io.ReadIntegerElement(width) && last)
                last->ColumnWidth = width;
            break;
        }
        case ViewEnd:
            skipMark(io);
            return true;
        default:
            reportAlignment(&messages, "CView.LoadView");
            return false;
        }
    }
}

// --- the collection ------------------------------------------------------------------

void CEntries::SaveListsAndViews()
{
    if (!FileIO)
        return;
    for (const auto& item : m_categories)
        FileIO->WriteElement(CategoryCode, QStringView(item.value));
    for (const auto& item : m_mediums)
        FileIO->WriteElement(MediumCode, QStringView(item.value));
    for (auto& item : m_views) {
        item.value->FileIO = FileIO;
        item.value->SaveView();
        item.value->FileIO = nullptr;
    }
}

bool CEntries::LoadCategoryEntry()
{
    QString name;
    if (!FileIO || !FileIO->ReadStringElement(name))
        return false;
    AddNewCategory(name);
    return true;
}

bool CEntries::LoadMediumEntry()
{
    QString name;
    if (!FileIO || !FileIO->ReadStringElement(name))
        return false;
    AddNewMedium(name);
    return true;
}

} // namespace vinaxo
