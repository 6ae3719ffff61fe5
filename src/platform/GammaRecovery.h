#pragma once

#include "core/gamma/GammaRamp.h"

#include <QString>

#include <vector>

namespace cssbinder {

// While a preview has changed the screen's ramps, the screen's own ramps are also kept in a file in
// the per-user configuration folder, so that the next start can put them back if the tool was killed.
QString GammaRecoveryPath();
void KeepRampsForRecovery(const std::vector<GammaRamp>& ramps);
void ForgetRecoveryRamps();

// At start-up: when an earlier run left the file, its ramps go back to the screen and the file goes.
// A file the screen cannot take now (other outputs) stays for a start that can. The screen is opened
// only when there is a file.
void RestoreRampsLeftByAnEarlierRun();

} // namespace cssbinder
