#include "platform/qt/qt_drawing.h"

#include <QFontMetrics>
#include <QRegion>

#include <algorithm>
#include <cmath>

namespace vx::platform {

FontHandle QtFonts::Add(const FontSpec& fontSpec) {
    QFont font(QString::fromStdString(fontSpec.face));
    // The core asks in Windows terms: a positive height is the whole cell,
    // of which the glyphs take about six sevenths.
    const int pixels =
        fontSpec.height > 0 ? static_cast<int>(std::lround(fontSpec.height * 6.0 / 7.0)) : -fontSpec.height;
    font.setPixelSize(std::max(pixels, 1));
    font.setWeight(static_cast<QFont::Weight>(std::clamp(fontSpec.weight, 100, 900)));
    if (fontSpec.fixedPitchRoman) {
        font.setFixedPitch(true);
        font.setStyleHint(QFont::TypeWriter);
    }
    fonts_.push_back(font);
    return static_cast<FontHandle>(fonts_.size());
}

const QFont* QtFonts::Find(FontHandle handle) const {
    if (handle <= 0 || static_cast<std::size_t>(handle) > fonts_.size()) return nullptr;
    return &fonts_[static_cast<std::size_t>(handle) - 1];
}

QColor ToQColor(Color color) { return QColor(color.red, color.green, color.blue); }

namespace {

constexpr std::uint32_t kOpaque = 0xFF000000u;

std::uint32_t ToPixel(Color color) {
    return kOpaque | (std::uint32_t{color.red} << 16) | (std::uint32_t{color.green} << 8) | color.blue;
}

class QtDrawing final : public Drawing {
public:
    QtDrawing(QPainter& target, QSize clientSize, const QtFonts& fonts)
        : target_(target), clientSize_(clientSize), fonts_(fonts) {}

    void BeginCanvas(const Image& background, int width, int height) override {
        if (width <= 0 || height <= 0) {
            width = clientSize_.width();
            height = clientSize_.height();
        }
        if (width <= 0 || height <= 0) {
            canvas_ = QImage();
            return;
        }
        canvas_ = QImage(width, height, QImage::Format_RGB32);
        canvas_.fill(QColor::fromRgb(ToPixel(kNeutralFill)));
        CopyRect(background, Rect{0, 0, width, height});
    }

    // Format_RGB32 is 0xFFRRGGBB per pixel, rows from the top, as in Image
    // but for the opaque alpha: a row copy sets it on the way.
    void CopyRect(const Image& source, const Rect& rect) override {
        if (canvas_.isNull()) return;
        const int left = std::max(rect.left, 0);
        const int top = std::max(rect.top, 0);
        const int right = std::min({rect.right, canvas_.width(), source.width});
        const int bottom = std::min({rect.bottom, canvas_.height(), source.height});
        if (right <= left || bottom <= top) return;
        for (int y = top; y < bottom; ++y) {
            const std::uint32_t* from = source.pixels.data() + static_cast<std::size_t>(y) * source.width;
            auto* to = reinterpret_cast<std::uint32_t*>(canvas_.scanLine(y));
            for (int x = left; x < right; ++x) to[x] = kOpaque | from[x];
        }
    }

    void FillRect(const Rect& rect, Color color) override {
        if (canvas_.isNull()) return;
        const int left = std::max(rect.left, 0);
        const int top = std::max(rect.top, 0);
        const int right = std::min(rect.right, canvas_.width());
        const int bottom = std::min(rect.bottom, canvas_.height());
        const std::uint32_t pixel = ToPixel(color);
        for (int y = top; y < bottom; ++y) {
            auto* row = reinterpret_cast<std::uint32_t*>(canvas_.scanLine(y));
            std::fill(row + left, row + std::max(left, right), pixel);
        }
    }

    void SelectFont(FontHandle font) override {
        if (const QFont* found = fonts_.Find(font)) font_ = *found;
    }

    TextSize MeasureText(std::string_view text) override {
        const QFontMetrics metrics(font_);
        const QString wide = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
        return TextSize{metrics.horizontalAdvance(wide), metrics.height()};
    }

    void DrawTextAt(Point at, std::string_view text, Color color) override {
        if (canvas_.isNull()) return;
        QPainter painter(&canvas_);
        painter.setFont(font_);
        painter.setPen(ToQColor(color));
        const QFontMetrics metrics(font_);
        painter.drawText(QPoint(at.x, at.y + metrics.ascent()),
                         QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    }

    void Present(const Region* clip) override {
        if (canvas_.isNull()) return;
        target_.save();
        if (clip != nullptr && !clip->rects.empty()) {
            QRegion region;
            for (const Rect& r : clip->rects) region += QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
            target_.setClipRegion(region, Qt::IntersectClip);
        }
        target_.drawImage(0, 0, canvas_);
        target_.restore();
    }

private:
    QPainter& target_;
    QSize clientSize_;
    const QtFonts& fonts_;
    QFont font_;
    QImage canvas_;
};

}  // namespace

std::unique_ptr<Drawing> CreateQtDrawing(QPainter& target, QSize clientSize, const QtFonts& fonts) {
    return std::make_unique<QtDrawing>(target, clientSize, fonts);
}

}  // namespace vx::platform
