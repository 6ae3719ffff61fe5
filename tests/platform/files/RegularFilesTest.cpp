// The reader every file of the tool goes through, on real files of the machine's file system.
#include "platform/files/RegularFiles.h"

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
    // What the reader says of each file, or "" when it reads it.
    for (const auto& [name, failure] :
         {std::pair("good", ""), std::pair("pipe", "not a regular file (a device or a pipe)"),
          std::pair("zero", "not a regular file (a device or a pipe)"),
          std::pair("folder", "a folder, not a file"), std::pair("large", "larger than 4 MB"),
          std::pair("missing", "No such file or directory")}) {
        const FileRead read = ReadRegularFile((dir / name).string(), kSettingsFileCap);
        EXPECT_EQ(read.failure, failure) << name;
        EXPECT_EQ(read.bytes, *failure ? "" : "bind") << name;
        EXPECT_EQ(read.missing, name == std::string("missing")) << name;
    }
    fs::remove_all(dir);
}

} // namespace
} // namespace cssbinder
