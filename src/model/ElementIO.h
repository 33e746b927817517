#pragma once
// The element stream of the collection file as the model classes see it: each block
// (entry, track, view) writes and reads its own elements through this interface, so
// that the model knows the codes and their order but nothing of files.
#include "platform/Currency.h"
#include "platform/OleDate.h"

#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <optional>
#include <variant>

namespace vinaxo {

// An empty date: the code, a zero length word and nothing more.
struct ElementNull {};
// A value of a type the file cannot hold; the writer reports it and writes nothing.
struct ElementUnhandled {};

// One element's value; its alternative decides the encoding.
using ElementValue =
    std::variant<QStringView, qint16, Currency, OleDate, ElementNull, ElementUnhandled>;

inline ElementValue DateValue(const std::optional<OleDate>& date)
{
    return date ? ElementValue(*date) : ElementValue(ElementNull{});
}

class IElementIO {
public:
    virtual ~IElementIO() = default;

    // Writes one element (code 0-255). An empty or all-blank text writes nothing at all.
    virtual void WriteElement(int code, const ElementValue& value) = 0;

    // A text already in the file's code page (1252), written as WriteElement writes it.
    virtual void WriteTextBytes(int code, QByteArrayView bytes);

    // The next code byte; -1 at the end of the stream.
    virtual int ReadElementType() = 0;
    // Each read returns false when the stream ended before the value did (the value is
    // then left alone and the stream stands at its end).
    virtual bool ReadStringElement(QString& value) = 0;
    // The same for a text that many recordings share (a name, a time): the reader may hand
    // out one copy for all of them. `repeated` tells that this very text came for the
    // same element code before in this stream, so what was done with it then (adding a
    // name to a list) need not be done again.
    virtual bool ReadSharedStringElement(QString& value, bool& repeated)
    {
        repeated = false;
        return ReadStringElement(value);
    }
    bool ReadSharedStringElement(QString& value)
    {
        bool repeated = false;
        return ReadSharedStringElement(value, repeated);
    }
    // For readers that can hand out a text element's bytes as the stream holds them (code
    // page 1252), so that tracks can be kept packed: the bytes stay valid until the end of
    // the block being read. ReadTextBytes fails as ReadStringElement does, and always
    // where GivesTextBytes is false.
    virtual bool GivesTextBytes() const { return false; }
    virtual bool ReadTextBytes(const char*& bytes, qsizetype& length)
    {
        Q_UNUSED(bytes);
        Q_UNUSED(length);
        return false;
    }
    virtual bool ReadIntegerElement(qint16& value) = 0;
    virtual bool ReadCurrencyElement(Currency& value) = 0;
    // False also for a zero length word (no date) and for a day number that is no date.
    virtual bool ReadDateElement(OleDate& value) = 0;
};

} // namespace vinaxo
