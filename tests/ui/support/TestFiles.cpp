#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <sys/mount.h>

namespace cssbinder::test {

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly) &&
           file.write(bytes) == bytes.size();
}

FileSizeLimit::FileSizeLimit(qint64 bytes) {
    // The signal would end the process; ignored, the write fails with EFBIG instead.
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    ::sigaction(SIGXFSZ, &ignore, &m_onTooLarge);
    ::getrlimit(RLIMIT_FSIZE, &m_limit);
    const rlimit limit{static_cast<rlim_t>(bytes), m_limit.rlim_max};
    ::setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &m_limit);
    ::sigaction(SIGXFSZ, &m_onTooLarge, nullptr);
}

QString FileTooLarge() {
    return QString::fromLocal8Bit(std::strerror(EFBIG));
}

TinyFileSystem::TinyFileSystem(const QString& folder) : m_folder(folder) {
    if (!QDir().mkpath(folder) ||
        ::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, "size=16k") != 0) {
        m_refusal = QStringLiteral("a 16 KiB tmpfs cannot be mounted here (%1); it needs root")
                        .arg(QString::fromLocal8Bit(std::strerror(errno)));
    }
}

TinyFileSystem::~TinyFileSystem() {
    if (m_refusal.isEmpty()) {
        ::umount2(QFile::encodeName(m_folder).constData(), MNT_DETACH);
    }
}

} // namespace cssbinder::test
