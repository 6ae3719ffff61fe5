#include "platform/files/SafeFile.h"

#include "platform/files/RegularFiles.h"

#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <memory>
#include <vector>

namespace cssbinder {
namespace {

// Qt names some failures "Unknown error" (a write cut short, a file that vanished); the system's
// own words are clearer, and a plain statement is better than nothing.
QString ReasonOf(const QFileDevice& file) {
    const QString reason = file.errorString();
    if (file.error() != QFileDevice::NoError && !reason.isEmpty() &&
        reason != QStringLiteral("Unknown error")) {
        return reason;
    }
    if (errno != 0) {
        return QString::fromLocal8Bit(std::strerror(errno));
    }
    return QStringLiteral("the file was not written whole");
}

// Unbuffered, so that every failing write is seen here: a buffered QSaveFile reports a write as done
// and commits the file cut short when its last flush fails. A write cut short is written on until
// the system gives its reason.
bool WriteWhole(QSaveFile& file, const QByteArray& bytes) {
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return false;
    }
    errno = 0;
    for (qsizetype done = 0; done < bytes.size();) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0) {
            return false;
        }
        done += written;
    }
    return true;
}

} // namespace

QString WriteFileSafely(const QString& path, const QByteArray& bytes) {
    const std::optional<WriteFailure> failure = WriteFilesSafely({{path, bytes}});
    return failure ? failure->reason : QString();
}

std::optional<WriteFailure> WriteFilesSafely(const QList<FileContents>& files) {
    // A file not committed is thrown away with its temporary name when its QSaveFile goes.
    std::vector<std::unique_ptr<QSaveFile>> written;
    for (const FileContents& contents : files) {
        auto& file = *written.emplace_back(std::make_unique<QSaveFile>(contents.path));
        if (!WriteWhole(file, contents.bytes)) {
            return WriteFailure{contents.path, ReasonOf(file)};
        }
    }
    for (const auto& file : written) {
        errno = 0;
        if (!file->commit()) {
            return WriteFailure{file->fileName(), ReasonOf(*file)};
        }
    }
    return std::nullopt;
}

QString WriteRefusal(const QString& path) {
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) {
        return ReasonOf(file);
    }
    file.cancelWriting();
    return {};
}

std::optional<WriteFailure> ReplaceFileKeepingBackup(const QString& path, const QByteArray& bytes,
                                                     const std::optional<QByteArray>& lastSaved) {
    // Reading the old file first also refuses a target that is no regular file before anything is written.
    const FileRead old = ReadRegularFile(path.toStdString(), kSettingsFileCap);
    if (!old.missing) {
        if (!old) {
            return WriteFailure{path, QString::fromStdString(old.failure)};
        }
        const QByteArray previous = QByteArray::fromStdString(old.bytes);
        if (previous != bytes && previous != lastSaved) {
            const QString backup = path + QStringLiteral(".bak");
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
