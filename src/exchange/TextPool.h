#pragma once
// Equal texts of one import share one string: names, times and keys repeat across
// thousands of recordings, and a shared string costs neither an allocation nor memory.
#include <QString>
#include <QStringView>
#include <string_view>
#include <unordered_set>

namespace vinaxo::exchange {

class TextPool {
public:
    // The pooled string equal to the text; *added tells whether it was new to the pool.
    const QString& get(QStringView text, bool* added = nullptr)
    {
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
    std::unordered_set<QString, Hash, Equal> m_set;
};

} // namespace vinaxo::exchange
