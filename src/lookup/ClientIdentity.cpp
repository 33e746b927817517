#include "lookup/ClientIdentity.h"

#ifndef VINAXO_CDDB_CLIENT_NAME
#define VINAXO_CDDB_CLIENT_NAME "Tremalik.Vinaxo"
#endif
#ifndef VINAXO_CDDB_CLIENT_VERSION
#define VINAXO_CDDB_CLIENT_VERSION "3.1"
#endif

namespace vinaxo {

QString CddbClientName() { return QStringLiteral(VINAXO_CDDB_CLIENT_NAME); }
QString CddbClientVersion() { return QStringLiteral(VINAXO_CDDB_CLIENT_VERSION); }

} // namespace vinaxo
