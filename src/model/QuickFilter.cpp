#include "model/QuickFilter.h"

#include "model/CEntries.h"

#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <cstring>

namespace vinaxo {

namespace {

// Each UTF-16 unit folded to one unit: lower case, the base letter of a precomposed
// letter, 0 for a combining mark (dropped). Surrogates stay as they are.
const std::array<char16_t, 65536>& foldTable()
{
    static const auto table = [] {
        auto t = std::make_unique<std::array<char16_t, 65536>>();
        for (std::uint32_t u = 0; u < 65536; ++u) {
            QChar c{char16_t(u)};
            if (u < 128) {
                (*t)[u] = char16_t(u >= 'A' && u <= 'Z' ? u + 32 : u);
                continue;
            }
            if (c.isSurrogate()) {
                (*t)[u] = char16_t(u);
                continue;
            }
            if (c.category() == QChar::Mark_NonSpacing || c.category() == QChar::Mark_Enclosing) {
                (*t)[u] = 0;
                continue;
            }
            // Follow canonical decompositions to the base letter (Ǻ -> Å -> A).
            for (int depth = 0; depth < 4 && c.decompositionTag() == QChar::Canonical; ++depth) {
                const QString d = c.decomposition();
                if (d.isEmpty())
                    break;
                c = d.front();
            }
            (*t)[u] = c.toCaseFolded().unicode();
        }
        return t;
    }();
    return *table;
}

void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out.push_back(char(c));
    } else if (c < 0x800) {
        out.push_back(char(0xC0 | (c >> 6)));
        out.push_back(char(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(char(0xE0 | (c >> 12)));
        out.push_back(char(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(char(0x80 | (c & 0x3F)));
    } else {
        out.push_back(char(0xF0 | (c >> 18)));
        out.push_back(char(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(char(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(char(0x80 | (c & 0x3F)));
    }
}

void foldInto(std::string& out, QStringView text)
{
    const auto& table = foldTable();
    const char16_t* p = text.utf16();
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t u = p[i];
        if (u < 128) {
            out.push_back(char(table[u]));
            continue;
        }
        if (QChar::isHighSurrogate(u) && i + 1 < n && QChar::isLowSurrogate(p[i + 1])) {
            appendUtf8(out, QChar::surrogateToUcs4(u, p[i + 1]));
            ++i;
            continue;
        }
        if (const char16_t f = table[u])
            appendUtf8(out, QChar::isSurrogate(f) ? U'\uFFFD' : char32_t(f));
    }
}

} // namespace

std::string FoldForQuickFilter(QStringView text)
{
    std::string out;
    out.reserve(std::size_t(text.size()));
    foldInto(out, text);
    return out;
}

std::vector<std::string> QuickFilterWords(const QString& typed)
{
    std::vector<std::string> words;
    for (const QString& w : typed.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts)) {
        std::string folded = FoldForQuickFilter(w);
        if (!folded.empty())
            words.push_back(std::move(folded));
    }
    return words;
}

QuickFilterSnapshot TakeQuickFilterSnapshot(const CEntries& entries)
{
    QuickFilterSnapshot s;
    const qsizetype n = entries.Count();
    s.keys.reserve(n);
    s.texts.reserve(n);
    QString text;
    for (const auto& item : entries.Entries()) {
        const CEntry& e = *item.value;
        text.clear();
        for (const QString* f : {&e.CDTitle, &e.CDArtist, &e.CDLabel, &e.CDCatnbr, &e.CDComposer,
                                 &e.CDConductor, &e.CDComments}) {
            text += *f;
            text += u'\n';
        }
        text += e.FormattedCDRelYear();
        e.TrackEntries().forEachTrack([&text](const CTrackEntry& t) {
            text += u'\n';
            text += t.CDTrackTitle;
        });
        s.keys.push_back(e.CDKey);
        s.texts.push_back(text); // shared; the next clear() lets go of it
    }
    return s;
}

QuickFilterIndex::QuickFilterIndex(const QuickFilterSnapshot& snapshot) : m_keys(snapshot.keys)
{
    std::size_t room = 0;
    for (const QString& t : snapshot.texts)
        room += std::size_t(t.size()) + 1;
    m_text.reserve(room + room / 8);
    m_starts.reserve(std::size_t(snapshot.texts.size()));
    for (const QString& t : snapshot.texts) {
        m_starts.push_back(m_text.size());
        foldInto(m_text, t);
        m_text.push_back('\0');
    }
}

std::vector<char> QuickFilterIndex::match(const std::vector<std::string>& words,
                                          const std::atomic<bool>* cancel) const
{
    const std::size_t n = m_starts.size();
    std::vector<char> keep(n, 1);
    if (words.empty())
        return keep;
    std::vector<char> found(n);
    const char* base = m_text.data();
    const std::size_t total = m_text.size();
    for (const std::string& word : words) {
        std::fill(found.begin(), found.end(), 0);
        // One search through the whole index: a hit names its recording, and the search
        // goes on from the next recording.
        std::size_t from = 0;
        while (from < total) {
            if (cancel && cancel->load(std::memory_order_relaxed))
                return {};
            const void* hit = memmem(base + from, total - from, word.data(), word.size());
            if (!hit)
                break;
            const std::size_t at = std::size_t(static_cast<const char*>(hit) - base);
            const std::size_t r = std::size_t(std::upper_bound(m_starts.begin(), m_starts.end(), at)
                                              - m_starts.begin()) - 1;
            found[r] = 1;
            from = r + 1 < n ? m_starts[r + 1] : total;
        }
        for (std::size_t r = 0; r < n; ++r)
            keep[r] = char(keep[r] & found[r]);
    }
    return keep;
}

} // namespace vinaxo
