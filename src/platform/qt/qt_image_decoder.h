#pragma once
// Skin pictures (JPEG and the other formats Qt reads) decoded with QImage.
#include "platform/image.h"

namespace vx::platform {

class QtImageDecoder final : public ImageDecoder {
public:
    std::optional<Image> Load(const std::string& path) override;
};

}  // namespace vx::platform
