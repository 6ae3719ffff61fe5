#include "platform/GammaRecovery.h"

#include "core/gamma/RampFile.h"
#include "platform/DisplayGamma.h"
#include "platform/SafeFile.h"

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
    QFile file(GammaRecoveryPath());
    if (!file.open(QIODevice::ReadOnly)) {
        return;
    }
    const std::optional<std::vector<GammaRamp>> ramps = ParseRamps(file.readAll().toStdString());
    file.close();
    if (!ramps || OpenDisplayGamma()->WriteRamps(*ramps)) {
        ForgetRecoveryRamps();
    }
}

} // namespace cssbinder
