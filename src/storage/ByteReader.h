#pragma once
// A cursor over bytes in memory, little-endian. A read that needs more bytes than remain
// fails and leaves the cursor at the end, so that a damaged length or count can never
// lead past the data.
#include <QtEndian>
#include <QtGlobal>
#include <cstring>

namespace vinaxo {

class ByteReader {
public:
    ByteReader() = default;
    ByteReader(const char* begin, const char* end) : m_pos(begin), m_end(end) {}

    bool atEnd() const { return m_pos >= m_end; }
    qsizetype remaining() const { return m_end - m_pos; }
    const char* position() const { return m_pos; }
    void toEnd() { m_pos = m_end; }

    // The next byte, or -1 at the end.
    int byte() { return m_pos < m_end ? static_cast<unsigned char>(*m_pos++) : -1; }

    // `n` bytes in place; false (cursor at the end) when fewer remain or n is negative.
    bool take(qsizetype n, const char*& out)
    {
        if (n < 0 || n > remaining()) {
            toEnd();
            return false;
        }
        out = m_pos;
        m_pos += n;
        return true;
    }
    bool skip(qsizetype n)
    {
        const char* p = nullptr;
        return take(n, p);
    }

    template <class T>
    bool read(T& value)
    {
        const char* p = nullptr;
        if (!take(qsizetype(sizeof(T)), p))
            return false;
        value = qFromLittleEndian<T>(p);
        return true;
    }

    bool readDouble(double& value)
    {
        quint64 bits = 0;
        if (!read(bits))
            return false;
        std::memcpy(&value, &bits, sizeof value);
        return true;
    }

    bool readFloat(float& value)
    {
        quint32 bits = 0;
        if (!read(bits))
            return false;
        std::memcpy(&value, &bits, sizeof value);
        return true;
    }

private:
    const char* m_pos = nullptr;
    const char* m_end = nullptr;
};

} // namespace vinaxo
