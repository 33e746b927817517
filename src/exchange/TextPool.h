#pragma once
// Equal texts of one import share one string: names, times and keys repeat across
// thousands of recordings, and a shared string costs neither an allocation nor memory.
#include "exchange/FlatTable.h"

#include <QHash>
#include <QString>
#include <QStringView>

namespace vinaxo::exchange {

class TextPool {
public:
    // The pooled string equal to the text; *added tells whether it was new to the pool.
    // The reference is valid until the next call.
    const QString& get(QStringView text, bool* added = nullptr)
    {
        // Short texts of the first 256 characters (times, codes) are told apart by their
        // characters packed into one number, without reading a string.
        if (const quint64 k = packed(text)) {
            return m_texts
                .find(FlatTable<Text>::mix(k), [k](const Text& t) { return t.packed == k; },
                      [&] { return Text{k, text.toString()}; }, added)
                .text;
        }
        return m_texts
            .find(qHash(text), [text](const Text& t) { return t.packed == 0 && t.text == text; },
                  [&] { return Text{0, text.toString()}; }, added)
            .text;
    }

private:
    struct Text {
        quint64 packed = 0; // see packed(); 0 for a text that has no such number
        QString text;
    };

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

    FlatTable<Text> m_texts;
};

} // namespace vinaxo::exchange
