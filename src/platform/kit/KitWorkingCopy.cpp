#include "platform/kit/KitWorkingCopy.h"

#include "platform/files/RegularFiles.h"
#include "platform/files/SafeFile.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace cssbinder {
namespace {

// Beside the copied kit: the time of the installed kit it was copied from.
const QString kStampName = QStringLiteral(".installed-kit-time");

bool HoldsKit(const QString& folder) {
    const QDir kit(folder);
    return kit.exists(QStringLiteral("convert.sh")) || kit.exists(QStringLiteral("convert.bat"));
}

// The tool writes the picture and the converter writes the textures into these folders.
bool HoldsWritableKit(const QString& folder) {
    if (!HoldsKit(folder)) {
        return false;
    }
    for (const QString& workFolder : {QString(), QStringLiteral("/hl2/materialsrc/animated"),
                                      QStringLiteral("/hl2/materials/animated")}) {
        const QFileInfo info(folder + workFolder);
        if (!info.isDir() || !info.isWritable()) {
            return false;
        }
    }
    return true;
}

// The newest change in the kit, in milliseconds: a new package or build changes it.
QString KitTime(const QString& folder) {
    qint64 newest = 0;
    QDirIterator files(folder, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        newest = std::max(newest, files.nextFileInfo().lastModified().toMSecsSinceEpoch());
    }
    return QString::number(newest);
}

QByteArray StampOf(const QString& copy) {
    const FileRead stamp = ReadRegularFile(QDir(copy).filePath(kStampName).toStdString(), kSettingsFileCap);
    return QByteArray::fromStdString(stamp.bytes);
}

QString SystemReason() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

// Copies the file, keeping its permissions (the converter stays executable) but letting the user
// write the copy; returns why it could not.
QString CopyFile(const QString& from, const QString& to) {
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly)) {
        return source.errorString();
    }
    if (QString reason = WriteFileSafely(to, source.readAll()); !reason.isEmpty()) {
        return reason;
    }
    return QFile::setPermissions(to, source.permissions() | QFile::WriteOwner) ? QString() : SystemReason();
}

std::optional<WriteFailure> CopyTree(const QString& from, const QString& to) {
    if (!QDir().mkpath(to)) {
        return WriteFailure{to, SystemReason()};
    }
    QDirIterator entries(from, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        const QFileInfo entry = entries.nextFileInfo();
        const QString target = QDir(to).filePath(QDir(from).relativeFilePath(entry.filePath()));
        const QString reason = !entry.isDir()          ? CopyFile(entry.filePath(), target)
                               : QDir().mkpath(target) ? QString()
                                                       : SystemReason();
        if (!reason.isEmpty()) {
            return WriteFailure{target, reason};
        }
    }
    return std::nullopt;
}

// Builds the new copy beside the old one and swaps the two by renaming, so that a failure at any
// step keeps the old copy whole.
std::optional<WriteFailure> RenewCopy(const QString& installed, const QString& copy, const QString& time) {
    const QString fresh = copy + QStringLiteral(".new");
    const QString old = copy + QStringLiteral(".old");
    QDir(fresh).removeRecursively();
    QDir(old).removeRecursively();
    std::optional<WriteFailure> failure = CopyTree(installed, fresh);
    const QString stamp = QDir(fresh).filePath(kStampName);
    if (const QString reason = failure ? QString() : WriteFileSafely(stamp, time.toLatin1());
        !reason.isEmpty()) {
        failure = WriteFailure{stamp, reason};
    }
    const bool hadCopy = QFileInfo::exists(copy);
    if (!failure && hadCopy && !QDir().rename(copy, old)) {
        failure = WriteFailure{copy, SystemReason()};
    }
    if (!failure && !QDir().rename(fresh, copy)) {
        failure = WriteFailure{copy, SystemReason()};
        if (hadCopy) {
            QDir().rename(old, copy);
        }
    }
    QDir(failure ? fresh : old).removeRecursively();
    return failure;
}

} // namespace

KitChoice KitWorkingFolder(const KitFolders& folders) {
    if (HoldsWritableKit(folders.besideProgram)) {
        return {folders.besideProgram, std::nullopt};
    }
    if (HoldsKit(folders.installed)) {
        const QString time = KitTime(folders.installed);
        if (!HoldsKit(folders.perUser) || StampOf(folders.perUser) != time.toLatin1()) {
            return {folders.perUser, RenewCopy(folders.installed, folders.perUser, time)};
        }
        return {folders.perUser, std::nullopt};
    }
    return {HoldsKit(folders.perUser) ? folders.perUser : folders.besideProgram, std::nullopt};
}

} // namespace cssbinder
