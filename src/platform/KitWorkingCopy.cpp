#include "platform/KitWorkingCopy.h"

#include "platform/files/RegularFiles.h"

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
    const FileRead stamp = ReadRegularFile(QDir(copy).filePath(kStampName).toStdString(), kSettingsFileCap);
    return QByteArray::fromStdString(stamp.bytes);
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
        } else if (!QFile::copy(entry.filePath(), target) ||
                   !QFile::setPermissions(target, QFile::permissions(target) | QFile::WriteOwner)) {
            return false;
        }
    }
    return true;
}

// Builds the new copy beside the old one and swaps it in, so a failure keeps the old copy whole.
void RenewCopy(const QString& installed, const QString& copy, const QString& time) {
    const QString fresh = copy + QStringLiteral(".new");
    QDir(fresh).removeRecursively();
    QFile stamp(QDir(fresh).filePath(kStampName));
    if (!CopyTree(installed, fresh) || !stamp.open(QIODevice::WriteOnly) ||
        stamp.write(time.toLatin1()) < 0) {
        QDir(fresh).removeRecursively();
        return;
    }
    stamp.close();
    QDir(copy).removeRecursively();
    if (!QDir().rename(fresh, copy)) {
        QDir(fresh).removeRecursively();
    }
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
