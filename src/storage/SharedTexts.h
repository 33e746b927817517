#pragma once
// Texts that repeat across recordings (names, times, places) decoded once: each distinct
// byte sequence of the file becomes one string that every recording holding it shares.
// One look-up per text in an open-addressing table; the table keeps its own copy of the
// bytes, so nothing points into the input (its pages may be released while reading).
#include "platform/CodePage1252.h"

#include <QString>
#include <cstring>
#include <string>
#include <vector>

namespace vinaxo {

class SharedTexts {
public:
    struct Text {
        quint64 hash;
        std::string bytes;
        QString text;
        quint32 fields = 0; // which fields have handed it out: see ReadSharedStringElement
    };

    Text& get(const char* bytes, qsizetype n)
    {
        const quint64 h = hash(bytes, n);
        if (m_texts.size() * 2 >= m_slots.size())
            grow();
        std::size_t s = std::size_t(h) & m_mask;
        for (;; s = (s + 1) & m_mask) {
            const quint32 slot = m_slots[s];
            if (slot == 0)
                break;
            Text& t = m_texts[slot - 1];
            if (t.hash == h && t.bytes.size() == std::size_t(n)
                && std::memcmp(t.bytes.data(), bytes, std::size_t(n)) == 0)
                return t;
        }
        m_texts.push_back(Text{h, std::string(bytes, std::size_t(n)), cp1252::decode(bytes, n)});
        m_slots[s] = quint32(m_texts.size());
        return m_texts.back();
    }

    void clear()
    {
        m_texts.clear();
        m_texts.shrink_to_fit();
        m_slots.clear();
        m_slots.shrink_to_fit();
        m_mask = 0;
    }

private:
    static quint64 hash(const char* p, qsizetype n)
    {
        quint64 h = 0x9E3779B97F4A7C15ULL ^ quint64(n);
        for (; n >= 8; p += 8, n -= 8) {
            quint64 w;
            std::memcpy(&w, p, 8);
            h = (h ^ w) * 0xFF51AFD7ED558CCDULL;
            h ^= h >> 32;
        }
        quint64 w = 0;
        std::memcpy(&w, p, std::size_t(n));
        h = (h ^ w) * 0xC4CEB9FE1A85EC53ULL;
        return h ^ (h >> 29);
    }

    void grow()
    {
        const std::size_t n = m_slots.empty() ? 1024 : m_slots.size() * 2;
        m_slots.assign(n, 0);
        m_mask = n - 1;
        for (std::size_t i = 0; i < m_texts.size(); ++i) {
            std::size_t s = std::size_t(m_texts[i].hash) & m_mask;
            while (m_slots[s] != 0)
                s = (s + 1) & m_mask;
            m_slots[s] = quint32(i + 1);
        }
    }

    std::vector<Text> m_texts;
    std::vector<quint32> m_slots; // position + 1; 0 is free
    std::size_t m_mask = 0;
};

} // namespace vinaxo
