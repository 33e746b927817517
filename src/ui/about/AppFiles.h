#pragma once
// Where the program finds the files it ships with: the help document, the example
// collection and the lookup site list. A build keeps them beside the vinaxo binary; an
// installed program keeps them in its data folder (share/vinaxo).
#include <QString>
#include <QStringList>

namespace vinaxo::AppFiles {

// The folders searched, in order, for a program whose binary lives in `appDir`: appDir
// itself, the data folder relative to it (../share/vinaxo), the configured data folder,
// then vinaxo/ in the user's and the system's data folders.
QStringList searchFolders(const QString& appDir);

// The first existing file `relative` in `folders`; empty when there is none.
QString findFile(const QString& relative, const QStringList& folders);

// The help document (doc/index.htm). `appDir` defaults to the running binary's folder.
QString helpDocumentPath(const QString& appDir = QString());
// The example collection (examples/sample.DAT).
QString exampleCollectionPath(const QString& appDir = QString());
// The site list shipped with the program (CDInfosite.txt).
QString siteListPath(const QString& appDir = QString());

inline constexpr const char* HelpDocument = "doc/index.htm";
inline constexpr const char* ExampleCollection = "examples/sample.DAT";
inline constexpr const char* SiteList = "CDInfosite.txt";

} // namespace vinaxo::AppFiles
