#pragma once
// The import/export definition file (".IDF"): a 75-byte header with the file mark, then
// the selected-field table's items, four bytes each, to the end of the file.
#include "exchange/ColTable.h"
#include "exchange/ExchangeRun.h"

#include <QByteArray>
#include <array>

namespace vinaxo {
class IMessageService;
}

namespace vinaxo::exchange {

constexpr int kDefinitionHeaderSize = 75;
constexpr int kDefinitionMarkOffset = 57;
constexpr int kDefinitionMarkSize = 10;

// The header record. Its reserved bytes are written back as they were read; a header
// never read is zero bytes but for the mark.
struct DefinitionHeader {
    std::array<char, kDefinitionHeaderSize> bytes{};
    QByteArray mark() const { return QByteArray(bytes.data() + kDefinitionMarkOffset, kDefinitionMarkSize); }
};

// The file's bytes: the header with the mark "VINAXO150 ", then every item.
QByteArray EncodeDefinition(const ColTable& table, const DefinitionHeader& header = {});

enum class DefinitionStatus { Ok, WrongMark };
// Accepts the marks "VINAXO150" and "VINAXO120" (blanks trimmed from both ends); then
// appends every whole 4-byte item to the table (a shorter final piece is not taken).
// On a wrong mark the table is left empty.
DefinitionStatus DecodeDefinition(QByteArrayView bytes, ColTable& table, DefinitionHeader& header);

// "Open Def": empties the table, reads the file; a wrong mark shows "Wrong File Type".
// False when the file was refused or could not be read.
bool ReadDefinitionFile(const QString& path, ColTable& table, DefinitionHeader& header,
                        IMessageService& messages, const FileErrorHandler& onError = {});
// "Save Def": replaces the file with the header and the table's items.
bool WriteDefinitionFile(const QString& path, const ColTable& table, const DefinitionHeader& header,
                         IMessageService& messages, const FileErrorHandler& onError = {});

// The path a definition is saved under: a file name without "." gets ".IDF"; one whose
// text after its first "." is not "IDF" (any letter case) gets that text replaced by "IDF".
QString DefinitionSavePath(const QString& chosen);

} // namespace vinaxo::exchange
