#pragma once

#include <QByteArray>
#include <QString>

#include <csignal>
#include <sys/resource.h>

namespace cssbinder::test {

// The file's bytes, or "<missing>" when it cannot be read.
QByteArray ReadFile(const QString& path);
// Writes the file, making its folder first; false when that fails.
bool WriteFile(const QString& path, const QByteArray& bytes);

// While it lives, a write past the size in any file fails (EFBIG) as on a full disk, even as root.
class FileSizeLimit {
public:
    explicit FileSizeLimit(qint64 bytes);
    ~FileSizeLimit();
    Q_DISABLE_COPY(FileSizeLimit)

private:
    rlimit m_limit{};
    struct sigaction m_onTooLarge {};
};

// What the system says of a write past the limit.
QString FileTooLarge();
template <typename Call> auto WithFileSizeLimit(qint64 bytes, Call call) {
    const FileSizeLimit limit(bytes);
    return call();
}

// A 16 KiB file system mounted on the folder while it lives; Refusal() says why not (it needs root).
class TinyFileSystem {
public:
    explicit TinyFileSystem(const QString& folder);
    ~TinyFileSystem();
    Q_DISABLE_COPY(TinyFileSystem)
    const QString& Refusal() const { return m_refusal; }

private:
    QString m_folder;
    QString m_refusal;
};

} // namespace cssbinder::test
