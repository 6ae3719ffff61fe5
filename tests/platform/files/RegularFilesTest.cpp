// The reader every file of the tool goes through, on real files of the machine's file system.
#include "platform/files/RegularFiles.h"

#include "core/texture/Picture.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace cssbinder {
namespace {

namespace fs = std::filesystem;

TEST(RegularFiles, ReadsOnlyRegularFilesWithinTheCap) {
    const fs::path dir = fs::temp_directory_path() / ("cssbinder-files-" + std::to_string(getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir / "folder");
    std::ofstream(dir / "good") << "bind";
    std::ofstream(dir / "large") << std::string(kSettingsFileCap + 1, 'x');
    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);
    fs::create_symlink("/dev/zero", dir / "zero");
    struct Case {
        const char* name;
        std::string failure; // what the reader says, or "" when it reads the file
        std::string bytes;
    };
    const Case cases[] = {
        {"good", "", "bind"},
        {"pipe", "not a regular file (a device or a pipe)", ""},
        {"zero", "not a regular file (a device or a pipe)", ""},
        {"folder", "a folder, not a file", ""},
        {"large", "larger than 4 MB", ""},
        {"missing", "No such file or directory", ""},
    };
    for (const Case& test : cases) {
        const std::string path = (dir / test.name).string();
        const FileRead read = ReadRegularFile(path, kSettingsFileCap);
        EXPECT_EQ(read.failure, test.failure) << test.name;
        EXPECT_EQ(read.bytes, test.bytes) << test.name;
        EXPECT_EQ(read.missing, test.name == std::string("missing")) << test.name;
        // Read a few bytes at a time, the file gives the same bytes or the same reason.
        std::string pieces, failure;
        try {
            RegularFileSource source(path, kSettingsFileCap);
            std::uint8_t piece[3];
            while (const std::size_t got = source.Read(piece)) {
                pieces.append(piece, piece + got);
            }
        } catch (const TextureError& error) {
            failure = error.what();
        }
        EXPECT_EQ(std::pair(failure, pieces), std::pair(test.failure, test.bytes)) << test.name;
    }
    fs::remove_all(dir);
}

} // namespace
} // namespace cssbinder
