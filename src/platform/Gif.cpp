#include "platform/Gif.h"

#include <array>
#include <cstdint>
#include <string>
#include <utility>

namespace harbinet {

namespace {

// Larger pictures are no previews; the limit keeps a hostile header from asking for gigabytes.
constexpr long kMaxPixels = 16L << 20;

class Reader {
  public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}
    bool Has(std::size_t n) const { return bytes_.size() - at_ >= n; }
    unsigned Byte() {
        return Has(1) ? static_cast<unsigned char>(bytes_[at_++]) : (ok_ = false, 0);
    }
    unsigned Word() {
        const unsigned low = Byte();
        return low | (Byte() << 8);
    }
    std::string_view Take(std::size_t n) {
        if (!Has(n)) {
            ok_ = false;
            return {};
        }
        const std::string_view part = bytes_.substr(at_, n);
        at_ += n;
        return part;
    }
    // Data sub-blocks up to their terminator, joined.
    std::string Blocks() {
        std::string data;
        while (ok_) {
            const unsigned size = Byte();
            if (size == 0) break;
            data.append(Take(size));
        }
        return data;
    }
    bool ok() const { return ok_; }

  private:
    std::string_view bytes_;
    std::size_t at_ = 0;
    bool ok_ = true;
};

// The LZW stream of one image, its sub-blocks joined, decoded into colour indices.
bool DecodeLzw(std::string_view data, unsigned minCodeSize, std::vector<std::uint8_t>& out,
               std::size_t pixels) {
    if (minCodeSize < 1 || minCodeSize > 8) return false;
    const unsigned clear = 1u << minCodeSize, end = clear + 1;
    std::array<std::uint16_t, 4096> prefix{};
    std::array<std::uint8_t, 4096> suffix{}, first{};
    std::array<std::uint8_t, 4097> stack{};
    for (unsigned i = 0; i < clear; ++i) suffix[i] = first[i] = static_cast<std::uint8_t>(i);

    unsigned size = minCodeSize + 1, next = end + 1, previous = 4096;
    std::uint32_t bits = 0;
    unsigned count = 0;
    std::size_t at = 0;
    out.clear();
    out.reserve(pixels);
    while (out.size() < pixels) {
        while (count < size) {
            if (at == data.size()) return false;  // cut short before every pixel was there
            bits |= static_cast<std::uint32_t>(static_cast<unsigned char>(data[at++])) << count;
            count += 8;
        }
        const unsigned code = bits & ((1u << size) - 1);
        bits >>= size;
        count -= size;
        if (code == clear) {
            size = minCodeSize + 1;
            next = end + 1;
            previous = 4096;
            continue;
        }
        if (code == end) return false;
        unsigned depth = 0, walk;
        if (previous == 4096) {
            if (code >= clear) return false;  // the first code after a clear is a colour
            walk = code;
        } else if (code < next) {
            walk = code;
        } else if (code == next && next < 4096) {
            stack[depth++] = first[previous];  // the code being defined: previous + its first
            walk = previous;
        } else {
            return false;
        }
        while (walk >= clear) {
            if (depth >= 4096) return false;
            stack[depth++] = suffix[walk];
            walk = prefix[walk];
        }
        stack[depth++] = suffix[walk];
        const std::uint8_t head = static_cast<std::uint8_t>(walk);
        while (depth > 0 && out.size() < pixels) out.push_back(stack[--depth]);
        if (previous != 4096 && next < 4096) {
            prefix[next] = static_cast<std::uint16_t>(previous);
            suffix[next] = head;
            first[next] = first[previous];
            ++next;
            if (next == (1u << size) && size < 12) ++size;
        }
        previous = code;
    }
    return true;
}

}  // namespace

bool DecodeGif(std::string_view bytes, RgbImage& image) {
    image = {};
    Reader in(bytes);
    const std::string_view signature = in.Take(6);
    if (signature != "GIF87a" && signature != "GIF89a") return false;
    in.Word();  // the screen's size: the first image alone is shown
    in.Word();
    const unsigned flags = in.Byte();
    in.Byte();  // background colour
    in.Byte();  // aspect ratio
    std::string_view palette;
    if (flags & 0x80) palette = in.Take(3u << ((flags & 7) + 1));

    while (in.ok()) {
        const unsigned block = in.Byte();
        if (block == 0x21) {  // an extension: its label, then sub-blocks
            in.Byte();
            in.Blocks();
            continue;
        }
        if (block != 0x2C) return false;  // the trailer, or anything else, before any image
        in.Word();
        in.Word();
        const int width = static_cast<int>(in.Word()), height = static_cast<int>(in.Word());
        const unsigned imageFlags = in.Byte();
        if (imageFlags & 0x80) palette = in.Take(3u << ((imageFlags & 7) + 1));
        const unsigned minCodeSize = in.Byte();
        const std::string data = in.Blocks();
        if (!in.ok() || palette.empty() || width == 0 || height == 0 ||
            static_cast<long>(width) * height > kMaxPixels)
            return false;

        std::vector<std::uint8_t> indices;
        const auto pixels = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
        if (!DecodeLzw(data, minCodeSize, indices, pixels)) return false;

        // Interlaced rows come in four passes: every 8th from 0, every 8th from 4, every 4th
        // from 2, every 2nd from 1.
        std::vector<int> rows;
        if (imageFlags & 0x40) {
            constexpr std::pair<int, int> kPasses[] = {{0, 8}, {4, 8}, {2, 4}, {1, 2}};
            for (const auto& [start, step] : kPasses)
                for (int y = start; y < height; y += step) rows.push_back(y);
        } else {
            for (int y = 0; y < height; ++y) rows.push_back(y);
        }
        const std::size_t colours = palette.size() / 3;
        image.width = width;
        image.height = height;
        image.rgb.assign(pixels * 3, 0);
        for (std::size_t row = 0; row < rows.size(); ++row) {
            for (int x = 0; x < width; ++x) {
                const std::size_t index = indices[row * static_cast<std::size_t>(width) + x];
                if (index >= colours) continue;  // no such colour: black
                unsigned char* pixel =
                    &image.rgb[(static_cast<std::size_t>(rows[row]) * width + x) * 3];
                for (int c = 0; c < 3; ++c)
                    pixel[c] = static_cast<unsigned char>(palette[index * 3 + c]);
            }
        }
        return true;
    }
    return false;
}

}  // namespace harbinet
