// The real kit as the build lays it out beside the program: its script and converter run in a copy.
#include "core/texture/VtfReader.h"
#include "core/texture/VtfWriter.h"

#include "KitCopy.h"
#include "TextureSamples.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>

namespace cssbinder {
namespace {

namespace fs = std::filesystem;

class Kit : public KitCopy {
protected:
    // Runs a command in the kit's folder; its exit status, with what it wrote in m_output and m_errors.
    int Run(const std::string& command) {
        const int status =
            std::system(("cd '" + m_dir.string() + "' && " + command + " >out.txt 2>err.txt").c_str());
        m_errors = ReadAll<std::string>(m_dir / "err.txt");
        m_output = ReadAll<std::string>(m_dir / "out.txt");
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    std::string m_errors;
    std::string m_output;
};

// As installed, the converter lies apart from the script, which is told where.
TEST_F(Kit, ConvertsThePictureForBothScreenShapes) {
    const Picture source = GradedPicture(300, 200);
    WriteAll(m_picture, EncodeTga(source, {10, 24, false, false}));
    fs::create_directory(m_dir / "lib");
    fs::rename(m_dir / "tga2vtf", m_dir / "lib/tga2vtf");
    ASSERT_EQ(Run("CSSBINDER_CONVERTER=\"$PWD/lib/tga2vtf\" ./convert.sh"), 0) << m_errors;
    for (const auto& [name, width, height, size] :
         {std::tuple("spray.vtf", 1024, 1024, 524496u),
          std::tuple("spray_widescreen.vtf", 2048, 1024, 1048720u)}) {
        const Bytes file = ReadAll(m_animated / name);
        ASSERT_EQ(file.size(), size) << name;
        const VtfInfo info = ReadVtfHeader(file);
        EXPECT_EQ(std::tuple(info.width, info.height, info.flags), std::tuple(width, height, 0x300u)) << name;
        EXPECT_LT(MeanDifference(DecodeVtfImage(file, info.levels[0]), ScalePicture(source, width, height)),
                  3.0)
            << name;
    }
}

// A picture that cannot be read fails the script with the converter's reason and leaves the last
// texture as it was, without a partial file beside it.
TEST_F(Kit, FailsWithTheReasonAndKeepsTheLastTexture) {
    WriteAll(m_animated / "spray.vtf", Bytes{1, 2, 3});
    Bytes picture = EncodeTga(TestCard(9, 6), {2, 32, true, false});
    picture.pop_back();
    WriteAll(m_picture, picture);
    EXPECT_NE(Run("./convert.sh"), 0);
    EXPECT_NE(m_errors.find("spray001.tga: truncated pixel data"), std::string::npos) << m_errors;
    EXPECT_EQ(ReadAll(m_animated / "spray.vtf"), (Bytes{1, 2, 3}));
    EXPECT_FALSE(fs::exists(m_animated / "spray.vtf.partial"));
}

// Only regular files are read or replaced: a device given as output stays a device (as root, a
// device node of the test's own stands for /dev/null).
TEST_F(Kit, ReadsAndReplacesOnlyRegularFiles) {
    WriteAll(m_picture, EncodeTga(TestCard(9, 6), {2, 24, false, false}));
    const fs::path device =
        ::mknod((m_dir / "null").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0 ? m_dir / "null" : "/dev/null";
    for (const auto& [command, reason] :
         {std::pair<std::string, std::string>("./tga2vtf hl2 t.vtf", "hl2: a folder, not a file"),
          std::pair("./tga2vtf hl2/materialsrc/animated/spray001.tga '" + device.string() + "'",
                    device.string() + ": not a regular file")}) {
        EXPECT_EQ(Run(command), 1) << command;
        EXPECT_NE(m_errors.find(reason), std::string::npos) << m_errors;
    }
    EXPECT_TRUE(fs::is_character_file(device));
}

// A link planted under the temporary name is not followed.
TEST_F(Kit, ConverterOptionsAndCheck) {
    WriteAll(m_picture, EncodeTga(TestCard(16, 16), {3, 8, false, false}));
    WriteAll(m_dir / "kept", Bytes{7});
    fs::create_symlink(m_dir / "kept", m_dir / "t.vtf.partial");
    ASSERT_EQ(Run("./tga2vtf hl2/materialsrc/animated/spray001.tga t.vtf --size 256x128 --mipmaps"), 0)
        << m_errors;
    EXPECT_EQ(ReadAll(m_dir / "kept"), Bytes{7});
    ASSERT_EQ(Run("./tga2vtf --check t.vtf"), 0) << m_errors;
    EXPECT_EQ(m_output,
              "t.vtf: VTF 7.2 DXT1 256x128, 9 levels, low resolution 16x8, flags 0x0, 22008 bytes\n");
    EXPECT_EQ(Run("./tga2vtf --check hl2/materialsrc/animated/spray001.tga"), 1);
    EXPECT_NE(m_errors.find("not a VTF texture"), std::string::npos) << m_errors;
    for (const char* wrong : {"./tga2vtf", "./tga2vtf a.tga", "./tga2vtf a.tga b.vtf --size 256",
                              "./tga2vtf a.tga b.vtf --size 2x2x2", "./tga2vtf a.tga b.vtf --fast"}) {
        EXPECT_EQ(Run(wrong), 2) << wrong;
        EXPECT_NE(m_errors.find("usage: tga2vtf"), std::string::npos) << wrong;
    }
}

} // namespace
} // namespace cssbinder
