#include "ui/app/Globals.h"

namespace cssbinder {

ConfigDocument g_configEntries;
QString g_gamePath;
double g_lastGamma = 2.2;

} // namespace cssbinder
