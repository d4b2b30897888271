// Picture loading on damaged GIF and JPEG files: a picture either fails to load or comes back
// whole, with every pixel readable. Input: the file's bytes.
#include <wx/image.h>
#include <wx/init.h>

#include <cstdint>
#include <fstream>
#include <string>

#include "FuzzSupport.h"
#include "gui/widgets/Picture.h"

// A header may claim a picture of gigabytes; the decoder must get no memory rather than take
// the machine's.
extern "C" const char* __asan_default_options() {
    return "allocator_may_return_null=1:max_allocation_size_mb=512";
}

// Where the pixel reads go, so that they are not left out.
volatile unsigned g_pixelSum = 0;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    static wxInitializer wx;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = harbinet::fuzz::ScratchFolder() + "picture";
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));

    const wxImage image = harbinet::ui::DecodePicture(path);
    if (!image.IsOk()) return 0;
    const long width = image.GetWidth(), height = image.GetHeight();
    FUZZ_CHECK(width > 0 && height > 0, "a picture of %ldx%ld", width, height);
    const unsigned char* pixels = image.GetData();
    FUZZ_CHECK(pixels != nullptr, "a %ldx%ld picture without pixels", width, height);
    unsigned sum = 0;
    for (long i = 0; i < width * height * 3; ++i) sum += pixels[i];
    if (image.HasAlpha())
        for (long i = 0; i < width * height; ++i) sum += image.GetAlpha()[i];
    g_pixelSum = sum;
    return 0;
}
