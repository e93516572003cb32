#include "platform/qt/qt_image_decoder.h"

#include <QImage>

#include "platform/portable/program_paths.h"

namespace vx::platform {

std::optional<Image> QtImageDecoder::Load(const std::string& path) {
    QImage decoded(QString::fromStdString(ForwardSlashPath(path)));
    if (decoded.isNull()) return std::nullopt;
    decoded = decoded.convertToFormat(QImage::Format_RGB32);
    Image image;
    image.width = decoded.width();
    image.height = decoded.height();
    image.pixels.resize(static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height));
    for (int y = 0; y < image.height; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(decoded.constScanLine(y));
        std::uint32_t* to = image.pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width);
        for (int x = 0; x < image.width; ++x) to[x] = row[x] & 0x00FFFFFFu;
    }
    return image;
}

}  // namespace vx::platform
