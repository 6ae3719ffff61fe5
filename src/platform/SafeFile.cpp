#include "platform/SafeFile.h"

#include <QSaveFile>

#include <memory>
#include <vector>

namespace cssbinder {

QString WriteFileSafely(const QString& path, const QByteArray& bytes) {
    const std::optional<FileWriteFailure> failure = WriteFilesSafely({{path, bytes}});
    return failure ? failure->reason : QString();
}

std::optional<FileWriteFailure> WriteFilesSafely(const QList<FileContents>& files) {
    // A file not committed is thrown away with its temporary name when its QSaveFile goes.
    std::vector<std::unique_ptr<QSaveFile>> written;
    for (const FileContents& contents : files) {
        auto& file = *written.emplace_back(std::make_unique<QSaveFile>(contents.path));
        if (!file.open(QIODevice::WriteOnly) || file.write(contents.bytes) != contents.bytes.size()) {
            return FileWriteFailure{contents.path, file.errorString()};
        }
    }
    for (const auto& file : written) {
        if (!file->commit()) {
            return FileWriteFailure{file->fileName(), file->errorString()};
        }
    }
    return std::nullopt;
}

} // namespace cssbinder
