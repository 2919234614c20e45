// Reads a Windows bitmap file (".bmp") the way a test needs it: the header's
// size and colour depth, and the colour of any pixel of a 24-bit picture
// (rows stored bottom-up, blue-green-red, each row padded to 4 bytes).
#pragma once

#include <cstdint>
#include <string>

#include "graphs/drawing_surface.h"
#include "tests/support/temp_dir.h"

namespace tervala::testing {

class BmpFile {
  public:
    explicit BmpFile(const std::string& path) : bytes_(ReadBytes(path)) {}

    bool IsBitmap() const { return bytes_.size() >= 54 && bytes_[0] == 'B' && bytes_[1] == 'M'; }
    uint32_t FileSize() const { return U32(2); }
    uint32_t PixelOffset() const { return U32(10); }
    int32_t Width() const { return static_cast<int32_t>(U32(18)); }
    // Positive: rows stored from the bottom up.
    int32_t Height() const { return static_cast<int32_t>(U32(22)); }
    int BitsPerPixel() const { return U16(28); }
    uint32_t Compression() const { return U32(30); }
    std::size_t Size() const { return bytes_.size(); }

    // Pixel (x, y) of the picture, y counted from the top.
    Rgb Pixel(int x, int y) const {
        const std::size_t rowBytes = (static_cast<std::size_t>(Width()) * 3 + 3) / 4 * 4;
        const std::size_t row = static_cast<std::size_t>(Height() - 1 - y);
        const std::size_t at = PixelOffset() + row * rowBytes + static_cast<std::size_t>(x) * 3;
        return {Byte(at + 2), Byte(at + 1), Byte(at)};
    }

  private:
    uint8_t Byte(std::size_t at) const { return static_cast<uint8_t>(bytes_.at(at)); }
    uint32_t U16(std::size_t at) const { return Byte(at) | Byte(at + 1) << 8; }
    uint32_t U32(std::size_t at) const {
        return Byte(at) | Byte(at + 1) << 8 | Byte(at + 2) << 16 |
               static_cast<uint32_t>(Byte(at + 3)) << 24;
    }

    std::string bytes_;
};

}  // namespace tervala::testing
