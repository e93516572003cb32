#pragma once
// JPEG, PNG and BMP files decoded through the Windows Imaging Component.
#include "platform/image.h"

namespace vx::platform {

class Win32ImageDecoder final : public ImageDecoder {
public:
    std::optional<Image> Load(const std::string& path) override;
};

}  // namespace vx::platform
