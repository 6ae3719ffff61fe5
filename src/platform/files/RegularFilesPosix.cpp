#include "platform/files/RegularFiles.h"

#include "platform/files/RegularFileReasons.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace cssbinder {
namespace {

// Why a stat of a file that exists refuses it, or nothing for a regular file.
const char* Refusal(const struct stat& status) {
    if (S_ISREG(status.st_mode)) {
        return nullptr;
    }
    return S_ISDIR(status.st_mode) ? kFolderReason : kNotRegularReason;
}

bool WriteAll(int fd, std::span<const std::uint8_t> bytes) {
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno != EINTR) {
            return false;
        }
        done += written < 0 ? 0 : static_cast<std::size_t>(written);
    }
    return true;
}

} // namespace

FileHandle OpenRegularFile(const std::string& path, FileRead& read, std::size_t& size) {
    // Looked at before it is opened: opening a device may already do something.
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        read.missing = errno == ENOENT;
        read.failure = std::strerror(errno);
        return kNoFile;
    }
    if (const char* refusal = Refusal(status)) {
        read.failure = refusal;
        return kNoFile;
    }
    // Not blocking, in case a pipe took the file's place in between.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        read.failure = std::strerror(errno);
        return kNoFile;
    }
    if (const char* refusal = ::fstat(fd, &status) != 0 ? std::strerror(errno) : Refusal(status)) {
        read.failure = refusal;
        ::close(fd);
        return kNoFile;
    }
    size = static_cast<std::size_t>(status.st_size);
    return fd;
}

std::variant<std::size_t, std::string> ReadSome(FileHandle file, void* buffer, std::size_t count) {
    for (;;) {
        const ssize_t n = ::read(static_cast<int>(file), buffer, count);
        if (n >= 0) {
            return static_cast<std::size_t>(n);
        }
        if (errno != EINTR) {
            return std::strerror(errno);
        }
    }
}

void CloseFile(FileHandle file) {
    ::close(static_cast<int>(file));
}

std::string ReplaceRegularFile(const std::string& path, std::span<const std::uint8_t> bytes) {
    struct stat status {};
    if (::stat(path.c_str(), &status) == 0) {
        if (const char* refusal = Refusal(status)) {
            return refusal;
        }
    }
    const std::string partial = path + ".partial";
    // What a stopped run left goes first; unlink removes a link itself, never what it points to.
    ::unlink(partial.c_str());
    const int fd = ::open(partial.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) {
        return std::strerror(errno);
    }
    bool done = WriteAll(fd, bytes);
    int error = errno;
    if (::close(fd) != 0 && done) {
        done = false;
        error = errno;
    }
    if (done && ::rename(partial.c_str(), path.c_str()) != 0) {
        done = false;
        error = errno;
    }
    if (!done) {
        ::unlink(partial.c_str());
        return std::strerror(error);
    }
    return {};
}

} // namespace cssbinder
