#include "model/DuplicateIndex.h"

#include "model/CEntries.h"
#include "model/QuickFilter.h"

#include <algorithm>

namespace vinaxo {

namespace {
const char Separator = '\x1f';

void append(std::string& out, const QString& text)
{
    out += FoldForQuickFilter(QStringView(text).trimmed());
    out += Separator;
}
} // namespace

void DuplicateIndex::setFields(int fields)
{
    fields &= DuplicateField::Medium | DuplicateField::CatalogNumber;
    if (fields == m_fields)
        return;
    m_fields = fields;
    m_built = false;
}

QString DuplicateIndex::FieldsText(int fields)
{
    QStringList names{QStringLiteral("Artist"), QStringLiteral("Title")};
    if (fields & DuplicateField::Medium)
        names << QStringLiteral("Medium");
    if (fields & DuplicateField::CatalogNumber)
        names << QStringLiteral("Catalog Number");
    return names.join(u',');
}

int DuplicateIndex::FieldsFromText(const QString& text)
{
    int fields = DuplicateField::ArtistTitle;
    for (const QString& name : text.split(u',')) {
        const QString n = name.trimmed();
        if (n.compare(QStringLiteral("Medium"), Qt::CaseInsensitive) == 0)
            fields |= DuplicateField::Medium;
        else if (n.compare(QStringLiteral("Catalog Number"), Qt::CaseInsensitive) == 0)
            fields |= DuplicateField::CatalogNumber;
    }
    return fields;
}

std::string DuplicateIndex::signature(const CEntry& e) const
{
    if (e.CDArtist.trimmed().isEmpty() && e.CDTitle.trimmed().isEmpty())
        return {};
    std::string s;
    append(s, e.CDArtist);
    append(s, e.CDTitle);
    if (m_fields & DuplicateField::Medium)
        append(s, e.CDMedium);
    if (m_fields & DuplicateField::CatalogNumber)
        append(s, e.CDCatnbr);
    return s;
}

void DuplicateIndex::insert(const CEntry& e)
{
    std::string s = signature(e);
    if (s.empty())
        return;
    m_keysOf.emplace(s, e.CDKey);
    m_signatureOf.emplace(e.CDKey, std::move(s));
}

void DuplicateIndex::erase(const QString& key)
{
    const auto it = m_signatureOf.find(key);
    if (it == m_signatureOf.end())
        return;
    auto [from, to] = m_keysOf.equal_range(it->second);
    for (; from != to; ++from) {
        if (from->second == key) {
            m_keysOf.erase(from);
            break;
        }
    }
    m_signatureOf.erase(it);
}

void DuplicateIndex::sync()
{
    CEntries::Touched touched = m_entries.TakeTouched();
    if (!m_built || touched.all) {
        m_signatureOf.clear();
        m_keysOf.clear();
        m_signatureOf.reserve(std::size_t(m_entries.Count()));
        m_keysOf.reserve(std::size_t(m_entries.Count()));
        for (const auto& item : m_entries.Entries())
            insert(*item.value);
        m_built = true;
        return;
    }
    for (const QString& key : touched.keys) {
        erase(key);
        if (const auto* e = m_entries.Entries().find(key))
            insert(**e);
    }
}

QStringList DuplicateIndex::duplicatesOf(const CEntry& entry)
{
    sync();
    QStringList keys;
    const std::string s = signature(entry);
    if (s.empty())
        return keys;
    auto [from, to] = m_keysOf.equal_range(s);
    for (; from != to; ++from) {
        if (from->second != entry.CDKey)
            keys << from->second;
    }
    std::sort(keys.begin(), keys.end(), [this](const QString& a, const QString& b) {
        return m_entries.IndexOfEntry(a) < m_entries.IndexOfEntry(b);
    });
    return keys;
}

QString DuplicateIndex::findDuplicate(const CEntry& entry)
{
    const QStringList keys = duplicatesOf(entry);
    return keys.isEmpty() ? QString() : keys.constFirst();
}

} // namespace vinaxo
