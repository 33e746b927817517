#include "support/TestWorld.h"

namespace vinaxo::test {

QDate fixedToday() { return QDate(2026, 12, 7); }

const LocaleFormats& fixedFormats()
{
    static const LocaleFormats formats(QLocale(QLocale::English, QLocale::UnitedStates),
                                       [] { return fixedToday(); });
    return formats;
}

TestWorld::TestWorld()
{
    ws = std::make_unique<Workspace>(messages, fixedFormats(), settingsPath());
}

} // namespace vinaxo::test
