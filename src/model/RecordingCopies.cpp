#include "model/RecordingCopies.h"

#include "platform/TwoHalves.h"

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
    const qsizetype n = list.size();
    const qsizetype kept = qsizetype(m_kept.size());
    // Where each recording's kept copy is (-1: none). Recordings are looked for where they
    // were, shifted by the last one found elsewhere (an addition or removal moves all that
    // follow); the index by address is made only when that fails.
    std::vector<qsizetype> from(static_cast<std::size_t>(n), -1);
    QHash<const CEntry*, qsizetype> index;
    qsizetype shift = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const CEntry* e = list.at(i).get();
        const qsizetype at = i + shift;
        if (at >= 0 && at < kept && m_kept[std::size_t(at)].original == e) {
            from[std::size_t(i)] = at;
            continue;
        }
        if (index.isEmpty() && kept > 0) {
            index.reserve(kept);
            for (qsizetype j = 0; j < kept; ++j)
                index.insert(m_kept[std::size_t(j)].original, j);
        }
        const auto found = index.constFind(e);
        if (found != index.cend()) {
            from[std::size_t(i)] = *found;
            shift = *found - i;
        }
    }

    // Compared in two halves at once: the pass mostly waits on memory. Each kept copy goes
    // to at most one recording (addresses differ), so the halves never take the same one.
    std::vector<Kept> next(static_cast<std::size_t>(n));
    std::vector<Copy> copies(static_cast<std::size_t>(n));
    inTwoHalves(splitPoint(n), n, [&](qsizetype begin, qsizetype end) {
        for (qsizetype i = begin; i < end; ++i) {
            const CEntry* e = list.at(i).get();
            const qsizetype at = from[std::size_t(i)];
            Kept& k = next[std::size_t(i)];
            if (at >= 0 && e->SameAs(*m_kept[std::size_t(at)].copy))
                k = std::move(m_kept[std::size_t(at)]);
            else
                k = {e, Copy(e->Clone())};
            copies[std::size_t(i)] = k.copy;
        }
    });
    m_kept.swap(next);
    return copies;
}

} // namespace vinaxo
