#pragma once
// Pictures by path for tests: a path it was not given is missing. Counts
// the loads of every path. Used from one thread.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>

#include "platform/image.h"

namespace vx::platform::testing {

class FakeImageDecoder : public ImageDecoder {
public:
    std::map<std::string, Image> images;
    std::map<std::string, int> loads;

    // A picture of one colour at `path`; dark grey by default, which the
    // window mask keeps.
    void Add(const std::string& path, int width, int height, std::uint32_t rgb = 0x202020u) {
        Image image;
        image.width = width;
        image.height = height;
        image.pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), rgb);
        images[path] = std::move(image);
    }
    std::optional<Image> Load(const std::string& path) override {
        ++loads[path];
        const auto found = images.find(path);
        if (found == images.end()) return std::nullopt;
        return found->second;
    }
};

}  // namespace vx::platform::testing
