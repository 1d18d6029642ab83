// The screenshots of the AppStream metadata: each one the metadata names is made by the build,
// and is a whole PNG of the window's size, each a different picture.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr uint32_t Window_Width = 622;
constexpr uint32_t Window_Height = 513;

std::vector<uint8_t> Read_File(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

uint32_t Big_Endian(const std::vector<uint8_t>& b, size_t at) {
    return uint32_t(b[at]) << 24 | uint32_t(b[at + 1]) << 16 | uint32_t(b[at + 2]) << 8 | b[at + 3];
}

uint32_t Crc32(const uint8_t* data, size_t size) {
    uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit) crc = crc & 1 ? (crc >> 1) ^ 0xEDB88320u : crc >> 1;
    }
    return ~crc;
}

struct Png_Facts {
    std::string Error;  // empty when the file is a whole PNG
    uint32_t Width = 0, Height = 0;
    std::vector<uint8_t> Picture_Data;  // the IDAT chunks' bytes, joined
};

Png_Facts Fault(std::string why) {
    Png_Facts facts;
    facts.Error = std::move(why);
    return facts;
}

// Walks the chunks: signature, IHDR first, every CRC right, IEND last with nothing after it.
Png_Facts Read_Png_Facts(const std::vector<uint8_t>& b) {
    Png_Facts facts;
    static const uint8_t signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (b.size() < 8 || !std::equal(signature, signature + 8, b.begin()))
        return Fault("no PNG signature");
    size_t at = 8;
    bool ended = false;
    while (!ended) {
        if (at + 12 > b.size()) return Fault("cut off at byte " + std::to_string(at));
        const uint32_t length = Big_Endian(b, at);
        if (at + 12 + length > b.size())
            return Fault("chunk at byte " + std::to_string(at) + " cut off");
        const std::string type(b.begin() + at + 4, b.begin() + at + 8);
        if (Crc32(&b[at + 4], length + 4) != Big_Endian(b, at + 8 + length))
            return Fault("bad CRC in chunk " + type);
        if (at == 8 && type != "IHDR") return Fault("first chunk is " + type + ", not IHDR");
        if (type == "IHDR") {
            facts.Width = Big_Endian(b, at + 8);
            facts.Height = Big_Endian(b, at + 12);
        }
        if (type == "IDAT")
            facts.Picture_Data.insert(facts.Picture_Data.end(), b.begin() + at + 8,
                                      b.begin() + at + 8 + length);
        ended = type == "IEND";
        at += 12 + length;
    }
    if (at != b.size()) return Fault("bytes after IEND");
    if (facts.Picture_Data.empty()) return Fault("no IDAT chunk");
    return facts;
}

// The NAME of every @HOMEPAGE@screenshots/NAME.png the configured metadata points at.
std::vector<std::string> Screenshots_Named(const std::string& metainfo_path) {
    const std::vector<uint8_t> bytes = Read_File(metainfo_path);
    const std::string text(bytes.begin(), bytes.end());
    static const std::regex image("<image[^>]*>[^<]*/screenshots/([a-z_]+)\\.png</image>");
    std::vector<std::string> names;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), image);
         it != std::sregex_iterator(); ++it)
        names.push_back((*it)[1]);
    return names;
}

TEST(Screenshots, EveryOneTheMetadataNamesIsAWholePngOfTheWindowsSize) {
    const std::vector<std::string> names = Screenshots_Named(ZARVO_METAINFO);
    ASSERT_EQ(names.size(), 3u) << "screenshots named in " << ZARVO_METAINFO;
    std::set<std::vector<uint8_t>> pictures;
    for (const std::string& name : names) {
        const std::string path = std::string(ZARVO_SCREENSHOT_DIR) + "/" + name + ".png";
        const std::vector<uint8_t> bytes = Read_File(path);
        ASSERT_FALSE(bytes.empty()) << path << " is missing or empty";
        const Png_Facts facts = Read_Png_Facts(bytes);
        ASSERT_EQ(facts.Error, "") << path;
        EXPECT_EQ(facts.Width, Window_Width) << path;
        EXPECT_EQ(facts.Height, Window_Height) << path;
        EXPECT_TRUE(pictures.insert(facts.Picture_Data).second)
            << path << " shows the same picture as an earlier screenshot";
    }
}

TEST(Screenshots, AFaultyPngIsNamedAsFaulty) {
    const std::string path = std::string(ZARVO_SCREENSHOT_DIR) + "/title.png";
    std::vector<uint8_t> bytes = Read_File(path);
    ASSERT_GT(bytes.size(), 100u) << path;
    std::vector<uint8_t> flipped = bytes;
    flipped[40] ^= 0x10;
    EXPECT_NE(Read_Png_Facts(flipped).Error, "") << "a flipped bit went unnoticed";
    bytes.resize(bytes.size() - 5);
    EXPECT_NE(Read_Png_Facts(bytes).Error, "") << "a cut-off file went unnoticed";
}

}  // namespace
