#include "ui/skin_images.h"

#include <cstddef>
#include <optional>
#include <utility>

namespace vx::ui {

namespace {

// A decoder that reports a size its pixels do not fill would make every
// copy read past the pixels: treat such a picture as unreadable.
bool IsWhole(const platform::Image& image) {
    return image.width > 0 && image.height > 0 &&
           image.pixels.size() == static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height);
}

}  // namespace

PageImageNames PageImagesOf(SkinPage page) {
    switch (page) {
        case SkinPage::AdvancedPage: return {"\\advanced_normal.jpg", "\\advanced_over.jpg", "\\advanced_down.jpg"};
        case SkinPage::ColorPage: return {"\\color_normal_pink.jpg", "\\color_over_red.jpg", "\\color_down_purple.jpg"};
        case SkinPage::MainPage: break;
    }
    return {"\\main_normal.jpg", "\\main_over.jpg", "\\main_down.jpg"};
}

const platform::Image& SkinImages::Get(const std::string& name) {
    if (auto found = cache_.find(name); found != cache_.end()) return found->second;
    ++loads_;
    std::optional<platform::Image> decoded = decoder_.Load(skinDir_ + name);
    platform::Image image;
    if (decoded && IsWhole(*decoded)) image = std::move(*decoded);
    return cache_.emplace(name, std::move(image)).first->second;
}

}  // namespace vx::ui
