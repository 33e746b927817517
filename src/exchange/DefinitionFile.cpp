#include "exchange/DefinitionFile.h"
#include "platform/IMessageService.h"

#include <QCoreApplication>
#include <cstring>

namespace vinaxo::exchange {

namespace {
constexpr char kMark[] = "VINAXO150 ";

qint16 readInt16(const char* p)
{
    const auto lo = static_cast<unsigned char>(p[0]);
    const auto hi = static_cast<unsigned char>(p[1]);
    return static_cast<qint16>(static_cast<quint16>(lo | (hi << 8)));
}

void appendInt16(QByteArray& out, qint16 v)
{
    const auto u = static_cast<quint16>(v);
    out.append(static_cast<char>(u & 0xFF));
    out.append(static_cast<char>(u >> 8));
}
}

QByteArray EncodeDefinition(const ColTable& table, const DefinitionHeader& header)
{
    QByteArray out;
    out.reserve(kDefinitionHeaderSize + 4 * table.Count());
    DefinitionHeader h = header;
    std::memcpy(h.bytes.data() + kDefinitionMarkOffset, kMark, kDefinitionMarkSize);
    out.append(h.bytes.data(), kDefinitionHeaderSize);
    for (const ColItem& item : table.Items()) {
        appendInt16(out, item.Number);
        appendInt16(out, item.Width);
    }
    return out;
}

DefinitionStatus DecodeDefinition(QByteArrayView bytes, ColTable& table, DefinitionHeader& header)
{
    table.Clear();
    // A file shorter than the header reads as if padded with zero bytes.
    DefinitionHeader h;
    if (!bytes.isEmpty()) {
        std::memcpy(h.bytes.data(), bytes.data(),
                    std::size_t(std::min<qsizetype>(bytes.size(), kDefinitionHeaderSize)));
    }
    header = h;
    QByteArray mark = h.mark();
    while (!mark.isEmpty() && mark.back() == ' ')
        mark.chop(1);
    while (!mark.isEmpty() && mark.front() == ' ')
        mark.remove(0, 1);
    if (mark != "VINAXO150" && mark != "VINAXO120")
        return DefinitionStatus::WrongMark;
    for (qsizetype at = kDefinitionHeaderSize; at + 4 <= bytes.size(); at += 4)
        table.Append(ColItem{readInt16(bytes.data() + at), readInt16(bytes.data() + at + 2)});
    return DefinitionStatus::Ok;
}

bool ReadDefinitionFile(const QString& path, ColTable& table, DefinitionHeader& header,
                        IMessageService& messages, const FileErrorHandler& onError)
{
    table.Clear();
    const auto bytes = ReadWholeFile(path, messages, onError, QStringLiteral("frmCDIMPDES.ReadDef"));
    if (!bytes)
        return false;
    if (DecodeDefinition(*bytes, table, header) == DefinitionStatus::WrongMark) {
        messages.show(
            QCoreApplication::translate("DefinitionFile", "This is not a Vinaxo file.  Please choose another file."),
            QCoreApplication::translate("DefinitionFile", "Wrong File Type"), MsgIcon::Critical);
        return false;
    }
    return true;
}

bool WriteDefinitionFile(const QString& path, const ColTable& table, const DefinitionHeader& header,
                         IMessageService& messages, const FileErrorHandler& onError)
{
    return WriteWholeFile(path, EncodeDefinition(table, header), messages, onError,
                          QStringLiteral("frmCDIMPDES.WriteDef"));
}

QString DefinitionSavePath(const QString& chosen)
{
    const qsizetype slash = std::max(chosen.lastIndexOf(u'/'), chosen.lastIndexOf(u'\\'));
    const qsizetype nameStart = slash + 1;
    const qsizetype dot = chosen.indexOf(u'.', nameStart);
    if (dot < 0)
        return chosen + QStringLiteral(".IDF");
    if (QStringView(chosen).mid(dot + 1).compare(u"IDF", Qt::CaseInsensitive) == 0)
        return chosen;
    return chosen.left(dot + 1) + QStringLiteral("IDF");
}

} // namespace vinaxo::exchange
