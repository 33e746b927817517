#pragma once
// Equal texts of one import share one string: names, times and keys repeat across
// thousands of recordings, and a shared string costs neither an allocation nor memory.
#include <QString>
#include <QStringView>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace vinaxo::exchange {

class TextPool {
public:
    // The pooled string equal to the text; *added tells whether it was new to the pool.
    const QString& get(QStringView text, bool* added = nullptr)
    {
        // Short texts of the first 256 characters (times, codes) are found by their
        // characters packed into one number, without hashing a string.
        if (const quint64 k = packed(text)) {
            auto [it, fresh] = m_short.try_emplace(k);
            if (fresh)
                it->second = text.toString();
            if (added)
                *added = fresh;
            return it->second;
        }
        auto it = m_set.find(text);
        const bool fresh = it == m_set.end();
        if (fresh)
            it = m_set.insert(text.toString()).first;
        if (added)
            *added = fresh;
        return *it;
    }

    // Hashing and comparing texts as QStringView, so that look-ups need no string.
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(QStringView s) const
        {
            return std::hash<std::u16string_view>{}(
                std::u16string_view(reinterpret_cast<const char16_t*>(s.utf16()), std::size_t(s.size())));
        }
    };
    struct Equal {
        using is_transparent = void;
        bool operator()(QStringView a, QStringView b) const { return a == b; }
    };
private:
    // Up to seven characters below 256 and the length in the top byte; 0 for any other.
    static quint64 packed(QStringView text)
    {
        if (text.isEmpty() || text.size() > 7)
            return 0;
        quint64 k = quint64(text.size()) << 56;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const char16_t c = text.utf16()[i];
            if (c >= 256)
                return 0;
            k |= quint64(c) << (8 * i);
        }
        return k;
    }

    std::unordered_set<QString, Hash, Equal> m_set;
    std::unordered_map<quint64, QString> m_short;
};

} // namespace vinaxo::exchange
