// The form the programs embed their pictures in: an uncompressed device-independent bitmap of
// 32 bits a pixel with its rows top-down, so that the pixels can be shown where they lie, with
// nothing to decode. Opaque pictures hold blue, green, red and 255; pictures on a clear ground
// hold blue, green, red and alpha and say so in bit-field masks. Any bitmap reader opens them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace dib {

struct Layout {
    int32_t width, height;
    bool alpha;
    size_t pixelOffset;  // a multiple of 4, so the pixels can be read as 32-bit words
};

inline constexpr int32_t kLargestSide = 1 << 14;

namespace detail {

inline constexpr size_t kFileHeader = 14, kInfoHeader = 40, kMaskedHeader = 108;
inline constexpr uint32_t kPlainRgb = 0, kBitFields = 3;
inline constexpr uint32_t kMasks[4] = {0x00FF0000u, 0x0000FF00u, 0x000000FFu,
                                       0xFF000000u};  // R G B A

inline void put(std::vector<uint8_t>& out, size_t at, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

inline uint32_t get(const uint8_t* data, size_t at, int bytes) {
    uint32_t value = 0;
    for (int i = 0; i < bytes; ++i)
        value |= static_cast<uint32_t>(data[at + i]) << (8 * i);
    return value;
}

}  // namespace detail

// Both headers for a picture of that size, padded so that the pixels that follow start at a
// multiple of 4 bytes. The size must be between 1 and kLargestSide each way.
inline std::vector<uint8_t> header(int32_t width, int32_t height, bool alpha) {
    using namespace detail;
    const size_t info = alpha ? kMaskedHeader : kInfoHeader;
    const size_t offset = (kFileHeader + info + 3) / 4 * 4;
    const uint32_t pixelBytes = static_cast<uint32_t>(width) * static_cast<uint32_t>(height) * 4u;
    std::vector<uint8_t> out(offset, 0);
    out[0] = 'B';
    out[1] = 'M';
    put(out, 2, static_cast<uint32_t>(offset) + pixelBytes, 4);
    put(out, 10, static_cast<uint32_t>(offset), 4);
    const size_t i = kFileHeader;
    put(out, i, static_cast<uint32_t>(info), 4);
    put(out, i + 4, static_cast<uint32_t>(width), 4);
    put(out, i + 8, static_cast<uint32_t>(-height), 4);  // negative: the first row is the top one
    put(out, i + 12, 1, 2);                              // planes
    put(out, i + 14, 32, 2);                             // bits a pixel
    put(out, i + 16, alpha ? kBitFields : kPlainRgb, 4);
    put(out, i + 20, pixelBytes, 4);
    put(out, i + 24, 3780, 4);  // 96 pixels an inch, across and down
    put(out, i + 28, 3780, 4);
    if (alpha) {
        for (size_t m = 0; m < 4; ++m)
            put(out, i + 40 + 4 * m, kMasks[m], 4);
        put(out, i + 56, 0x73524742u, 4);  // the colour space: sRGB
    }
    return out;
}

// The layout of a picture in this form, or nothing for any other data.
inline std::optional<Layout> read(const uint8_t* data, size_t size) {
    using namespace detail;
    if (size < kFileHeader + kInfoHeader || data[0] != 'B' || data[1] != 'M')
        return std::nullopt;
    const size_t i = kFileHeader;
    const uint32_t info = get(data, i, 4);
    const auto width = static_cast<int32_t>(get(data, i + 4, 4));
    const auto height = -static_cast<int64_t>(static_cast<int32_t>(get(data, i + 8, 4)));
    const uint32_t compression = get(data, i + 16, 4);
    const size_t offset = get(data, 10, 4);
    if (info < kInfoHeader || get(data, i + 12, 2) != 1 || get(data, i + 14, 2) != 32 ||
        width < 1 || width > kLargestSide || height < 1 || height > kLargestSide ||
        offset % 4 != 0 || offset < kFileHeader + info || offset > size ||
        size - offset < static_cast<size_t>(width) * static_cast<size_t>(height) * 4u)
        return std::nullopt;
    bool alpha = false;
    if (compression == kBitFields) {
        if (info < kMaskedHeader)
            return std::nullopt;
        for (size_t m = 0; m < 4; ++m)
            if (get(data, i + 40 + 4 * m, 4) != kMasks[m])
                return std::nullopt;
        alpha = true;
    } else if (compression != kPlainRgb) {
        return std::nullopt;
    }
    return Layout{width, static_cast<int32_t>(height), alpha, offset};
}

}  // namespace dib
