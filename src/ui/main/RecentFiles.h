#pragma once
// The last eight collection files opened or saved, newest first, kept in the settings
// store under a section of our own.
#include <QStringList>

namespace vinaxo {

class CDConfig;

class RecentFiles {
public:
    static constexpr int Limit = 8;
    explicit RecentFiles(CDConfig& config) : m_config(config) {}

    QStringList list() const;
    void add(const QString& path);
    void remove(const QString& path);

private:
    void store(const QStringList& files);
    CDConfig& m_config;
};

} // namespace vinaxo
