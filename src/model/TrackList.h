#pragma once
// A recording's tracks: held by value in blocks the list owns, so that a track costs no
// allocation of its own and never moves (a CTrackEntry* stays valid until that track is
// removed or the list cleared). Order, keys and look-up behave as in every keyed list of
// the model: insertion order, keys compared without regard to letter case, order kept
// on removal. The list also knows the current track, so that removing it leaves none.
#include "model/CTrackEntry.h"

#include <vector>

namespace vinaxo {

// A track as the list hands it out: used like the owning pointer the list once held
// (->, *, get()), and converts to a plain CTrackEntry*.
class TrackRef {
public:
    explicit TrackRef(CTrackEntry* track) : m_track(track) {}
    CTrackEntry* get() const { return m_track; }
    CTrackEntry* operator->() const { return m_track; }
    CTrackEntry& operator*() const { return *m_track; }
    operator CTrackEntry*() const { return m_track; }

private:
    CTrackEntry* m_track;
};

class TrackList {
public:
    // What iteration yields, as the model's other keyed lists do: item.key, item.value->.
    struct Item {
        explicit Item(CTrackEntry* track) : key(track->Key), value(track) {}
        const QString& key;
        TrackRef value;
    };

    TrackList() = default;
    ~TrackList();
    TrackList(const TrackList&) = delete;
    TrackList& operator=(const TrackList&) = delete;

    qsizetype size() const { return qsizetype(m_items.size()); }
    bool isEmpty() const { return m_items.empty(); }
    const TrackRef& at(qsizetype i) const { return m_items[std::size_t(i)].value; }
    const QString& keyAt(qsizetype i) const { return m_items[std::size_t(i)].key; }

    qsizetype indexOf(const QString& key) const;
    bool contains(const QString& key) const { return indexOf(key) >= 0; }
    // Null when no track has the key.
    const TrackRef* find(const QString& key) const;

    // The track is destroyed; the others keep their keys and order.
    bool remove(const QString& key);
    void removeAt(qsizetype i);
    void clear();
    // Room for n tracks in all, so that adding them allocates once.
    void reserve(qsizetype n);

    auto begin() const { return m_items.cbegin(); }
    auto end() const { return m_items.cend(); }

    // A new empty track at the end under the key; it becomes the current track.
    CTrackEntry& append(const QString& key);
    CTrackEntry* current() const { return m_current; }
    void setCurrent(CTrackEntry* track) { m_current = track; }

private:
    struct Block;
    CTrackEntry* slot();
    // Slots in all blocks, used or not.
    qsizetype capacity() const;
    void addBlock(qsizetype capacity);

    std::vector<Item> m_items;
    Block* m_blocks = nullptr; // newest first
    void* m_free = nullptr;    // slots of removed tracks, linked through their storage
    CTrackEntry* m_current = nullptr;
};

} // namespace vinaxo
