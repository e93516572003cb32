#pragma once
// Decoded images. Pixels are 0x00RRGGBB, row by row from the top.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vx::platform {

struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

class ImageDecoder {
public:
    virtual ~ImageDecoder() = default;
    // Nothing when the file is missing or not a readable image.
    virtual std::optional<Image> Load(const std::string& path) = 0;
};

}  // namespace vx::platform
