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

// As installed, the converter lies apart from the script, which is told where; it runs once for both. A
// picture that cannot be read then fails the script with the converter's reason and leaves both textures as
// they were, without a partial file beside them.
TEST_F(Kit, ConvertsThePictureForBothScreenShapesOrFailsWithTheReason) {
    const Picture source = GradedPicture(300, 200);
    WriteAll(m_picture, EncodeTga(source, {10, 24, false, false}));
    fs::create_directory(m_dir / "lib");
    fs::rename(m_dir / "tga2vtf", m_dir / "lib/tga2vtf");
    // A stand-in notes each run of the converter: one makes both textures.
    const std::string noted = "#!/bin/sh\necho run >>\"$0.runs\"\nexec \"${0%/*}/tga2vtf\" \"$@\"\n";
    WriteAll(m_dir / "lib/noted", Bytes(noted.begin(), noted.end()));
    fs::permissions(m_dir / "lib/noted", fs::perms::owner_all);
    ASSERT_EQ(Run("CSSBINDER_CONVERTER=\"$PWD/lib/noted\" ./convert.sh"), 0) << m_errors;
    EXPECT_EQ(ReadAll<std::string>(m_dir / "lib/noted.runs"), "run\n");
    const std::tuple<const char*, int, int, std::size_t> textures[] = {
        {"spray.vtf", 1024, 1024, 524496u}, {"spray_widescreen.vtf", 2048, 1024, 1048720u}};
    for (const auto& [name, width, height, size] : textures) {
        const Bytes file = ReadAll(m_animated / name);
        ASSERT_EQ(file.size(), size) << name;
        const VtfInfo info = ReadVtfHeader(file);
        EXPECT_EQ(std::tuple(info.width, info.height, info.flags), std::tuple(width, height, 0x300u)) << name;
        EXPECT_GE(Psnr(DecodeVtfImage(file, info.levels[0]), ScalePicture(source, width, height)), 40.0)
            << name;
    }
    Bytes picture = EncodeTga(TestCard(9, 6), {2, 32, true, false});
    picture.pop_back();
    WriteAll(m_picture, picture);
    EXPECT_NE(Run("CSSBINDER_CONVERTER=\"$PWD/lib/noted\" ./convert.sh"), 0);
    EXPECT_NE(m_errors.find("spray001.tga: truncated pixel data"), std::string::npos) << m_errors;
    for (const auto& [name, width, height, size] : textures) {
        EXPECT_EQ(fs::file_size(m_animated / name), size) << name;
        EXPECT_FALSE(fs::exists(m_animated / (std::string(name) + ".partial"))) << name;
    }
}

// Each output takes the options after it; a link planted under the temporary name is not followed.
// Only regular files are read or replaced: a device given as output stays a device (as root, a device
// node of the test's own stands for /dev/null).
TEST_F(Kit, ConverterOptionsChecksAndFiles) {
    WriteAll(m_picture, EncodeTga(TestCard(16, 16), {3, 8, false, false}));
    WriteAll(m_dir / "kept", Bytes{7});
    fs::create_symlink(m_dir / "kept", m_dir / "t.vtf.partial");
    const std::string convert = "./tga2vtf hl2/materialsrc/animated/spray001.tga";
    ASSERT_EQ(Run(convert + " t.vtf --size 256x128 --mipmaps u.vtf"), 0) << m_errors;
    EXPECT_EQ(ReadAll(m_dir / "kept"), Bytes{7});
    ASSERT_EQ(Run("{ ./tga2vtf --check t.vtf && ./tga2vtf --check u.vtf; }"), 0) << m_errors;
    EXPECT_EQ(m_output,
              "t.vtf: VTF 7.2 DXT1 256x128, 9 levels, low resolution 16x8, flags 0x0, 22008 bytes\n"
              "u.vtf: VTF 7.2 DXT1 1024x1024, 1 level, low resolution 16x16, flags 0x300, 524496 bytes\n");
    const fs::path device =
        ::mknod((m_dir / "null").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0 ? m_dir / "null" : "/dev/null";
    const std::tuple<std::string, int, std::string> runs[] = {
        {"./tga2vtf hl2 t.vtf", 1, "hl2: a folder, not a file"},
        {convert + " '" + device.string() + "'", 1, device.string() + ": not a regular file"},
        {"./tga2vtf --check hl2/materialsrc/animated/spray001.tga", 1, "not a VTF texture"},
        {"./tga2vtf a.tga", 2, "usage: tga2vtf"},
        {"./tga2vtf a.tga --mipmaps b.vtf", 2, "usage: tga2vtf"},
        {"./tga2vtf a.tga b.vtf --size 256", 2, "usage: tga2vtf"},
        {"./tga2vtf a.tga b.vtf --size 2x2x2", 2, "usage: tga2vtf"},
        {"./tga2vtf a.tga b.vtf --fast", 2, "usage: tga2vtf"},
    };
    for (const auto& [command, status, error] : runs) {
        EXPECT_EQ(Run(command), status) << command;
        EXPECT_NE(m_errors.find(error), std::string::npos) << command << ": " << m_errors;
    }
    EXPECT_TRUE(fs::is_character_file(device));
}

} // namespace
} // namespace cssbinder
