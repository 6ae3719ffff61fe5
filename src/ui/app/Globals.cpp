#include "ui/app/Globals.h"

namespace cssbinder {

ConfigDocument g_configEntries;
QString g_gamePath;

} // namespace cssbinder
