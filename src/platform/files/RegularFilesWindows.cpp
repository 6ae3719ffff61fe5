#include "platform/files/RegularFiles.h"

#include "platform/files/RegularFileReasons.h"

#include <windows.h>

#include <algorithm>

namespace cssbinder {
namespace {

// Paths are UTF-8 text; the system takes them as UTF-16.
std::wstring Wide(const std::string& path) {
    const int size = MultiByteToWideChar(CP_UTF8, 0, path.data(), static_cast<int>(path.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, path.data(), static_cast<int>(path.size()), wide.data(), size);
    return wide;
}

std::string SystemReason(DWORD error) {
    char text[512] = {};
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                        error, 0, text, sizeof text, nullptr);
    std::string reason(text, length);
    while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r' || reason.back() == '.')) {
        reason.pop_back();
    }
    return reason.empty() ? "error " + std::to_string(error) : reason;
}

// Why a file that exists is refused, or nothing when it is a regular file.
const char* Refusal(DWORD attributes, HANDLE file) {
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return kFolderReason;
    }
    return file != INVALID_HANDLE_VALUE && GetFileType(file) != FILE_TYPE_DISK ? kNotRegularReason : nullptr;
}

// Why what lies at the target may not be replaced, or nothing when it may (or nothing lies there).
const char* ReplacementRefusal(const std::wstring& target) {
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return nullptr;
    }
    const HANDLE existing =
        CreateFileW(target.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    const char* refusal = Refusal(attributes, existing);
    if (existing != INVALID_HANDLE_VALUE) {
        CloseHandle(existing);
    }
    return refusal;
}

} // namespace

FileHandle OpenRegularFile(const std::string& path, FileRead& read, std::size_t& size) {
    const std::wstring wide = Wide(path);
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        read.missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
        read.failure = SystemReason(error);
        return kNoFile;
    }
    if (const char* refusal = Refusal(attributes, INVALID_HANDLE_VALUE)) {
        read.failure = refusal;
        return kNoFile;
    }
    const HANDLE file =
        CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        read.failure = SystemReason(GetLastError());
        return kNoFile;
    }
    LARGE_INTEGER seen{};
    if (Refusal(attributes, file)) {
        read.failure = kNotRegularReason;
    } else if (!GetFileSizeEx(file, &seen)) {
        read.failure = SystemReason(GetLastError());
    } else {
        size = static_cast<std::size_t>(seen.QuadPart);
        return reinterpret_cast<FileHandle>(file);
    }
    CloseHandle(file);
    return kNoFile;
}

std::variant<std::size_t, std::string> ReadSome(FileHandle file, void* buffer, std::size_t count) {
    DWORD n = 0;
    if (!ReadFile(reinterpret_cast<HANDLE>(file), buffer,
                  static_cast<DWORD>(std::min<std::size_t>(count, 1u << 30)), &n, nullptr)) {
        return SystemReason(GetLastError());
    }
    return std::size_t{n};
}

void CloseFile(FileHandle file) {
    CloseHandle(reinterpret_cast<HANDLE>(file));
}

std::string ReplaceRegularFile(const std::string& path, std::span<const std::uint8_t> bytes) {
    const std::wstring target = Wide(path);
    if (const char* refusal = ReplacementRefusal(target)) {
        return refusal;
    }
    const std::wstring partial = Wide(path + ".partial");
    // What a stopped run left goes first; a link is deleted itself, never what it points to.
    DeleteFileW(partial.c_str());
    const HANDLE file = CreateFileW(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return SystemReason(GetLastError());
    }
    DWORD error = ERROR_SUCCESS;
    for (std::size_t done = 0; done < bytes.size() && error == ERROR_SUCCESS;) {
        DWORD n = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
        if (!WriteFile(file, bytes.data() + done, chunk, &n, nullptr)) {
            error = GetLastError();
        }
        done += n;
    }
    if (!CloseHandle(file) && error == ERROR_SUCCESS) {
        error = GetLastError();
    }
    if (error == ERROR_SUCCESS &&
        !MoveFileExW(partial.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        error = GetLastError();
    }
    if (error != ERROR_SUCCESS) {
        DeleteFileW(partial.c_str());
        return SystemReason(error);
    }
    return {};
}

} // namespace cssbinder
