// GIF pictures decoded here rather than by the toolkit: previews come with downloads from
// anywhere, and a damaged one must fail cleanly, never write out of bounds.
#pragma once

#include <string_view>
#include <vector>

namespace harbinet {

struct RgbImage {
    int width = 0, height = 0;
    std::vector<unsigned char> rgb;  // width * height * 3, row by row
};

// The first image of a GIF87a or GIF89a file, in its own size. False, leaving image empty, for
// anything that is not a whole, well-formed GIF picture.
bool DecodeGif(std::string_view bytes, RgbImage& image);

}  // namespace harbinet
