#pragma once
// Drawing over QPainter: the core's pixel canvas, text drawn into it through
// a QImage over the same pixels, handed to the window's painter in one piece.
#include <QFont>
#include <QImage>
#include <QPainter>

#include <memory>
#include <vector>

#include "platform/drawing.h"
#include "platform/window.h"

namespace vx::platform {

// The fonts a window made (MainWindow::CreateFont), by handle; they last
// as long as the window object.
class QtFonts {
public:
    FontHandle Add(const FontSpec& fontSpec);
    // Null for a handle this table did not give.
    const QFont* Find(FontHandle handle) const;

private:
    std::vector<QFont> fonts_;
};

QColor ToQColor(Color color);

// `target` paints the window (its paint event); `clientSize` answers a
// canvas of size 0.
std::unique_ptr<Drawing> CreateQtDrawing(QPainter& target, QSize clientSize, const QtFonts& fonts);

}  // namespace vx::platform
