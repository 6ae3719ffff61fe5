#include "platform/SafeFile.h"

#include "platform/files/RegularFiles.h"

#include <QSaveFile>

#include <memory>
#include <vector>

namespace cssbinder {

QString WriteFileSafely(const QString& path, const QByteArray& bytes) {
    const std::optional<WriteFailure> failure = WriteFilesSafely({{path, bytes}});
    return failure ? failure->reason : QString();
}

std::optional<WriteFailure> WriteFilesSafely(const QList<FileContents>& files) {
    // A file not committed is thrown away with its temporary name when its QSaveFile goes.
    std::vector<std::unique_ptr<QSaveFile>> written;
    for (const FileContents& contents : files) {
        auto& file = *written.emplace_back(std::make_unique<QSaveFile>(contents.path));
        if (!file.open(QIODevice::WriteOnly) || file.write(contents.bytes) != contents.bytes.size()) {
            return WriteFailure{contents.path, file.errorString()};
        }
    }
    for (const auto& file : written) {
        if (!file->commit()) {
            return WriteFailure{file->fileName(), file->errorString()};
        }
    }
    return std::nullopt;
}

std::optional<WriteFailure> ReplaceFileKeepingBackup(const QString& path, const QByteArray& bytes,
                                                     const std::optional<QByteArray>& lastSaved) {
    // Reading the old file first also refuses a target that is no regular file before anything is written.
    const FileRead old = ReadRegularFile(path.toStdString(), kSettingsFileCap);
    if (!old.missing) {
        const QString backup = path + QStringLiteral(".bak");
        if (!old) {
            return WriteFailure{path, QString::fromStdString(old.failure)};
        }
        const QByteArray previous = QByteArray::fromStdString(old.bytes);
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
