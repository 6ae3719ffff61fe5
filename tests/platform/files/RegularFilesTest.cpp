// The reader every file of the tool goes through, on real files of the machine's file system.
#include "platform/files/RegularFiles.h"

#include "core/texture/Picture.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <tuple>

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
    // What the reader says of each file, or "" when it reads it; read whole, or a few bytes at a time.
    for (const auto& [name, failure] :
         {std::pair("good", ""), std::pair("pipe", "not a regular file (a device or a pipe)"),
          std::pair("zero", "not a regular file (a device or a pipe)"),
          std::pair("folder", "a folder, not a file"), std::pair("large", "larger than 4 MB"),
          std::pair("missing", "No such file or directory")}) {
        const std::string path = (dir / name).string(), bytes = *failure ? "" : "bind";
        const FileRead read = ReadRegularFile(path, kSettingsFileCap);
        EXPECT_EQ(std::tuple(read.failure, read.bytes, read.missing),
                  std::tuple(failure, bytes, name == std::string("missing")))
            << name;
        std::string pieces, refusal;
        try {
            RegularFileSource source(path, kSettingsFileCap);
            std::uint8_t piece[3];
            while (const std::size_t got = source.Read(piece)) {
                pieces.append(piece, piece + got);
            }
        } catch (const TextureError& error) {
            refusal = error.what();
        }
        EXPECT_EQ(std::pair(refusal, pieces), std::pair(std::string(failure), bytes)) << name;
    }
    fs::remove_all(dir);
}

} // namespace
} // namespace cssbinder
