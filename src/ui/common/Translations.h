#pragma once
// The window program speaks the user's language where a translation exists: Qt's own
// (standard dialogs and buttons) and Vinaxo's, chosen by the system's UI languages.
// English, the language of the sources, when none matches. vinaxo-cli never calls this.
class QCoreApplication;

namespace vinaxo {

// Installs the translators on the application (which owns them). Call once, before the
// first window is built.
void installTranslations(QCoreApplication& app);

} // namespace vinaxo
