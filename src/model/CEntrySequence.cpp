#include "model/CEntrySequence.h"
#include "model/TimeText.h"

#include <limits>

namespace vinaxo {

void CEntrySequence::setCount(qint32 n)
{
    m_keys.clear();
    m_keys.shrink_to_fit();
    m_keys.reserve(std::size_t(n < 0 ? 0 : n) + 100);
    m_first.clear();
    m_first.reserve(std::size_t(n < 0 ? 0 : n));
    m_indexValid = true;
}

QString CEntrySequence::CurrKey() const
{
    if (m_pos < 1 || m_pos > Count())
        return {};
    return KeyText(m_keys[std::size_t(m_pos - 1)]);
}

QString CEntrySequence::FirstKey()
{
    if (!m_keys.empty())
        m_pos = 1;
    return CurrKey();
}

QString CEntrySequence::LastKey()
{
    if (!m_keys.empty())
        m_pos = Count();
    return CurrKey();
}

QString CEntrySequence::NextKey()
{
    if (!m_keys.empty() && m_pos < Count())
        ++m_pos;
    return CurrKey();
}

QString CEntrySequence::PrevKey()
{
    if (!m_keys.empty() && m_pos > 1)
        --m_pos;
    return CurrKey();
}

bool CEntrySequence::toKey(const QString& text, qint32& key)
{
    bool ok = false;
    const qint64 v = text.trimmed().toLongLong(&ok);
    if (!ok || v < std::numeric_limits<qint32>::min() || v > std::numeric_limits<qint32>::max())
        return false;
    key = static_cast<qint32>(v);
    return true;
}

bool CEntrySequence::Add(const QString& newKey)
{
    qint32 key = 0;
    if (!toKey(newKey, key))
        return false;
    m_keys.push_back(key);
    m_pos = Count();
    if (m_indexValid)
        m_first.emplace(key, m_pos); // keeps an earlier occurrence
    return true;
}

void CEntrySequence::ensureIndex() const
{
    if (m_indexValid)
        return;
    m_first.clear();
    m_first.reserve(m_keys.size());
    for (std::size_t i = 0; i < m_keys.size(); ++i)
        m_first.emplace(m_keys[i], qint32(i + 1));
    m_indexValid = true;
}

bool CEntrySequence::Locate(const QString& key)
{
    m_pos = 0;
    qint32 k = 0;
    if (!toKey(key, k))
        return false;
    ensureIndex();
    const auto it = m_first.find(k);
    if (it == m_first.end())
        return false;
    m_pos = it->second;
    return true;
}

void CEntrySequence::Delete()
{
    if (m_pos >= 1 && m_pos <= Count()) {
        m_keys.erase(m_keys.begin() + (m_pos - 1));
        m_indexValid = false;
    }
    m_pos = 0;
}

} // namespace vinaxo
