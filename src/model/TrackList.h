#pragma once
// A recording's tracks: held by value in blocks the list owns, so that a track costs no
// allocation of its own and never moves (a CTrackEntry* stays valid until that track is
// removed or the list cleared). Order, keys and look-up behave as in every keyed list of
// the model: insertion order, keys compared without regard to letter case, order kept
// on removal. The list also knows the current track, so that removing it leaves none.
//
// Tracks read from a collection file stay packed (their texts as the file's bytes, one
// allocation for the whole list) until something asks for a track object: most are
// never edited, and a packed track costs a tenth of an unpacked one. Reading through
// forEachTrack/anyTrack leaves the list packed; every other access unpacks it first,
// after which it behaves as a list built track by track.
#include "model/CTrackEntry.h"

#include <QByteArrayView>
#include <cstring>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

namespace vinaxo {

// True when both hold one stored text: a copy neither side has changed since (a change
// detaches the storage). False says only that they are not known to be equal.
inline bool SharedText(const QString& a, const QString& b)
{
    return a.size() == b.size() && a.constData() == b.constData();
}

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

    qsizetype size() const { return m_packed ? packedCount() : qsizetype(m_items.size()); }
    bool isEmpty() const { return size() == 0; }
    const TrackRef& at(qsizetype i) const { unpack(); return m_items[std::size_t(i)].value; }
    const QString& keyAt(qsizetype i) const { unpack(); return m_items[std::size_t(i)].key; }

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

    auto begin() const { unpack(); return m_items.cbegin(); }
    auto end() const { unpack(); return m_items.cend(); }

    // A new empty track at the end under the key; it becomes the current track.
    CTrackEntry& append(const QString& key);
    CTrackEntry* current() const;
    void setCurrent(CTrackEntry* track);

    // Each track in order, packed or not, without unpacking: f(const CTrackEntry&). A
    // packed track is shown through one scratch track reused for all of them, so keep
    // copies of its texts, never its address. anyTrack stops at the first f that
    // returns true and says whether one did.
    template <class F>
    bool anyTrack(F&& f) const
    {
        if (!m_packed) {
            for (const Item& item : m_items) {
                if (f(static_cast<const CTrackEntry&>(*item.value)))
                    return true;
            }
            return false;
        }
        using Fn = std::remove_reference_t<F>;
        return anyPacked(
            [](const void* fn, const CTrackEntry& t) -> bool {
                return (*static_cast<Fn*>(const_cast<void*>(fn)))(t);
            },
            static_cast<const void*>(std::addressof(f)));
    }
    template <class F>
    void forEachTrack(F&& f) const
    {
        anyTrack([&f](const CTrackEntry& t) {
            f(t);
            return false;
        });
    }

    // Packed tracks as the collection file holds them, handed over by its reader: the
    // four texts of each track (title, time, description, artists), each a 16-bit
    // length and that many bytes of code page 1252. Keys are firstKey, firstKey + 1, ...;
    // `current` is an index or -1. Replaces what the list held.
    void adoptPacked(CEntry* owner, qint64 firstKey, qsizetype count, qsizetype current,
                     const char* bytes, qsizetype size);
    bool isPacked() const { return m_packed != nullptr; }
    // Replaces what the list holds with a copy of `from`'s tracks for `owner`; packed
    // tracks stay packed (their block shared, never changed), so a copy of a loaded
    // collection is cheap.
    void copyFrom(const TrackList& from, CEntry* owner);
    // True when `copy` (made by copyFrom) is known to hold the same tracks still: the same
    // packed block, or tracks whose texts are all shared with these.
    bool sameAs(const TrackList& copy) const;
    // Appends a track's four texts in the packed form; false when one cannot be packed
    // (outside the code page, or longer than the file holds), and then `bytes` holds
    // part of them.
    static bool appendPacked(const CTrackEntry& track, std::string& bytes);

    // The packed texts of each track (title, time, description, artists) as the file holds
    // them, for writing them back without decoding: f(const QByteArrayView (&texts)[4]).
    // False, calling nothing, when the list is not packed.
    template <class F>
    bool forEachPackedTrack(F&& f) const
    {
        if (!m_packed)
            return false;
        QByteArrayView texts[4];
        const char* b = packedBytes();
        for (qsizetype i = 0, count = packedCount(); i < count; ++i) {
            for (QByteArrayView& t : texts) {
                quint16 n = 0;
                std::memcpy(&n, b, sizeof n);
                t = QByteArrayView(b + sizeof n, n);
                b += sizeof n + n;
            }
            f(texts);
        }
        return true;
    }

private:
    struct Block;
    struct Packed;
    struct PackedDeleter {
        void operator()(Packed* p) const;
    };
    qsizetype packedCount() const;
    const char* packedBytes() const;
    // Unpacking changes how the tracks are held, not what they are, so const readers may
    // do it (the model is used from one thread).
    void unpack() const
    {
        if (m_packed)
            const_cast<TrackList*>(this)->unpackNow();
    }
    void unpackNow();
    bool anyPacked(bool (*call)(const void*, const CTrackEntry&), const void* fn) const;
    CTrackEntry* slot();
    // Slots in all blocks, used or not.
    qsizetype capacity() const;
    void addBlock(qsizetype capacity);

    std::vector<Item> m_items;
    Block* m_blocks = nullptr; // newest first
    void* m_free = nullptr;    // slots of removed tracks, linked through their storage
    CTrackEntry* m_current = nullptr;
    std::unique_ptr<Packed, PackedDeleter> m_packed;
    CEntry* m_packedOwner = nullptr; // while packed: the tracks' recording
    qsizetype m_packedCurrent = -1;  // and the current track's index
};

} // namespace vinaxo
