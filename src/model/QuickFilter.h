#pragma once
// The quick filter: the words typed above the main list, each of which must appear
// somewhere in a recording's title, artist, label, catalogue number, composer,
// conductor, track titles, comments or year, letter case and accents ignored ("alamo"
// finds "LOS ÁLAMOS TRÍO").
//
// Matching runs off the window's thread: the window takes a snapshot of the texts
// (cheap copies), an index of folded text is built from it once per change of the
// collection, and each filter is a pass of plain byte searches over that index.
#include <QString>
#include <QStringList>
#include <atomic>
#include <memory>
#include <string>
#include <vector>

namespace vinaxo {

class CEntries;

// Lower case, accents and other combining marks removed, as UTF-8.
std::string FoldForQuickFilter(QStringView text);
// The typed text's words, folded; blanks between them.
std::vector<std::string> QuickFilterWords(const QString& typed);

// The searchable texts of every recording, in collection order: taken on the thread
// that owns the collection, read anywhere after.
struct QuickFilterSnapshot {
    QStringList keys;
    QStringList texts; // the recording's searchable fields, one per line
};
QuickFilterSnapshot TakeQuickFilterSnapshot(const CEntries& entries);

class QuickFilterIndex {
public:
    QuickFilterIndex() = default;
    explicit QuickFilterIndex(const QuickFilterSnapshot& snapshot);

    int size() const { return int(m_keys.size()); }
    const QString& keyAt(int i) const { return m_keys[std::size_t(i)]; }
    // For each recording, whether every word is in its text; empty when cancelled
    // (`cancel` becomes true).
    std::vector<char> match(const std::vector<std::string>& words,
                            const std::atomic<bool>* cancel = nullptr) const;

private:
    QStringList m_keys;
    std::string m_text;                // folded texts, each ended by a zero byte
    std::vector<std::size_t> m_starts; // where each recording's text starts
};

} // namespace vinaxo
