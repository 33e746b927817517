#include "storage/CFileIO.h"
#include "model/RecordingCopies.h"
#include "model/Utility.h"
#include "model/Workspace.h"
#include "platform/CodePage1252.h"
#include "platform/IBusyPointer.h"
#include "platform/IMessageService.h"
#include "platform/TwoHalves.h"
#include "storage/FileAccess.h"
#include "storage/Release150.h"

#include <QCoreApplication>
#include <cstring>
#include <optional>
#include <sys/mman.h>
#include <system_error>
#include <thread>
#include <unistd.h>

namespace vinaxo {

namespace {
NullBusyPointer g_noBusyPointer;

// Shows the busy pointer for its lifetime; paused while a message asks the user.
class BusyScope {
public:
    explicit BusyScope(IBusyPointer& p) : m_p(p) { on(); }
    ~BusyScope() { off(); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;
    void on()
    {
        if (!m_on)
            m_p.ShowBusyPointer();
        m_on = true;
    }
    void off()
    {
        if (m_on)
            m_p.ShowNormalPointer();
        m_on = false;
    }

private:
    IBusyPointer& m_p;
    bool m_on = false;
};

// Leading and trailing spaces (only spaces) are not stored.
QStringView trimSpaces(QStringView t)
{
    qsizetype b = 0, e = t.size();
    while (b < e && t[b] == u' ')
        ++b;
    while (e > b && t[e - 1] == u' ')
        --e;
    return t.sliced(b, e - b);
}

quint64 doubleBits(double value)
{
    quint64 bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

template <class... F>
struct Overloaded : F... {
    using F::operator()...;
};
template <class... F>
Overloaded(F...) -> Overloaded<F...>;

QString refusalText()
{
    return QCoreApplication::translate(
        "CFileIO",
        "This file is from a release of Vinaxo prior to 1.7. We are unable to directly convert "
        "your data from this old version. You should obtain an older copy of Vinaxo 2.3, "
        "convert to that format, then load the converted 2.3 version file into this program.  ");
}

QString conversionQuestion()
{
    return QCoreApplication::translate(
        "CFileIO",
        "This file is from release 2.3 or older of Vinaxo!  If you continue, Vinaxo will convert "
        "your file to the new format.  Once this is done, you will not be able to open this file "
        "from an older version of Vinaxo.  Please make a backup of your file before continuing!  "
        "Do you want to continue? ");
}
}

CFileIO::CFileIO(Workspace& workspace, IBusyPointer* busy)
    : m_ws(workspace), m_busy(busy ? busy : &g_noBusyPointer), m_access(&LocalFiles())
{
}

CFileIO::~CFileIO()
{
    if (m_ws.entries.FileIO == this)
        m_ws.entries.FileIO = nullptr;
}

CEntries& CFileIO::Entries() const { return m_ws.entries; }

QString CFileIO::ConvertMediumCodeToDesg(const QString& code)
{
    if (code == u"C")
        return QStringLiteral("CD");
    if (code == u"T")
        return QStringLiteral("Cassette");
    if (code == u"R")
        return QStringLiteral("LP Album");
    if (code == u"D")
        return QStringLiteral("DAT");
    if (code == u"O")
        return QStringLiteral("Other");
    return {};
}

// --- loading -------------------------------------------------------------------------

qint16 CFileIO::OpenCDFile()
{
    m_error = {};
    BusyScope busy(*m_busy);
    QByteArray bytes;
    if (FileError e = m_access->readAll(FileName, bytes)) {
        m_error = e;
        return FileSystemError;
    }
    busy.off();
    m_inputOwned = bytes.isDetached();
    return load(std::move(bytes));
}

qint16 CFileIO::OpenCDBytes(QByteArray bytes)
{
    m_error = {};
    return load(std::move(bytes));
}

qint16 CFileIO::load(QByteArray bytes)
{
    BusyScope busy(*m_busy);
    m_in = std::move(bytes);
    m_reader = ByteReader(m_in.constData(), m_in.constData() + m_in.size());
    m_releasedTo = quintptr(m_in.constData());
    struct Release {
        CFileIO& io;
        ~Release()
        {
            io.m_shared.clear();
            io.m_in = QByteArray();
            io.m_reader = ByteReader();
            io.m_inputOwned = false;
        }
    } release{*this};

    if (m_in.size() < HeaderSize)
        return NotCollectionFile;
    m_reader.read(m_leadingCategories);
    m_reader.readDouble(m_releaseId);
    m_reader.skip(16);
    m_headerRead = true;

    CEntries& entries = m_ws.entries;
    IMessageService& messages = m_ws.messages;
    if (m_releaseId == CurrentRelease) {
        entries.ClearDatabase();
        entries.FileIO = this;
        readElementStream();
        entries.FileIO = nullptr;
        EnsureStandardView(entries);
        entries.LocateViewByName(m_ws.config.LastViewName());
        finishLoad(false);
        return Loaded;
    }
    if (m_releaseId == PreviousRelease) {
        busy.off();
        const MsgAnswer a = messages.show(conversionQuestion(),
                                          QCoreApplication::translate("CFileIO", "File About To Be Converted"),
                                          MsgIcon::Critical, MsgButtons::YesNo, MsgDefault::Second);
        if (a != MsgAnswer::Yes)
            return NotConverted;
        busy.on();
        entries.ClearDatabase();
        ConvertRelease150(entries, m_reader, m_leadingCategories, m_progress);
        busy.off();
        messages.show(QCoreApplication::translate("CFileIO",
                                                  "Your file has been converted.  Please remember to save the "
                                                  "converted version of this file. "),
                      QCoreApplication::translate("CFileIO", "File Converted"), MsgIcon::Information, MsgButtons::OK);
        finishLoad(true);
        return Loaded;
    }
    if (m_releaseId == OldestRelease) {
        busy.off();
        messages.show(refusalText(), QCoreApplication::translate("CFileIO", "File Cannot Be Converted"),
                      MsgIcon::Critical, MsgButtons::YesNo, MsgDefault::Second);
        return Refused;
    }
    return NotCollectionFile;
}

void CFileIO::finishLoad(bool converted)
{
    // The editor's lists all come from the new collection.
    m_ws.refillArtists = m_ws.refillLabels = m_ws.refillCategories = m_ws.refillMediums = true;
    m_ws.entries.DBChanged = converted;
    if (converted) {
        // The converted collection has no file yet: it must be saved under a name.
        m_ws.config.setLastFileName(QString());
        m_ws.currentFileName.clear();
    }
}

void CFileIO::readElementStream()
{
    CEntries& entries = m_ws.entries;
    IMessageService& messages = m_ws.messages;
    const qsizetype total = m_in.size();
    qint64 blocks = 0;
    for (;;) {
        const int code = ReadElementType();
        if (code < 0)
            break;
        qint16 zero = 0;
        switch (code) {
        case 49: entries.LoadCategoryEntry(); break;
        case 50: entries.LoadMediumEntry(); break;
        case 80: {
            ReadIntegerElement(zero);
            auto view = std::make_unique<CView>();
            view->FileIO = this;
            if (!view->LoadView(messages))
                m_damaged = true;
            view->FileIO = nullptr;
            entries.AddNewViewObject(std::move(view));
            break;
        }
        case 100: {
            ReadIntegerElement(zero);
            CEntry* entry = entries.AddNewEntry();
            entry->FileIO = this;
            if (!entry->LoadEntry())
                m_damaged = true;
            entry->FileIO = nullptr;
            if ((++blocks & 255) == 0) {
                releaseParsedInput();
                if (m_progress && (blocks & 1023) == 0)
                    m_progress->step(total - m_reader.remaining(), total);
            }
            break;
        }
        default:
            break; // not a top-level code: skipped, byte by byte
        }
    }
}

void CFileIO::releaseParsedInput()
{
    // Parsing never goes back and keeps nothing that points into the input, so the
    // whole pages behind the cursor can go: the file and the collection built from it
    // are then never both in memory whole. The pages lie inside the input's own
    // allocation; should they be touched again they read as zeros.
    if (!m_inputOwned)
        return;
    static const quintptr page = quintptr(sysconf(_SC_PAGESIZE));
    const quintptr from = (m_releasedTo + page - 1) & ~(page - 1);
    const quintptr to = quintptr(m_reader.position()) & ~(page - 1);
    if (to <= from || to - from < 256 * 1024)
        return;
    if (madvise(reinterpret_cast<void*>(from), to - from, MADV_DONTNEED) == 0)
        m_releasedTo = to;
}

int CFileIO::ReadElementType() { return m_code = m_reader.byte(); }

bool CFileIO::ReadStringElement(QString& value)
{
    qint16 length = 0;
    const char* bytes = nullptr;
    if (!m_reader.read(length) || !m_reader.take(length, bytes))
        return false;
    // Short texts (keys, numbers, codes) repeat often and cost a whole allocation each.
    value = length <= 8 ? m_shared.get(bytes, length).text : cp1252::decode(bytes, length);
    return true;
}

bool CFileIO::ReadTextBytes(const char*& bytes, qsizetype& length)
{
    // The input is released only between recordings, so the bytes outlive the block.
    qint16 n = 0;
    if (!m_reader.read(n) || !m_reader.take(n, bytes))
        return false;
    length = n;
    return true;
}

bool CFileIO::ReadSharedStringElement(QString& value, bool& repeated)
{
    qint16 length = 0;
    const char* bytes = nullptr;
    repeated = false;
    if (!m_reader.read(length) || !m_reader.take(length, bytes))
        return false;
    SharedTexts::Text& t = m_shared.get(bytes, length);
    value = t.text;
    // One bit per field code of recordings (101-128) and tracks (181-184).
    const int bit = m_code >= 101 && m_code <= 128 ? m_code - 101
                    : m_code >= 181 && m_code <= 184 ? m_code - 153 : -1;
    if (bit >= 0) {
        repeated = (t.fields >> bit) & 1u;
        t.fields |= 1u << bit;
    }
    return true;
}

bool CFileIO::ReadIntegerElement(qint16& value) { return m_reader.read(value); }

bool CFileIO::ReadCurrencyElement(Currency& value)
{
    qint64 units = 0;
    if (!m_reader.read(units))
        return false;
    value.units = units;
    return true;
}

bool CFileIO::ReadDateElement(OleDate& value)
{
    qint16 length = 0;
    if (!m_reader.read(length))
        return false;
    if (length == 0)
        return false; // no date
    double serial = 0.0;
    if (length < 0) {
        m_reader.toEnd();
        return false;
    }
    if (!m_reader.readDouble(serial) || !OleDate::isPlausible(serial))
        return false;
    value.serial = serial;
    return true;
}

// --- saving --------------------------------------------------------------------------

namespace {
// Room for the lists and for recordings with every field and a dozen tracks: growing
// would copy it all. Pages not written to are never touched, so the excess costs no memory.
qsizetype roomFor(qsizetype recordings)
{
    return 65536 + recordings * 1024;
}
}

QByteArray CFileIO::SaveToBytes()
{
    const EntryList& list = m_ws.entries.Entries();
    std::vector<CEntry*> recordings;
    recordings.reserve(std::size_t(list.size()));
    for (const auto& item : list)
        recordings.push_back(item.value.get());
    return saveBytes(saveHead(), recordings);
}

CollectionSnapshot CFileIO::TakeSnapshot(RecordingCopies* copies)
{
    CollectionSnapshot s;
    s.head = saveHead();
    const EntryList& list = m_ws.entries.Entries();
    if (copies) {
        s.recordings = copies->take(list);
        return s;
    }
    const qsizetype n = list.size();
    s.recordings.resize(std::size_t(n));
    inTwoHalves(splitPoint(n), n, [&list, &s](qsizetype from, qsizetype to) {
        for (qsizetype i = from; i < to; ++i)
            s.recordings[std::size_t(i)] = list.at(i)->Clone();
    });
    return s;
}

QByteArray CFileIO::SnapshotBytes(Workspace& ws, const CollectionSnapshot& snapshot)
{
    std::vector<CEntry*> recordings;
    recordings.reserve(snapshot.recordings.size());
    for (const auto& r : snapshot.recordings)
        recordings.push_back(r.get());
    CFileIO io(ws);
    return io.saveBytes(snapshot.head, recordings);
}

QByteArray CFileIO::saveHead()
{
    CEntries& entries = m_ws.entries;
    m_out = QByteArray();
    m_out.resize(HeaderSize + 65536);
    m_used = 0;
    put(qint16(0));
    put(doubleBits(CurrentRelease));
    std::memset(grow(16), 0, 16);
    IElementIO* previous = entries.FileIO;
    entries.FileIO = this;
    entries.SaveListsAndViews();
    entries.FileIO = previous;
    m_out.resize(m_used);
    m_used = 0;
    return std::exchange(m_out, QByteArray());
}

QByteArray CFileIO::saveBytes(const QByteArray& head, const std::vector<CEntry*>& list)
{
    const qsizetype n = qsizetype(list.size());
    m_out = QByteArray();
    // Room for every recording: the second thread's half is joined in here.
    m_out.resize(head.size() + roomFor(n));
    m_used = 0;
    std::memcpy(grow(head.size()), head.constData(), std::size_t(head.size()));

    // The second half of a large collection is written into a buffer of its own.
    const qsizetype half = splitPoint(n);
    std::optional<CFileIO> second;
    if (half < n) {
        second.emplace(m_ws);
        second->m_out.resize(roomFor(n - half));
    }
    inTwoHalves(half, n, [this, &second, &list](qsizetype from, qsizetype to) {
        CFileIO& io = from == 0 ? *this : *second;
        for (qsizetype i = from; i < to; ++i)
            io.saveRecording(*list[std::size_t(i)]);
    });
    if (second)
        std::memcpy(grow(second->m_used), second->m_out.constData(), std::size_t(second->m_used));
    m_out.resize(m_used);
    m_used = 0;
    return std::exchange(m_out, QByteArray());
}

void CFileIO::saveRecording(CEntry& entry)
{
    entry.FileIO = this;
    entry.SaveEntry();
    entry.FileIO = nullptr;
}

bool CFileIO::SaveFiles()
{
    m_error = {};
    const QByteArray bytes = SaveToBytes();
    if (FileError e = m_access->replaceFile(FileName, bytes)) {
        m_error = e;
        return false;
    }
    m_ws.entries.DBChanged = false;
    return true;
}

void CFileIO::enlarge(qsizetype n)
{
    m_out.resize(qMax(m_out.size() * 2, m_used + n + 65536));
}

template <class T>
void CFileIO::put(T value)
{
    qToLittleEndian(value, grow(qsizetype(sizeof(T))));
}

void CFileIO::WriteTextBytes(int code, QByteArrayView bytes)
{
    // As a text: without its leading and trailing spaces, nothing when empty, cut at the
    // longest the format holds.
    qsizetype b = 0, e = bytes.size();
    while (b < e && bytes[b] == ' ')
        ++b;
    while (e > b && bytes[e - 1] == ' ')
        --e;
    const qsizetype n = qMin(e - b, MaxTextBytes);
    if (n == 0)
        return;
    char* p = grow(3 + n);
    p[0] = static_cast<char>(code);
    qToLittleEndian(qint16(n), p + 1);
    std::memcpy(p + 3, bytes.data() + b, std::size_t(n));
}

void CFileIO::WriteElement(int code, const ElementValue& value)
{
    const char codeByte = static_cast<char>(code);
    std::visit(Overloaded{
                   [&](QStringView text) {
                       text = trimSpaces(text);
                       if (text.isEmpty())
                           return;
                       // Room for the longest encoding: one byte per character at most.
                       char* p = grow(3 + text.size());
                       p[0] = codeByte;
                       char* dst = p + 3;
                       const qsizetype bytes = qMin(cp1252::encodeInto(text, dst), MaxTextBytes);
                       qToLittleEndian(qint16(bytes), p + 1);
                       m_used -= text.size() - bytes; // give back what the text did not need
                   },
                   [&](qint16 v) {
                       *grow(1) = codeByte;
                       put(v);
                   },
                   [&](Currency c) {
                       *grow(1) = codeByte;
                       put(c.units);
                   },
                   [&](OleDate d) {
                       *grow(1) = codeByte;
                       if (!OleDate::isPlausible(d.serial)) {
                           put(qint16(0)); // no reader could take it for a date
                           return;
                       }
                       put(qint16(8));
                       put(doubleBits(d.serial));
                   },
                   [&](ElementNull) {
                       *grow(1) = codeByte;
                       put(qint16(0));
                   },
                   [&](ElementUnhandled) {
                       m_ws.messages.show(
                           QCoreApplication::translate("CFileIO", "Unhandled data type in CFileIO.WriteElement."),
                           QCoreApplication::translate("CFileIO", "Bad internal file type"), MsgIcon::Critical,
                           MsgButtons::OK);
                   },
               },
               value);
}

} // namespace vinaxo
