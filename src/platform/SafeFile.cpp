#include "platform/SafeFile.h"

#include <QFile>
#include <QSaveFile>

namespace cssbinder {

QString WriteFileSafely(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        return file.errorString();
    }
    return {};
}

std::optional<WriteFailure> ReplaceFileKeepingBackup(const QString& path, const QByteArray& bytes,
                                                     const std::optional<QByteArray>& lastSaved) {
    QFile old(path);
    if (old.exists()) {
        const QString backup = path + QStringLiteral(".bak");
        if (!old.open(QIODevice::ReadOnly)) {
            return WriteFailure{backup, old.errorString()};
        }
        const QByteArray previous = old.readAll();
        old.close();
        if (previous != bytes && previous != lastSaved) {
            if (QString reason = WriteFileSafely(backup, previous); !reason.isEmpty()) {
                return WriteFailure{backup, reason};
            }
        }
    }
    if (QString reason = WriteFileSafely(path, bytes); !reason.isEmpty()) {
        return WriteFailure{path, reason};
    }
    return std::nullopt;
}

} // namespace cssbinder
