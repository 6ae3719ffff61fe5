#include "platform/GammaRecovery.h"

#include "core/gamma/RampFile.h"
#include "platform/DisplayGamma.h"
#include "platform/SafeFile.h"
#include "platform/files/RegularFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace cssbinder {

QString GammaRecoveryPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/cssbinder-gamma-recovery.txt");
}

void KeepRampsForRecovery(const std::vector<GammaRamp>& ramps) {
    const QString path = GammaRecoveryPath();
    QDir().mkpath(QFileInfo(path).path());
    WriteFileSafely(path, QByteArray::fromStdString(SerializeRamps(ramps)));
}

void ForgetRecoveryRamps() {
    QFile::remove(GammaRecoveryPath());
}

void RestoreRampsLeftByAnEarlierRun() {
    const FileRead file = ReadRegularFile(GammaRecoveryPath().toStdString(), kSettingsFileCap);
    if (!file) {
        return;
    }
    const std::optional<std::vector<GammaRamp>> ramps = ParseRamps(file.bytes);
    if (!ramps || OpenDisplayGamma()->WriteRamps(*ramps)) {
        ForgetRecoveryRamps();
    }
}

} // namespace cssbinder
