// The GIF decoder on files made byte by byte: whole pictures come back pixel for pixel, anything
// damaged is refused.
#include "platform/Gif.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace harbinet::test {
namespace {

using namespace std::string_literals;

const std::string kColours = "0RGB";  // black, red, green, blue
const std::string kPalette = "\0\0\0\xFF\0\0\0\xFF\0\0\0\xFF"s;

// Codes of 3 bits packed from the lowest bit up, as GIF packs them.
std::string Pack(const std::vector<unsigned>& codes) {
    std::string bytes;
    unsigned bits = 0, count = 0;
    for (unsigned code : codes) {
        bits |= code << count;
        for (count += 3; count >= 8; count -= 8, bits >>= 8) bytes += static_cast<char>(bits);
    }
    return count > 0 ? bytes + static_cast<char>(bits) : bytes;
}

// The pixels as colour codes with a clear code (4) before every second one, so that no code
// grows past 3 bits, then the end code (5).
std::string Lzw(const std::string& pixels) {
    std::vector<unsigned> codes;
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        if (i % 2 == 0) codes.push_back(4);
        codes.push_back(static_cast<unsigned>(kColours.find(pixels[i])));
    }
    codes.push_back(5);
    return Pack(codes);
}

struct Image {
    int width, height;
    std::string lzw;
    char flags = 0;  // 0x40 interlaced, 0x80 a local palette of two colours follows
    std::string localPalette = "";
    char minCodeSize = 2;
};

// A GIF89a file: the four colours as its global palette (none when empty), an extension block,
// the image's LZW data in sub-blocks of at most 255 bytes, the trailer.
std::string Gif(const Image& image, const std::string& palette = kPalette) {
    const auto word = [](int n) { return ""s + static_cast<char>(n) + static_cast<char>(n >> 8); };
    std::string gif = "GIF89a" + word(image.width) + word(image.height) +
                      (palette.empty() ? '\0' : '\x81') + "\0\0"s + palette;
    gif += "\x21\xF9\x04\0\0\0\0\0"s;  // a graphic control extension
    gif += '\x2C' + word(0) + word(0) + word(image.width) + word(image.height) + image.flags +
           image.localPalette + image.minCodeSize;
    for (std::size_t at = 0; at < image.lzw.size(); at += 255) {
        const std::string block = image.lzw.substr(at, 255);
        gif += static_cast<char>(block.size()) + block;
    }
    return gif + "\0\x3B"s;
}

// The pixels as letters of kColours, row by row; "?" for a colour not among them.
std::string Pixels(const RgbImage& image) {
    std::string out;
    for (std::size_t i = 0; i + 2 < image.rgb.size(); i += 3) {
        const std::string rgb(reinterpret_cast<const char*>(&image.rgb[i]), 3);
        std::size_t colour = 0;
        while (colour < kColours.size() && kPalette.substr(colour * 3, 3) != rgb) ++colour;
        out += colour < kColours.size() ? kColours[colour] : '?';
    }
    return out;
}

TEST(DecodeGif, AWholePictureComesBackPixelForPixel) {
    std::string many;
    for (int i = 0; i < 150; ++i) many += kColours;
    const std::tuple<const char*, Image, std::string> cases[] = {
        {"plain", {3, 2, Lzw("RGB0RG")}, "RGB0RG"},
        // Rows come as 0, 4, 2, 6, then the odd ones.
        {"interlaced", {1, 8, Lzw("00GGRBRB"), '\x40'}, "0RGB0RGB"},
        {"a palette of its own", {2, 1, Lzw("R0"), '\x80', "\0\0\0\0\0\xFF"s}, "B0"},
        {"past the palette: black", {1, 1, Lzw("B"), '\x80', "\xFF\xFF\xFF\0\0\xFF"s}, "0"},
        // Codes 4 1 6 1 5: the third stands for red twice before it is defined.
        {"a code defined by its own use", {4, 1, "\x8C\x53"}, "RRRR"},
        {"data in several sub-blocks", {30, 20, Lzw(many)}, many},
    };
    for (const auto& [what, gif, pixels] : cases) {
        RgbImage image;
        ASSERT_TRUE(DecodeGif(Gif(gif), image)) << what;
        EXPECT_EQ(image.width * 1000 + image.height, gif.width * 1000 + gif.height) << what;
        EXPECT_EQ(Pixels(image), pixels) << what;
    }
}

TEST(DecodeGif, DamagedOrCutShortIsRefused) {
    const Image good{3, 2, Lzw("RGB0RG")};
    const std::string gif = Gif(good);
    const std::pair<const char*, std::string> cases[] = {
        {"another signature", "GIF88a" + gif.substr(6)},
        {"no palette", Gif(good, "")},
        {"no width", Gif({0, 2, good.lzw})},
        {"an end code before the last pixel", Gif({3, 2, Lzw("RGB")})},
        {"a code not defined yet", Gif({3, 2, Pack({4, 1, 7, 5})})},
        {"a code at first that is no colour", Gif({3, 2, Pack({4, 6, 5})})},
        {"a code size of 0", Gif({3, 2, good.lzw, 0, "", '\0'})},
        {"the trailer before any image", gif.substr(0, 25) + "\x3B"},
    };
    RgbImage image;
    for (const auto& [what, bytes] : cases) EXPECT_FALSE(DecodeGif(bytes, image)) << what;
    // Cut anywhere before the image's last sub-block has ended.
    for (std::size_t length = 0; length + 1 < gif.size(); ++length)
        EXPECT_FALSE(DecodeGif(gif.substr(0, length), image)) << length;
    EXPECT_TRUE(DecodeGif(gif.substr(0, gif.size() - 1), image)) << "only the trailer missing";
}

}  // namespace
}  // namespace harbinet::test
