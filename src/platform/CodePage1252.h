#pragma once
// The single-byte code page of every file the system reads or writes: Windows-1252,
// by our own table (Qt's converters lack it without ICU).
#include <QByteArray>
#include <QString>

namespace vinaxo::cp1252 {

QString decode(const char* data, qsizetype size);
// Decodes `size` bytes into `out`, which has room for as many characters.
void decodeInto(const char* data, qsizetype size, char16_t* out);
inline QString decode(const QByteArray& bytes) { return decode(bytes.constData(), bytes.size()); }
// Characters outside the code page become "?".
QByteArray encode(QStringView text);
// Appends the encoded text to `out` (no temporary).
void encodeAppend(QStringView text, QByteArray& out);
// Encodes the text into `out`, which has room for as many bytes as the text has
// characters; returns the bytes written (a surrogate pair is one "?").
qsizetype encodeInto(QStringView text, char* out);
// Encodes the text into `out`, which has room for as many bytes as the text has
// characters; false when a character has no byte in the code page.
bool encodeExactInto(QStringView text, char* out);
// True when every character of the text has a byte in the code page.
bool representable(QStringView text);

} // namespace vinaxo::cp1252
