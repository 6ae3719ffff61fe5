#include "platform/gamma/GammaRecovery.h"

#include "core/gamma/RampFile.h"
#include "platform/files/RegularFiles.h"
#include "platform/files/SafeFile.h"
#include "platform/profile/UserConfigFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace cssbinder {
namespace {

std::optional<QByteArray> ReadRecoveryFile(const QString& path) {
    const FileRead file = ReadRegularFile(path.toStdString(), kSettingsFileCap);
    return file ? std::optional(QByteArray::fromStdString(file.bytes)) : std::nullopt;
}

// Ramps that must never reach the screen are moved out of the way, not deleted: they may still tell
// what happened.
RecoveryNote SetAside(const QString& path) {
    const QString aside = path + QStringLiteral(".unused");
    QFile::remove(aside);
    QFile::rename(path, aside);
    return {GammaNote::RecoverySetAside, path, QDir::toNativeSeparators(aside)};
}

} // namespace

QString GammaRecoveryPath() {
    return UserConfigFile(QStringLiteral("cssbinder-gamma-recovery.txt"));
}

GammaRecoveryFile::GammaRecoveryFile() : m_lock(GammaRecoveryPath() + QStringLiteral(".lock")) {
    // A copy may preview for as long as it likes: only a lock whose process has ended is stale.
    m_lock.setStaleLockTime(0);
}

bool GammaRecoveryFile::Take() {
    MakeUserConfigFolder();
    return m_lock.tryLock(0);
}

std::optional<RecoveryNote> GammaRecoveryFile::RestoreLeft(DisplayGamma& display) {
    const QString path = GammaRecoveryPath();
    const std::optional<QByteArray> text = ReadRecoveryFile(path);
    if (!text) {
        return std::nullopt;
    }
    const std::optional<std::vector<GammaRamp>> ramps = ParseRamps(text->toStdString());
    if (!ramps) {
        return SetAside(path);
    }
    const RecoveryNote waiting{GammaNote::RecoveryNotApplied, path, {}};
    const DisplayRamps screen = display.ReadRamps();
    if (screen.access != GammaAccess::Changeable) {
        return waiting;
    }
    switch (JudgeKeptRamps(*ramps, screen.ramps)) {
    case KeptRamps::Implausible:
        return SetAside(path);
    case KeptRamps::OtherOutputs:
        return waiting;
    case KeptRamps::Plausible:
        break;
    }
    if (!display.WriteRamps(*ramps)) {
        return waiting;
    }
    Forget();
    return std::nullopt;
}

QString GammaRecoveryFile::Keep(const std::vector<GammaRamp>& ramps) {
    return WriteFileSafely(GammaRecoveryPath(), QByteArray::fromStdString(SerializeRamps(ramps)));
}

void GammaRecoveryFile::Forget() {
    QFile::remove(GammaRecoveryPath());
}

std::optional<RecoveryNote> RestoreRampsLeftByAnEarlierRun() {
    if (!QFileInfo::exists(GammaRecoveryPath())) {
        return std::nullopt;
    }
    GammaRecoveryFile file;
    if (!file.Take()) {
        return std::nullopt;
    }
    return file.RestoreLeft(*OpenDisplayGamma());
}

} // namespace cssbinder
