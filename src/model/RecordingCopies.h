#pragma once
// Copies of a collection's recordings kept from one snapshot to the next, so that a new
// snapshot copies only what changed since the last (a recording is compared with its copy
// by CEntry::SameAs, which is cheap) and the window's thread is never held for long. The
// first copies can be made beforehand, a slice at a time.
#include "model/CEntries.h"

#include <memory>
#include <vector>

namespace vinaxo {

class RecordingCopies {
public:
    using Copy = std::shared_ptr<CEntry>;

    // Copies up to `count` more recordings, from where the last call stopped; true when
    // every recording has been copied once (changes since then are for take to find).
    bool prefill(const EntryList& list, qsizetype count);
    // A copy of every recording in the list's order: a kept copy where it is the same
    // still, a new one otherwise. The copies are kept for the next call.
    std::vector<Copy> take(const EntryList& list);
    void clear() { m_kept.clear(); }
    qsizetype size() const { return qsizetype(m_kept.size()); }

private:
    struct Kept {
        const CEntry* original; // compared, never read: it may be gone
        Copy copy;
    };
    std::vector<Kept> m_kept;
};

} // namespace vinaxo
