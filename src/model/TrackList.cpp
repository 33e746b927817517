#include "model/TrackList.h"

#include "platform/KeyedList.h"

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

TrackList::~TrackList() { clear(); }

qsizetype TrackList::indexOf(const QString& key) const
{
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

void TrackList::clear()
{
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
    if (m_items.capacity() == m_items.size())
        m_items.reserve(m_items.empty() ? 4 : m_items.size() * 2);
    CTrackEntry* track = new (slot()) CTrackEntry{key, {}, {}, {}, {}, nullptr};
    m_items.emplace_back(track);
    m_current = track;
    return *track;
}

} // namespace vinaxo
