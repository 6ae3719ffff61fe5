#include "platform/KitWorkingCopy.h"

#include "platform/SafeFile.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

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
    QFile stamp(QDir(copy).filePath(kStampName));
    return stamp.open(QIODevice::ReadOnly) ? stamp.readAll() : QByteArray();
}

// Copies the tree, keeping each file's permissions (the converter stays executable) but letting
// the user write every copy.
bool CopyTree(const QString& from, const QString& to) {
    if (!QDir().mkpath(to)) {
        return false;
    }
    QDirIterator entries(from, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        const QFileInfo entry = entries.nextFileInfo();
        const QString target = QDir(to).filePath(QDir(from).relativeFilePath(entry.filePath()));
        if (entry.isDir()) {
            if (!QDir().mkpath(target)) {
                return false;
            }
            continue;
        }
        QFile source(entry.filePath());
        if (!source.open(QIODevice::ReadOnly) || !WriteFileSafely(target, source.readAll()).isEmpty() ||
            !QFile::setPermissions(target, source.permissions() | QFile::WriteOwner)) {
            return false;
        }
    }
    return true;
}

// Builds the new copy beside the old one and swaps the two by renaming, so that a failure at any
// step keeps the old copy whole.
void RenewCopy(const QString& installed, const QString& copy, const QString& time) {
    const QString fresh = copy + QStringLiteral(".new");
    const QString old = copy + QStringLiteral(".old");
    QDir(fresh).removeRecursively();
    QDir(old).removeRecursively();
    const bool made = CopyTree(installed, fresh) &&
                      WriteFileSafely(QDir(fresh).filePath(kStampName), time.toLatin1()).isEmpty();
    const bool hadCopy = QFileInfo::exists(copy);
    if (made && (!hadCopy || QDir().rename(copy, old))) {
        if (QDir().rename(fresh, copy)) {
            QDir(old).removeRecursively();
        } else if (hadCopy) {
            QDir().rename(old, copy);
        }
    }
    QDir(fresh).removeRecursively();
}

} // namespace

QString KitWorkingFolder(const KitFolders& folders) {
    if (HoldsWritableKit(folders.besideProgram)) {
        return folders.besideProgram;
    }
    if (HoldsKit(folders.installed)) {
        const QString time = KitTime(folders.installed);
        if (!HoldsKit(folders.perUser) || StampOf(folders.perUser) != time.toLatin1()) {
            RenewCopy(folders.installed, folders.perUser, time);
        }
        return folders.perUser;
    }
    return HoldsKit(folders.perUser) ? folders.perUser : folders.besideProgram;
}

} // namespace cssbinder
