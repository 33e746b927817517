#pragma once
// Builds collection files byte by byte, independently of the writer under test.
#include <QByteArray>
#include <QtEndian>
#include <cstring>

namespace vinaxo::test {

struct FileBytes {
    QByteArray b;

    template <class T>
    FileBytes& le(T v)
    {
        char x[sizeof(T)];
        qToLittleEndian(v, x);
        b.append(x, qsizetype(sizeof(T)));
        return *this;
    }
    FileBytes& byte(int c) { b.append(char(c)); return *this; }
    FileBytes& i16(qint16 v) { return le(v); }
    FileBytes& f64(double v)
    {
        quint64 bits;
        std::memcpy(&bits, &v, 8);
        return le(bits);
    }
    FileBytes& f32(float v)
    {
        quint32 bits;
        std::memcpy(&bits, &v, 4);
        return le(bits);
    }
    FileBytes& raw(const QByteArray& x) { b.append(x); return *this; }

    FileBytes& header(double release, qint16 leading = 0)
    {
        i16(leading).f64(release);
        b.append(16, '\0');
        return *this;
    }
    // Elements of the current release.
    FileBytes& text(int code, const QByteArray& bytes)
    {
        return byte(code).i16(qint16(bytes.size())).raw(bytes);
    }
    FileBytes& integer(int code, qint16 v) { return byte(code).i16(v); }
    FileBytes& currency(int code, qint64 units) { return byte(code).le(units); }
    FileBytes& date(int code, double serial) { return byte(code).i16(8).f64(serial); }
    FileBytes& noDate(int code) { return byte(code).i16(0); }

    // A fixed-length text of the previous release, padded with spaces.
    FileBytes& fixed(const QByteArray& text, int width)
    {
        QByteArray t = text.left(width);
        t.append(width - t.size(), ' ');
        return raw(t);
    }

    operator QByteArray() const { return b; }
};

} // namespace vinaxo::test
