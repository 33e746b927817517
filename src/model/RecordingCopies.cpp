#include "model/RecordingCopies.h"

#include <QHash>

namespace vinaxo {

bool RecordingCopies::prefill(const EntryList& list, qsizetype count)
{
    const qsizetype n = list.size();
    for (qsizetype i = qsizetype(m_kept.size()); i < n && count > 0; ++i, --count) {
        const CEntry* e = list.at(i).get();
        m_kept.push_back({e, Copy(e->Clone())});
    }
    return qsizetype(m_kept.size()) >= n;
}

std::vector<RecordingCopies::Copy> RecordingCopies::take(const EntryList& list)
{
    // One pass on this thread: it reads little besides the recordings themselves, so a
    // second thread would wait on memory as much as this one.
    const qsizetype n = list.size();
    const qsizetype kept = qsizetype(m_kept.size());
    std::vector<Kept> next;
    next.reserve(std::size_t(n));
    std::vector<Copy> copies;
    copies.reserve(std::size_t(n));
    // Recordings are looked for where they were, shifted by the last one found elsewhere
    // (an addition or removal moves all that follow); the index by address is made only
    // when that fails. Addresses differ, so no kept copy is taken twice.
    QHash<const CEntry*, qsizetype> index;
    qsizetype shift = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const CEntry* e = list.at(i).get();
        qsizetype at = i + shift;
        if (at < 0 || at >= kept || m_kept[std::size_t(at)].original != e) {
            if (index.isEmpty() && kept > 0) {
                index.reserve(kept);
                for (qsizetype j = 0; j < kept; ++j)
                    index.insert(m_kept[std::size_t(j)].original, j);
            }
            const auto found = index.constFind(e);
            at = found == index.cend() ? -1 : *found;
            if (at >= 0)
                shift = at - i;
        }
        if (at >= 0 && e->SameAs(*m_kept[std::size_t(at)].copy))
            next.push_back(std::move(m_kept[std::size_t(at)]));
        else
            next.push_back({e, Copy(e->Clone())});
        copies.push_back(next.back().copy);
    }
    m_kept.swap(next);
    return copies;
}

} // namespace vinaxo
