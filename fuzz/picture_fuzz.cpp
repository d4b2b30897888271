// The GIF decoder on damaged pictures: a picture is either refused, leaving the image empty, or
// comes back whole, every pixel there. Input: the file's bytes.
#include <cstdint>
#include <string_view>

#include "FuzzSupport.h"
#include "platform/Gif.h"

// Where the pixel reads go, so that they are not left out.
volatile unsigned g_pixelSum = 0;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    harbinet::RgbImage image;
    image.width = 7;  // whatever the image held is cleared
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (!harbinet::DecodeGif(bytes, image)) {
        FUZZ_CHECK(image.width == 0 && image.height == 0 && image.rgb.empty(),
                   "a refused picture left a %dx%d image", image.width, image.height);
        return 0;
    }
    const long width = image.width, height = image.height;
    FUZZ_CHECK(width > 0 && height > 0 && width * height <= 16L << 20, "a picture of %ldx%ld",
               width, height);
    FUZZ_CHECK(image.rgb.size() == static_cast<std::size_t>(width * height * 3),
               "a %ldx%ld picture with %zu bytes of pixels", width, height, image.rgb.size());
    unsigned sum = 0;
    for (unsigned char byte : image.rgb) sum += byte;
    g_pixelSum = sum;
    return 0;
}
