#include "storage/CDConfig.h"
#include "platform/NumericText.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace vinaxo {

namespace {
QString toText(const QString& v) { return v; }
QString toText(bool v) { return v ? QStringLiteral("True") : QStringLiteral("False"); }
QString toText(qint16 v) { return QString::number(v); }

QString fromText(const QString& text, const QString*) { return text; }
bool fromText(const QString& text, const bool*) { return CDConfig::textToBool(text); }
qint16 fromText(const QString& text, const qint16*) { return CDConfig::textToInt16(text); }
}

QString CDConfig::defaultPath()
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (dir.isEmpty())
        dir = QDir::homePath() + QStringLiteral("/.config");
    return dir + u'/' + QLatin1String(ApplicationName) + QStringLiteral(".ini");
}

CDConfig::CDConfig(const QString& iniPath)
    : m_store(std::make_unique<QSettings>(iniPath, QSettings::IniFormat))
{
    GetAllValues();
}

CDConfig::~CDConfig() = default;

QString CDConfig::path() const { return m_store->fileName(); }

QVariant CDConfig::extraValue(const QString& section, const QString& key, const QVariant& def) const
{
    return m_store->value(section + u'/' + key, def);
}

void CDConfig::setExtraValue(const QString& section, const QString& key, const QVariant& value)
{
    m_store->setValue(section + u'/' + key, value);
    m_store->sync();
}

bool CDConfig::textToBool(const QString& text, bool* ok)
{
    const QString t = text.trimmed();
    bool good = true;
    bool value = false;
    if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        value = true;
    else if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        value = false;
    else if (auto n = ParseNumber(t))
        value = *n != 0.0;
    else
        good = false;
    if (ok)
        *ok = good;
    return value;
}

qint16 CDConfig::textToInt16(const QString& text, bool* ok)
{
    std::optional<qint16> v;
    if (auto n = ParseNumber(text))
        v = ToInt16(*n);
    if (ok)
        *ok = v.has_value();
    return v.value_or(0);
}

void CDConfig::GetAllValues()
{
#define VINAXO_CONFIG_READ(type, name, section, key, def)                                  \
    {                                                                                     \
        const QString k = QStringLiteral(section "/" key);                                \
        m_##name = m_store->contains(k) ? fromText(m_store->value(k).toString(), &m_##name) \
                                        : type(def);                                      \
    }
    VINAXO_CONFIG_FIELDS(VINAXO_CONFIG_READ)
#undef VINAXO_CONFIG_READ
}

void CDConfig::write(const char* section, const char* key, const QString& text)
{
    m_store->setValue(QLatin1String(section) + u'/' + QLatin1String(key), text);
    m_store->sync(); // at once: a choice survives an abnormal end of the program
}

#define VINAXO_CONFIG_DEFINE(type, name, section, key, def)                                \
    void CDConfig::set##name(const type& value)                                           \
    {                                                                                     \
        m_##name = value;                                                                 \
        write(section, key, toText(value));                                               \
    }
VINAXO_CONFIG_FIELDS(VINAXO_CONFIG_DEFINE)
#undef VINAXO_CONFIG_DEFINE

} // namespace vinaxo
