#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/mount.h>
#include <sys/resource.h>

namespace cssbinder::test {

// The file's bytes, or "<missing>" when it cannot be read.
inline QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Writes the file, making its folder first; false when that fails.
inline bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly) &&
           file.write(bytes) == bytes.size();
}

// While it lives, a write past the size in any file fails (EFBIG) as on a full disk, even as root.
class FileSizeLimit {
public:
    explicit FileSizeLimit(qint64 bytes) {
        // The signal would end the process; ignored, the write fails with EFBIG instead.
        struct sigaction ignore {};
        ignore.sa_handler = SIG_IGN;
        ::sigaction(SIGXFSZ, &ignore, &m_onTooLarge);
        ::getrlimit(RLIMIT_FSIZE, &m_limit);
        const rlimit limit{static_cast<rlim_t>(bytes), m_limit.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &m_limit);
        ::sigaction(SIGXFSZ, &m_onTooLarge, nullptr);
    }
    Q_DISABLE_COPY(FileSizeLimit)

private:
    rlimit m_limit{};
    struct sigaction m_onTooLarge {};
};

inline QString FileTooLarge() {
    return QString::fromLocal8Bit(std::strerror(EFBIG));
}
template <typename Call> auto WithFileSizeLimit(qint64 bytes, Call call) {
    const FileSizeLimit limit(bytes);
    return call();
}

// A 16 KiB file system mounted on the folder while it lives; Refusal() says why not (it needs root).
class TinyFileSystem {
public:
    explicit TinyFileSystem(const QString& folder) : m_folder(folder) {
        if (!QDir().mkpath(folder) ||
            ::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, "size=16k") != 0) {
            m_refusal = QStringLiteral("a 16 KiB tmpfs cannot be mounted here (%1); it needs root")
                            .arg(QString::fromLocal8Bit(std::strerror(errno)));
        }
    }
    ~TinyFileSystem() {
        if (m_refusal.isEmpty()) {
            ::umount2(QFile::encodeName(m_folder).constData(), MNT_DETACH);
        }
    }
    Q_DISABLE_COPY(TinyFileSystem)
    const QString& Refusal() const { return m_refusal; }

private:
    QString m_folder;
    QString m_refusal;
};

} // namespace cssbinder::test
