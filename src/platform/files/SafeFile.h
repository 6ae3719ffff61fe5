#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace cssbinder {

// Replaces the file with the bytes only once they are fully written, so that a failure leaves the
// old file as it was. Returns the system's reason on failure, an empty text on success.
QString WriteFileSafely(const QString& path, const QByteArray& bytes);

struct WriteFailure {
    QString path;
    QString reason;
};

// Replaces the file safely after keeping its previous content as `<name>.bak` beside it, itself
// written safely.
// No backup is written when there was no file, when its content is `lastSaved` (what this program
// wrote there itself) or when it already holds the new bytes: nothing would be lost. When the
// backup cannot be written the file is left as it was. Returns the file that could not be written
// and why, nothing on success.
std::optional<WriteFailure> ReplaceFileKeepingBackup(const QString& path, const QByteArray& bytes,
                                                     const std::optional<QByteArray>& lastSaved);

struct FileContents {
    QString path;
    QByteArray bytes;
};

// Several files that belong together: each is written under a temporary name first, and only when
// all of them are complete do they replace the old files. The failure names the file.
std::optional<WriteFailure> WriteFilesSafely(const QList<FileContents>& files);

// Why the file cannot be written now (a folder in its place, a file or folder the user may not
// write), found without changing it; an empty text when it can be.
QString WriteRefusal(const QString& path);

} // namespace cssbinder
