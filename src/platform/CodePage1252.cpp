#include "platform/CodePage1252.h"

#include <array>

namespace vinaxo::cp1252 {

namespace {
// 0x80..0x9F; the five unassigned bytes map to the C1 controls, as the platform does.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

inline char encodeChar(char16_t u)
{
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return static_cast<char>(u);
    for (int i = 0; i < 32; ++i) {
        if (kHigh[i] == u)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}
}

char16_t decodeByte(unsigned char b)
{
    return (b >= 0x80 && b < 0xA0) ? kHigh[b - 0x80] : char16_t(b);
}

QString decode(const char* data, qsizetype size)
{
    QString out(size, Qt::Uninitialized);
    char16_t* dst = reinterpret_cast<char16_t*>(out.data());
    for (qsizetype i = 0; i < size; ++i) {
        const auto b = static_cast<unsigned char>(data[i]);
        dst[i] = (b >= 0x80 && b < 0xA0) ? kHigh[b - 0x80] : char16_t(b);
    }
    return out;
}

void encodeAppend(QStringView text, QByteArray& out)
{
    const qsizetype start = out.size();
    out.resize(start + text.size());
    char* dst = out.data() + start;
    const char16_t* src = text.utf16();
    qsizetype j = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = src[i];
        // A surrogate pair is one character outside the code page: one "?".
        if (QChar::isHighSurrogate(u) && i + 1 < text.size() && QChar::isLowSurrogate(src[i + 1]))
            ++i;
        dst[j++] = encodeChar(u);
    }
    out.resize(start + j);
}

QByteArray encode(QStringView text)
{
    QByteArray out;
    encodeAppend(text, out);
    return out;
}

bool representable(QStringView text)
{
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (encodeChar(u) == '?' && u != u'?')
            return false;
    }
    return true;
}

} // namespace vinaxo::cp1252
