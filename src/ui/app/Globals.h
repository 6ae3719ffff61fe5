#pragma once

#include "core/document/ConfigDocument.h"

#include <QString>

namespace cssbinder {

// The configuration document: every run starts with an empty one.
extern ConfigDocument g_configEntries;
// The game folder chosen on the first start, kept in the profile.
extern QString g_gamePath;
// The gamma value last confirmed in the gamma preview, where the next preview starts.
extern double g_lastGamma;

} // namespace cssbinder
