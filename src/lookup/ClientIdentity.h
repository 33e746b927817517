#pragma once
// The name and version the lookups give of themselves, set at build time in one place
// (CMake: VINAXO_CDDB_CLIENT_NAME, VINAXO_CDDB_CLIENT_VERSION), so that a client name
// registered with a CDDB server's operators can be built in without touching code.
#include <QString>

namespace vinaxo {

QString CddbClientName();
QString CddbClientVersion();

} // namespace vinaxo
