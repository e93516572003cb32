#pragma once
// The skin pictures, decoded once and kept: they are the same for both
// languages and never change while the program runs, so a hover repaint
// costs rectangle copies instead of JPEG decoding.
#include <map>
#include <string>

#include "platform/image.h"
#include "ui/interface_state.h"

namespace vx::ui {

inline constexpr const char* kMainMaskImage = "\\main_mask.jpg";
inline constexpr const char* kPreviewGrayImage = "\\color_normal_gray.jpg";
inline constexpr const char* kPreviewBlueImage = "\\color_over_blue.jpg";

struct PageImageNames {
    const char* normal;
    const char* over;
    const char* down;
};

PageImageNames PageImagesOf(SkinPage page);

class SkinImages {
public:
    SkinImages(platform::ImageDecoder& decoder, std::string skinDir)
        : decoder_(decoder), skinDir_(std::move(skinDir)) {}

    // `name` begins with a backslash and is appended to the skin folder. A
    // missing or unreadable picture is an empty image (0 x 0), remembered
    // like any other so that it is not tried again at every paint.
    const platform::Image& Get(const std::string& name);

    int LoadCount() const { return loads_; }

private:
    platform::ImageDecoder& decoder_;
    std::string skinDir_;
    std::map<std::string, platform::Image, std::less<>> cache_;
    int loads_ = 0;
};

}  // namespace vx::ui
