#pragma once
// The characters of an import file: UTF-8 when it starts with the UTF-8 byte-order mark
// or is valid UTF-8 with multi-byte sequences, Windows-1252 otherwise.
#include <QByteArrayView>
#include <QString>

namespace vinaxo::exchange {

enum class TextEncoding { Windows1252, Utf8, Utf8WithBom };

TextEncoding DetectImportEncoding(QByteArrayView bytes);
QString DecodeImportText(QByteArrayView bytes);

} // namespace vinaxo::exchange
