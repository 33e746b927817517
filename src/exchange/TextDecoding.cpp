#include "exchange/TextDecoding.h"
#include "platform/CodePage1252.h"

#include <cstdint>
#include <cstring>

namespace vinaxo::exchange {

namespace {
enum class Utf8Check { Invalid, AsciiOnly, MultiByte };

Utf8Check checkUtf8(const unsigned char* p, qsizetype n)
{
    bool multi = false;
    qsizetype i = 0;
    while (i < n) {
        // Runs of ASCII eight bytes at a time.
        if (i + 8 <= n) {
            std::uint64_t word;
            std::memcpy(&word, p + i, 8);
            if ((word & 0x8080808080808080ULL) == 0) {
                i += 8;
                continue;
            }
        }
        const unsigned char c = p[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        int len;
        unsigned char lo = 0x80, hi = 0xBF; // range of the second byte
        if (c >= 0xC2 && c <= 0xDF) {
            len = 2;
        } else if (c >= 0xE0 && c <= 0xEF) {
            len = 3;
            if (c == 0xE0)
                lo = 0xA0; // no overlong forms
            else if (c == 0xED)
                hi = 0x9F; // no surrogates
        } else if (c >= 0xF0 && c <= 0xF4) {
            len = 4;
            if (c == 0xF0)
                lo = 0x90;
            else if (c == 0xF4)
                hi = 0x8F; // nothing beyond U+10FFFF
        } else {
            return Utf8Check::Invalid;
        }
        if (i + len > n)
            return Utf8Check::Invalid;
        if (p[i + 1] < lo || p[i + 1] > hi)
            return Utf8Check::Invalid;
        for (int k = 2; k < len; ++k) {
            if ((p[i + k] & 0xC0) != 0x80)
                return Utf8Check::Invalid;
        }
        multi = true;
        i += len;
    }
    return multi ? Utf8Check::MultiByte : Utf8Check::AsciiOnly;
}
}

TextEncoding DetectImportEncoding(QByteArrayView bytes)
{
    if (bytes.size() >= 3 && static_cast<unsigned char>(bytes[0]) == 0xEF
        && static_cast<unsigned char>(bytes[1]) == 0xBB && static_cast<unsigned char>(bytes[2]) == 0xBF)
        return TextEncoding::Utf8WithBom;
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    return checkUtf8(p, bytes.size()) == Utf8Check::MultiByte ? TextEncoding::Utf8
                                                             : TextEncoding::Windows1252;
}

QString DecodeImportText(QByteArrayView bytes)
{
    switch (DetectImportEncoding(bytes)) {
    case TextEncoding::Utf8WithBom:
        return QString::fromUtf8(bytes.sliced(3));
    case TextEncoding::Utf8:
        return QString::fromUtf8(bytes);
    case TextEncoding::Windows1252:
        break;
    }
    return cp1252::decode(bytes.data(), bytes.size());
}

} // namespace vinaxo::exchange
