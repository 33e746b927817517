#pragma once
// The user's settings, kept in memory and mirrored at once, key by key, in the per-user
// settings store (an INI file named after the application).
#include <QString>
#include <QVariant>
#include <QtGlobal>
#include <memory>

class QSettings;

namespace vinaxo {

// type, property, section, key, default. PrintOrientation is the print window's own
// choice, 1 portrait or 2 landscape, kept beside the report fonts.
#define VINAXO_CONFIG_FIELDS(X)                                                          \
    X(QString, HeadFontName, "PrintHeading", "Name", QString())                         \
    X(bool, HeadFontBold, "PrintHeading", "Bold", false)                                \
    X(bool, HeadFontItalic, "PrintHeading", "Italic", false)                            \
    X(bool, HeadFontStrikethru, "PrintHeading", "Strikethru", false)                    \
    X(bool, HeadFontUnderline, "PrintHeading", "Underline", false)                      \
    X(qint16, HeadFontSize, "PrintHeading", "Size", 0)                                  \
    X(QString, DetailFontName, "PrintDetail", "Name", QString())                        \
    X(bool, DetailFontBold, "PrintDetail", "Bold", false)                               \
    X(bool, DetailFontItalic, "PrintDetail", "Italic", false)                           \
    X(bool, DetailFontStrikethru, "PrintDetail", "Strikethru", false)                   \
    X(bool, DetailFontUnderline, "PrintDetail", "Underline", false)                     \
    X(qint16, DetailFontSize, "PrintDetail", "Size", 0)                                 \
    X(qint16, PrintOrientation, "PrintPage", "Orientation", 1)                          \
    X(bool, TotalTrackTime, "Configuration", "TotalTrackTime", true)                    \
    X(QString, ReleaseLevel, "Release", "ReleaseLevel", QString())                      \
    X(bool, LoadLastFile, "Configuration", "LoadLastFile", false)                       \
    X(QString, LastFileName, "Configuration", "LastFileName", QString())                \
    X(QString, LastViewName, "Configuration", "LastViewName", QString())                \
    X(bool, LoadDefaultCats, "Configuration", "LoadDefaultCategories", true)            \
    X(bool, LoadDefaultMediums, "Configuration", "LoadDefaultMediums", true)            \
    X(QString, CDDriveLetter, "CDInternetLookup", "DriveLetter", QStringLiteral("D:"))  \
    X(QString, SiteAddress, "CDInternetLookup", "SiteAddress", QString())               \
    X(QString, SiteAdditionalAddress, "CDInternetLookup", "SiteAdditionalAddress", QString()) \
    X(QString, SitePort, "CDInternetLookup", "SitePort", QString())                     \
    X(QString, UserID, "CDInternetLookup", "UserID", QString())                         \
    X(QString, Timeout, "CDInternetLookup", "Timeout", QStringLiteral("15"))

class CDConfig {
public:
    static constexpr const char* ApplicationName = "Tremalik.Vinaxo.3.0";

    // The user's store: <config folder>/Tremalik.Vinaxo.3.0.ini.
    static QString defaultPath();

    explicit CDConfig(const QString& iniPath = defaultPath());
    ~CDConfig();
    CDConfig(const CDConfig&) = delete;
    CDConfig& operator=(const CDConfig&) = delete;

    // Reads every key into its property; absent keys take their defaults.
    void GetAllValues();

    QString path() const;

    // Keys of the application's own beyond the table above (window geometry, recent
    // files), kept in the same store and written at once.
    QVariant extraValue(const QString& section, const QString& key,
                        const QVariant& def = QVariant()) const;
    void setExtraValue(const QString& section, const QString& key, const QVariant& value);

#define VINAXO_CONFIG_DECLARE(type, name, section, key, def)                              \
    type name() const { return m_##name; }                                              \
    void set##name(const type& value);
    VINAXO_CONFIG_FIELDS(VINAXO_CONFIG_DECLARE)
#undef VINAXO_CONFIG_DECLARE

    // The store's lenient readings of text.
    static bool textToBool(const QString& text, bool* ok = nullptr);
    static qint16 textToInt16(const QString& text, bool* ok = nullptr);

private:
    void write(const char* section, const char* key, const QString& text);

    std::unique_ptr<QSettings> m_store;
#define VINAXO_CONFIG_MEMBER(type, name, section, key, def) type m_##name = def;
    VINAXO_CONFIG_FIELDS(VINAXO_CONFIG_MEMBER)
#undef VINAXO_CONFIG_MEMBER
};

} // namespace vinaxo
