#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/mount.h>
#include <sys/resource.h>

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

struct FileSizeLimit::Saved {
    rlimit limit;
    struct sigaction onTooLarge;
};

FileSizeLimit::FileSizeLimit(qint64 bytes) : m_saved(std::make_unique<Saved>()) {
    // The signal would end the process; ignored, the write fails with EFBIG instead.
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    ::sigaction(SIGXFSZ, &ignore, &m_saved->onTooLarge);
    ::getrlimit(RLIMIT_FSIZE, &m_saved->limit);
    const rlimit limit{static_cast<rlim_t>(bytes), m_saved->limit.rlim_max};
    ::setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &m_saved->limit);
    ::sigaction(SIGXFSZ, &m_saved->onTooLarge, nullptr);
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
