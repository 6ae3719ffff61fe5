#pragma once

#include "core/lang/GammaDialogLabels.h"
#include "platform/gamma/DisplayGamma.h"

#include <QLockFile>
#include <QString>

#include <optional>
#include <vector>

namespace cssbinder {

// While a preview has changed the screen's ramps, the screen's own ramps are also kept in a file in
// the per-user configuration folder, so that a later start can put them back if the tool was killed.
QString GammaRecoveryPath();

// What the tool has to say about the recovery file: the note, the file and the detail it names.
struct RecoveryNote {
    GammaNote note;
    QString path;
    QString detail;
};

// The recovery file, owned by one running copy of the tool at a time through a lock file beside it.
class GammaRecoveryFile {
public:
    GammaRecoveryFile();

    // Makes the file this copy's; the lock of a copy that has ended is taken over. False while another
    // running copy holds it.
    bool Take();
    // Puts back on the screen the ramps an earlier run left, when they could be its own and it can take
    // them; only then does the file go. Ramps the screen cannot take now stay in the file (said as
    // RecoveryNotApplied); ramps that could not be its own are moved aside unapplied (RecoverySetAside).
    std::optional<RecoveryNote> RestoreLeft(DisplayGamma& display);
    // Keeps the screen's own ramps; the system's reason when they could not be written.
    QString Keep(const std::vector<GammaRamp>& ramps);
    void Forget();

private:
    QLockFile m_lock;
};

// At start-up, when an earlier run left the file and no running copy holds it: as RestoreLeft. The
// screen is opened only when there is a file.
std::optional<RecoveryNote> RestoreRampsLeftByAnEarlierRun();

} // namespace cssbinder
