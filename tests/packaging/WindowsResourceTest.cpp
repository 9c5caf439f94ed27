// The Windows build cannot run here, so its resource script is compiled with llvm-rc and the
// resulting .res is read back: what Explorer would show comes out of these bytes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr int kTypeIcon = 3;
constexpr int kTypeGroupIcon = 14;
constexpr int kTypeVersion = 16;

struct Resource {
    int type;
    int name;
    Bytes data;
};

unsigned Word(const Bytes& b, size_t at) { return b.at(at) | b.at(at + 1) << 8; }
unsigned Dword(const Bytes& b, size_t at) { return Word(b, at) | Word(b, at + 2) << 16; }
size_t Align4(size_t at) { return (at + 3) & ~size_t(3); }

// Reads a UTF-16 text ending in a zero unit; the resources here are ASCII only.
std::string Text(const Bytes& b, size_t& at)
{
    std::string s;
    for (unsigned c; (c = Word(b, at)) != 0; at += 2)
        s += c < 0x80 ? char(c) : '?';
    at += 2;
    return s;
}

// A type or name field is either 0xFFFF and a number, or a text; all ours are numbers.
int Ordinal(const Bytes& b, size_t& at)
{
    if (Word(b, at) != 0xFFFF) {
        Text(b, at);
        return -1;
    }
    at += 4;
    return int(Word(b, at - 2));
}

std::vector<Resource> ReadRes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    Bytes b { std::istreambuf_iterator<char>(in), {} };
    std::vector<Resource> out;
    for (size_t at = 0; at + 8 <= b.size();) {
        size_t dataSize = Dword(b, at), headerSize = Dword(b, at + 4);
        size_t p = at + 8;
        Resource r {};
        r.type = Ordinal(b, p);
        r.name = Ordinal(b, p);
        size_t data = at + headerSize;
        r.data.assign(b.begin() + data, b.begin() + data + dataSize);
        if (dataSize > 0)
            out.push_back(r);
        at = Align4(data + dataSize);
    }
    return out;
}

// Flattens the version record's tree into "StringFileInfo/040904B0/Comments" -> value; binary
// values are kept as their raw bytes in `binary`.
void ReadVersionNode(const Bytes& b, size_t at, const std::string& prefix,
    std::map<std::string, std::string>& texts, std::map<std::string, Bytes>& binary)
{
    size_t end = at + Word(b, at);
    size_t valueLength = Word(b, at + 2);
    bool isText = Word(b, at + 4) == 1;
    size_t p = at + 6;
    std::string path = prefix + Text(b, p);
    p = Align4(p);
    if (valueLength > 0) {
        if (isText) {
            size_t q = p;
            texts[path] = Text(b, q);
            p += valueLength * 2;
        } else {
            binary[path].assign(b.begin() + p, b.begin() + p + valueLength);
            p += valueLength;
        }
    }
    for (p = Align4(p); p < end; p = Align4(p + Word(b, p)))
        ReadVersionNode(b, p, path + "/", texts, binary);
}

const Resource* Find(const std::vector<Resource>& all, int type, int name = -1)
{
    for (const Resource& r : all) {
        if (r.type == type && (name < 0 || r.name == name))
            return &r;
    }
    return nullptr;
}

class WindowsResourceTest : public testing::Test {
protected:
    std::vector<Resource> m_resources = ReadRes(TESSERA_RES_PATH);
};

TEST_F(WindowsResourceTest, VersionRecordNamesTheBetaInUsEnglish)
{
    const Resource* version = Find(m_resources, kTypeVersion, 1);
    ASSERT_NE(version, nullptr);
    std::map<std::string, std::string> texts;
    std::map<std::string, Bytes> binary;
    ReadVersionNode(version->data, 0, "", texts, binary);

    const Bytes& fixed = binary["VS_VERSION_INFO"];
    ASSERT_EQ(fixed.size(), 52u);
    EXPECT_EQ(Dword(fixed, 0), 0xFEEF04BDu);
    // File and product version 0.0.0.1: the high and low halves of each pair.
    EXPECT_EQ(Dword(fixed, 8), 0u);
    EXPECT_EQ(Dword(fixed, 12), 1u);
    EXPECT_EQ(Dword(fixed, 16), 0u);
    EXPECT_EQ(Dword(fixed, 20), 1u);
    EXPECT_EQ(Dword(fixed, 36), 1u) << "file type is not an application";

    const std::string block = "VS_VERSION_INFO/StringFileInfo/040904B0/";
    const std::map<std::string, std::string> expected = {
        { "FileDescription", "Lumen Tessera Game" },
        { "ProductName", "Lumen Tessera Game" },
        { "Comments", "Beta version" },
        { "FileVersion", "0.0.0.1" },
        { "ProductVersion", "0.0.0.1" },
    };
    for (const auto& [key, value] : expected)
        EXPECT_EQ(texts[block + key], value) << key;

    // Windows picks the string block through this pair, so it must name the block above.
    const Bytes& translation = binary["VS_VERSION_INFO/VarFileInfo/Translation"];
    ASSERT_EQ(translation.size(), 4u);
    EXPECT_EQ(Word(translation, 0), 0x0409u);
    EXPECT_EQ(Word(translation, 2), 1200u);
}

TEST_F(WindowsResourceTest, IconHoldsSixteenColourImagesAtSixteenAndThirtyTwoPixels)
{
    const Resource* group = Find(m_resources, kTypeGroupIcon, 128);
    ASSERT_NE(group, nullptr);
    const Bytes& g = group->data;
    ASSERT_EQ(Word(g, 4), 2u) << "images in the icon";

    std::vector<unsigned> sizes;
    for (size_t i = 0; i < 2; ++i) {
        size_t e = 6 + i * 14;
        unsigned width = g.at(e), height = g.at(e + 1), colours = g.at(e + 2);
        EXPECT_EQ(width, height);
        EXPECT_EQ(colours, 16u) << width << " pixels";
        EXPECT_EQ(Word(g, e + 6), 4u) << width << " pixels: bits per pixel";
        sizes.push_back(width);

        // The image itself is a device-independent bitmap of twice the height (colour and mask).
        const Resource* image = Find(m_resources, kTypeIcon, int(Word(g, e + 12)));
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(Dword(image->data, 0), 40u) << width << " pixels: not a BITMAPINFOHEADER";
        EXPECT_EQ(Dword(image->data, 4), width);
        EXPECT_EQ(Dword(image->data, 8), 2 * height);
        EXPECT_EQ(Word(image->data, 14), 4u) << width << " pixels: bits per pixel";
    }
    std::sort(sizes.begin(), sizes.end());
    EXPECT_EQ(sizes, (std::vector<unsigned> { 16, 32 }));
}

} // namespace
