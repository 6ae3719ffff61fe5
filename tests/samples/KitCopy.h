#pragma once

// A copy of the kit the build laid out (CSSBINDER_KIT_DIR), in a folder of the test's own whose path
// has a space, as under "Program Files"; removed after each test.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace cssbinder {

using Bytes = std::vector<std::uint8_t>;

// The file's bytes, as a byte vector or as text.
template <typename Contents = Bytes> Contents ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Contents{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteAll(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

class KitCopy : public testing::Test {
protected:
    void SetUp() override {
        std::filesystem::remove_all(m_dir);
        std::filesystem::copy(CSSBINDER_KIT_DIR, m_dir, std::filesystem::copy_options::recursive);
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    const std::filesystem::path m_dir =
        std::filesystem::temp_directory_path() / ("cssbinder kit " + std::to_string(std::random_device()()));
    const std::filesystem::path m_picture = m_dir / "hl2/materialsrc/animated/spray001.tga";
    const std::filesystem::path m_animated = m_dir / "hl2/materials/animated";
};

} // namespace cssbinder
