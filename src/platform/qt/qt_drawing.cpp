#include "platform/qt/qt_drawing.h"

#include <QFontMetrics>
#include <QRegion>

#include <algorithm>
#include <cmath>

#include "platform/portable/pixel_canvas.h"

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

class QtDrawing final : public CanvasDrawing {
public:
    QtDrawing(QPainter& target, QSize clientSize, const QtFonts& fonts)
        : target_(target), clientSize_(clientSize), fonts_(fonts) {}

    void SelectFont(FontHandle font) override {
        if (const QFont* found = fonts_.Find(font)) font_ = *found;
    }

    TextSize MeasureText(std::string_view text) override {
        const QFontMetrics metrics(font_);
        const QString wide = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
        return TextSize{metrics.horizontalAdvance(wide), metrics.height()};
    }

    void DrawTextAt(Point at, std::string_view text, Color color) override {
        if (Canvas().Empty()) return;
        QImage canvas = CanvasImage();
        QPainter painter(&canvas);
        painter.setFont(font_);
        painter.setPen(ToQColor(color));
        const QFontMetrics metrics(font_);
        painter.drawText(QPoint(at.x, at.y + metrics.ascent()),
                         QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    }

    void Present(const Region* clip) override {
        if (Canvas().Empty()) return;
        target_.save();
        if (clip != nullptr && !clip->rects.empty()) {
            QRegion region;
            for (const Rect& r : clip->rects) region += QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
            target_.setClipRegion(region, Qt::IntersectClip);
        }
        target_.drawImage(0, 0, CanvasImage());
        target_.restore();
    }

private:
    CanvasSize ClientSize() override { return CanvasSize{clientSize_.width(), clientSize_.height()}; }

    // The canvas's pixels are Format_RGB32 as they are: no copy.
    QImage CanvasImage() {
        PixelCanvas& canvas = Canvas();
        return QImage(reinterpret_cast<uchar*>(canvas.Pixels()), canvas.Width(), canvas.Height(),
                      static_cast<qsizetype>(canvas.Width()) * 4, QImage::Format_RGB32);
    }

    QPainter& target_;
    QSize clientSize_;
    const QtFonts& fonts_;
    QFont font_;
};

}  // namespace

std::unique_ptr<Drawing> CreateQtDrawing(QPainter& target, QSize clientSize, const QtFonts& fonts) {
    return std::make_unique<QtDrawing>(target, clientSize, fonts);
}

}  // namespace vx::platform
