#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace cssbinder {

// Replaces the file with the bytes only once they are fully written, so that a failure leaves the
// old file as it was. Returns the system's reason on failure, an empty text on success.
QString WriteFileSafely(const QString& path, const QByteArray& bytes);

struct FileContents {
    QString path;
    QByteArray bytes;
};
struct FileWriteFailure {
    QString path;
    QString reason;
};

// The same for several files that belong together: each is written under a temporary name first, and
// only when all of them are complete do they replace the old files. The failure names the file.
std::optional<FileWriteFailure> WriteFilesSafely(const QList<FileContents>& files);

} // namespace cssbinder
