#include "platform/CodePage1252.h"

#include <array>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// Copies the leading ASCII characters as bytes, sixteen at a time where the processor
// can; returns how many there were.
qsizetype narrowAscii(const char16_t* src, qsizetype n, char* dst)
{
    qsizetype i = 0;
#if defined(__SSE2__)
    const __m128i high = _mm_set1_epi16(short(0xFF80));
    const __m128i zero = _mm_setzero_si128();
    for (; i + 16 <= n; i += 16) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i + 8));
        if (_mm_movemask_epi8(_mm_cmpeq_epi8(_mm_and_si128(_mm_or_si128(a, b), high), zero)) != 0xFFFF)
            break;
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i), _mm_packus_epi16(a, b));
    }
#endif
    for (; i < n && src[i] < 0x80; ++i)
        dst[i] = char(src[i]);
    return i;
}
}

void decodeInto(const char* data, qsizetype size, char16_t* dst)
{
    const auto* src = reinterpret_cast<const unsigned char*>(data);
    // Widened as Latin-1, sixteen bytes at a time where the processor can; only the
    // bytes 0x80-0x9F differ from Latin-1, and most texts have none.
    qsizetype i = 0;
    bool high = false;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    for (; i + 16 <= size; i += 16) {
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i));
        high = high || _mm_movemask_epi8(b) != 0;
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i), _mm_unpacklo_epi8(b, zero));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i + 8), _mm_unpackhi_epi8(b, zero));
    }
#endif
    for (; i < size; ++i) {
        dst[i] = src[i];
        high = high || src[i] >= 0x80;
    }
    if (high) {
        for (i = 0; i < size; ++i) {
            if (src[i] >= 0x80 && src[i] < 0xA0)
                dst[i] = kHigh[src[i] - 0x80];
        }
    }
}

QString decode(const char* data, qsizetype size)
{
    QString out(size, Qt::Uninitialized);
    decodeInto(data, size, reinterpret_cast<char16_t*>(out.data()));
    return out;
}

qsizetype encodeInto(QStringView text, char* dst)
{
    const char16_t* src = text.utf16();
    const qsizetype n = text.size();
    qsizetype j = narrowAscii(src, n, dst); // most texts are nothing else
    for (qsizetype i = j; i < n; ++i) {
        const char16_t u = src[i];
        // A surrogate pair is one character outside the code page: one "?".
        if (QChar::isHighSurrogate(u) && i + 1 < n && QChar::isLowSurrogate(src[i + 1]))
            ++i;
        dst[j++] = encodeChar(u);
    }
    return j;
}

void encodeAppend(QStringView text, QByteArray& out)
{
    const qsizetype start = out.size();
    out.resize(start + text.size());
    out.resize(start + encodeInto(text, out.data() + start));
}

QByteArray encode(QStringView text)
{
    QByteArray out;
    encodeAppend(text, out);
    return out;
}

bool encodeExactInto(QStringView text, char* dst)
{
    const char16_t* src = text.utf16();
    const qsizetype n = text.size();
    for (qsizetype i = narrowAscii(src, n, dst); i < n; ++i) {
        const char16_t u = src[i];
        if (u < 0x80) {
            dst[i] = char(u);
            continue;
        }
        const char b = encodeChar(u);
        if (b == '?')
            return false; // '?' itself is ASCII
        dst[i] = b;
    }
    return true;
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
