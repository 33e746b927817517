#pragma once
// A small JSON writer that keeps keys in the order they are written (QJsonObject sorts
// them), streaming to the output as it goes.
#include <QString>
#include <QTextStream>
#include <vector>

namespace vinaxo::cli {

class JsonWriter {
public:
    explicit JsonWriter(QTextStream& out) : m_out(out) {}

    JsonWriter& beginObject() { return open(u'{'); }
    JsonWriter& endObject() { return close(u'}'); }
    JsonWriter& beginArray() { return open(u'['); }
    JsonWriter& endArray() { return close(u']'); }

    // The key of the next value inside an object.
    JsonWriter& key(QStringView k)
    {
        separate();
        string(k);
        m_out << ": ";
        m_afterKey = true;
        return *this;
    }

    JsonWriter& value(QStringView s)
    {
        separate();
        string(s);
        return *this;
    }
    JsonWriter& value(const QString& s) { return value(QStringView(s)); }
    JsonWriter& value(const char* s) { return value(QString::fromUtf8(s)); }
    JsonWriter& value(qint64 n)
    {
        separate();
        m_out << n;
        return *this;
    }
    JsonWriter& value(int n) { return value(qint64(n)); }
    JsonWriter& value(double d)
    {
        separate();
        m_out << QString::number(d, 'g', 17);
        return *this;
    }
    JsonWriter& boolean(bool b)
    {
        separate();
        m_out << (b ? "true" : "false");
        return *this;
    }
    JsonWriter& null()
    {
        separate();
        m_out << "null";
        return *this;
    }

    template <class T>
    JsonWriter& field(QStringView k, const T& v)
    {
        key(k);
        return value(v);
    }

private:
    JsonWriter& open(QChar bracket)
    {
        separate();
        m_out << bracket;
        m_first.push_back(true);
        return *this;
    }
    JsonWriter& close(QChar bracket)
    {
        const bool empty = m_first.back();
        m_first.pop_back();
        if (!empty)
            newline();
        m_out << bracket;
        if (m_first.empty())
            m_out << '\n';
        return *this;
    }
    // The comma and line break before an item (nothing after a key).
    void separate()
    {
        if (m_afterKey) {
            m_afterKey = false;
            return;
        }
        if (m_first.empty())
            return;
        if (!m_first.back())
            m_out << ',';
        m_first.back() = false;
        newline();
    }
    void newline()
    {
        m_out << '\n';
        for (std::size_t i = 0; i < m_first.size(); ++i)
            m_out << "  ";
    }
    void string(QStringView s)
    {
        QString out;
        out.reserve(s.size() + 2);
        out += u'"';
        for (QChar c : s) {
            switch (c.unicode()) {
            case u'"': out += QLatin1String("\\\""); break;
            case u'\\': out += QLatin1String("\\\\"); break;
            case u'\n': out += QLatin1String("\\n"); break;
            case u'\r': out += QLatin1String("\\r"); break;
            case u'\t': out += QLatin1String("\\t"); break;
            case u'\b': out += QLatin1String("\\b"); break;
            case u'\f': out += QLatin1String("\\f"); break;
            default:
                if (c.unicode() < 0x20)
                    out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QChar(u'0'));
                else
                    out += c;
            }
        }
        out += u'"';
        m_out << out;
    }

    QTextStream& m_out;
    std::vector<bool> m_first; // per open bracket: nothing written inside yet
    bool m_afterKey = false;
};

} // namespace vinaxo::cli
