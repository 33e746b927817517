#include "model/TrackList.h"

#include "model/TimeText.h"
#include "platform/CodePage1252.h"
#include "platform/KeyedList.h"

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <new>

namespace vinaxo {

struct TrackList::Block {
    Block* next;
    qsizetype capacity;
    qsizetype used;
    CTrackEntry* slots() { return reinterpret_cast<CTrackEntry*>(this + 1); }
};
static_assert(sizeof(TrackList::Item) == 16);

namespace {
constexpr std::align_val_t kAlign{alignof(CTrackEntry) > alignof(std::max_align_t)
                                       ? alignof(CTrackEntry)
                                       : alignof(std::max_align_t)};
}

// The header of a packed list; its bytes follow it in the same allocation. Never changed
// once made, so copies of the list share it (a recovery snapshot copies every recording).
struct TrackList::Packed {
    std::atomic<qsizetype> refs;
    qint64 firstKey;
    qsizetype count;
    qsizetype size;
    const char* bytes() const { return reinterpret_cast<const char*>(this + 1); }
};

void TrackList::PackedDeleter::operator()(Packed* p) const
{
    if (p->refs.fetch_sub(1, std::memory_order_acq_rel) == 1) {
        p->~Packed();
        std::free(p);
    }
}

namespace {
// The texts of a packed track in their order there.
constexpr QString CTrackEntry::*kPackedFields[] = {
    &CTrackEntry::CDTrackTitle, &CTrackEntry::CDTrackTime, &CTrackEntry::CDTrackDesc,
    &CTrackEntry::CDTrackArtists};

// Decodes one packed text into `s`, reusing its buffer where it has one of its own.
const char* decodePacked(const char* p, QString& s)
{
    quint16 n = 0;
    std::memcpy(&n, p, sizeof n);
    p += sizeof n;
    if (n == 0) {
        if (!s.isNull())
            s = QString();
        return p;
    }
    s.resize(n);
    cp1252::decodeInto(p, n, reinterpret_cast<char16_t*>(s.data()));
    return p + n;
}
}

TrackList::~TrackList() { clear(); }

qsizetype TrackList::packedCount() const { return m_packed->count; }
const char* TrackList::packedBytes() const { return m_packed->bytes(); }

bool TrackList::appendPacked(const CTrackEntry& track, std::string& bytes)
{
    std::size_t need = 0;
    for (QString CTrackEntry::*field : kPackedFields) {
        const qsizetype n = (track.*field).size();
        if (n > 32767)
            return false;
        need += sizeof(quint16) + std::size_t(n);
    }
    const std::size_t at = bytes.size();
    bytes.resize(at + need);
    char* p = bytes.data() + at;
    for (QString CTrackEntry::*field : kPackedFields) {
        const QString& text = track.*field;
        const quint16 n = quint16(text.size());
        std::memcpy(p, &n, sizeof n);
        if (!cp1252::encodeExactInto(text, p + sizeof n))
            return false;
        p += sizeof n + n;
    }
    return true;
}

void TrackList::adoptPacked(CEntry* owner, qint64 firstKey, qsizetype count, qsizetype current,
                            const char* bytes, qsizetype size)
{
    clear();
    if (count <= 0)
        return;
    void* raw = std::malloc(sizeof(Packed) + std::size_t(size));
    if (!raw)
        throw std::bad_alloc();
    m_packed.reset(new (raw) Packed{{1}, firstKey, count, size});
    std::memcpy(static_cast<Packed*>(raw) + 1, bytes, std::size_t(size));
    m_packedOwner = owner;
    m_packedCurrent = current;
}

void TrackList::copyFrom(const TrackList& from, CEntry* owner)
{
    if (&from == this)
        return;
    clear();
    if (Packed* p = from.m_packed.get()) {
        p->refs.fetch_add(1, std::memory_order_relaxed);
        m_packed.reset(p);
        m_packedOwner = owner;
        m_packedCurrent = from.m_packedCurrent;
        return;
    }
    if (from.m_items.empty())
        return;
    reserve(qsizetype(from.m_items.size()));
    CTrackEntry* current = nullptr;
    for (const Item& item : from.m_items) {
        const CTrackEntry& t = *item.value;
        CTrackEntry& copy = append(t.Key);
        copy.CDTrackTitle = t.CDTrackTitle;
        copy.CDTrackTime = t.CDTrackTime;
        copy.CDTrackDesc = t.CDTrackDesc;
        copy.CDTrackArtists = t.CDTrackArtists;
        copy.Entry = owner;
        if (item.value.get() == from.m_current)
            current = &copy;
    }
    m_current = current;
}

void TrackList::unpackNow()
{
    const std::unique_ptr<Packed, PackedDeleter> p = std::move(m_packed);
    reserve(p->count);
    const char* b = p->bytes();
    for (qsizetype i = 0; i < p->count; ++i) {
        CTrackEntry& t = append(KeyText(p->firstKey + i));
        t.Entry = m_packedOwner;
        for (QString CTrackEntry::*field : kPackedFields)
            b = decodePacked(b, t.*field);
    }
    m_current = m_packedCurrent >= 0 && m_packedCurrent < p->count
                    ? m_items[std::size_t(m_packedCurrent)].value.get()
                    : nullptr;
}

bool TrackList::anyPacked(bool (*call)(const void*, const CTrackEntry&), const void* fn) const
{
    const Packed& p = *m_packed;
    CTrackEntry t;
    t.Entry = m_packedOwner;
    const char* b = p.bytes();
    for (qsizetype i = 0; i < p.count; ++i) {
        t.Key = KeyText(p.firstKey + i);
        for (QString CTrackEntry::*field : kPackedFields)
            b = decodePacked(b, t.*field);
        if (call(fn, t))
            return true;
    }
    return false;
}

CTrackEntry* TrackList::current() const
{
    if (m_packed) {
        if (m_packedCurrent < 0)
            return nullptr;
        unpack();
    }
    return m_current;
}

void TrackList::setCurrent(CTrackEntry* track)
{
    if (m_packed && !track) {
        m_packedCurrent = -1;
        return;
    }
    unpack();
    m_current = track;
}

qsizetype TrackList::indexOf(const QString& key) const
{
    unpack();
    for (std::size_t i = 0; i < m_items.size(); ++i) {
        if (SameListKey(m_items[i].key, key))
            return qsizetype(i);
    }
    return -1;
}

const TrackRef* TrackList::find(const QString& key) const
{
    const qsizetype i = indexOf(key);
    return i < 0 ? nullptr : &at(i);
}

bool TrackList::remove(const QString& key)
{
    const qsizetype i = indexOf(key);
    if (i < 0)
        return false;
    removeAt(i);
    return true;
}

void TrackList::removeAt(qsizetype i)
{
    unpack();
    CTrackEntry* track = at(i);
    // Items hold a reference, so they are rebuilt rather than assigned.
    std::vector<Item> rest;
    rest.reserve(m_items.size() - 1);
    for (std::size_t j = 0; j < m_items.size(); ++j) {
        if (qsizetype(j) != i)
            rest.push_back(m_items[j]);
    }
    m_items.swap(rest);
    if (m_current == track)
        m_current = nullptr;
    track->~CTrackEntry();
    *static_cast<void**>(static_cast<void*>(track)) = m_free;
    m_free = track;
}

bool TrackList::sameAs(const TrackList& copy) const
{
    if (m_packed || copy.m_packed)
        return m_packed == copy.m_packed && m_packedCurrent == copy.m_packedCurrent;
    if (m_items.size() != copy.m_items.size())
        return false;
    for (std::size_t i = 0; i < m_items.size(); ++i) {
        const CTrackEntry& a = *m_items[i].value;
        const CTrackEntry& b = *copy.m_items[i].value;
        if (!SharedText(a.Key, b.Key) || !SharedText(a.CDTrackTitle, b.CDTrackTitle)
            || !SharedText(a.CDTrackTime, b.CDTrackTime) || !SharedText(a.CDTrackDesc, b.CDTrackDesc)
            || !SharedText(a.CDTrackArtists, b.CDTrackArtists)
            || (m_current == &a) != (copy.m_current == &b))
            return false;
    }
    return true;
}

void TrackList::clear()
{
    m_packed.reset();
    m_packedOwner = nullptr;
    m_packedCurrent = -1;
    for (const Item& item : m_items)
        item.value.get()->~CTrackEntry();
    m_items.clear();
    m_items.shrink_to_fit();
    while (m_blocks) {
        Block* next = m_blocks->next;
        ::operator delete(m_blocks, kAlign);
        m_blocks = next;
    }
    m_free = nullptr;
    m_current = nullptr;
}

void TrackList::reserve(qsizetype n)
{
    unpack();
    m_items.reserve(std::size_t(n));
    const qsizetype more = n - capacity();
    if (more > 0 && (!m_blocks || m_blocks->used == m_blocks->capacity))
        addBlock(more);
}

qsizetype TrackList::capacity() const
{
    qsizetype total = 0;
    for (const Block* b = m_blocks; b; b = b->next)
        total += b->capacity;
    return total;
}

void TrackList::addBlock(qsizetype capacity)
{
    void* raw = ::operator new(sizeof(Block) + std::size_t(capacity) * sizeof(CTrackEntry), kAlign);
    m_blocks = new (raw) Block{m_blocks, capacity, 0};
}

CTrackEntry* TrackList::slot()
{
    if (m_free) {
        void* p = m_free;
        m_free = *static_cast<void**>(p);
        return static_cast<CTrackEntry*>(p);
    }
    if (!m_blocks || m_blocks->used == m_blocks->capacity) {
        const qsizetype total = capacity();
        addBlock(total == 0 ? 4 : total); // doubling
    }
    return m_blocks->slots() + m_blocks->used++;
}

CTrackEntry& TrackList::append(const QString& key)
{
    unpack();
    if (m_items.capacity() == m_items.size())
        m_items.reserve(m_items.empty() ? 4 : m_items.size() * 2);
    CTrackEntry* track = new (slot()) CTrackEntry{key, {}, {}, {}, {}, nullptr};
    m_items.emplace_back(track);
    m_current = track;
    return *track;
}

} // namespace vinaxo
