#include "platform/testing/fake_drawing.h"

#include <utility>

namespace vx::platform::testing {

namespace {

std::string RectText(const Rect& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right - r.left) + "," +
           std::to_string(r.bottom - r.top);
}

std::string ColorText(const Color& c) {
    return std::to_string(c.red) + "," + std::to_string(c.green) + "," + std::to_string(c.blue);
}

// Code points in UTF-8 text: every byte that does not continue a sequence.
int CodePoints(std::string_view text) {
    int count = 0;
    for (const char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
    }
    return count;
}

}  // namespace

void FakeDrawing::BeginCanvas(const Image& background, int width, int height) {
    DrawCall call;
    call.kind = DrawCall::Kind::BeginCanvas;
    call.image = &background;
    call.rect = Rect{0, 0, width, height};
    calls_.push_back(std::move(call));
}

void FakeDrawing::CopyRect(const Image& source, const Rect& rect) {
    DrawCall call;
    call.kind = DrawCall::Kind::CopyRect;
    call.image = &source;
    call.rect = rect;
    calls_.push_back(std::move(call));
}

void FakeDrawing::FillRect(const Rect& rect, Color color) {
    DrawCall call;
    call.kind = DrawCall::Kind::FillRect;
    call.rect = rect;
    call.color = color;
    calls_.push_back(std::move(call));
}

void FakeDrawing::SelectFont(FontHandle font) {
    DrawCall call;
    call.kind = DrawCall::Kind::SelectFont;
    call.font = font;
    calls_.push_back(std::move(call));
}

TextSize FakeDrawing::MeasureText(std::string_view text) {
    DrawCall call;
    call.kind = DrawCall::Kind::MeasureText;
    call.text = std::string(text);
    calls_.push_back(std::move(call));
    return TextSize{charWidth * CodePoints(text), textHeight};
}

void FakeDrawing::DrawTextAt(Point at, std::string_view text, Color color) {
    DrawCall call;
    call.kind = DrawCall::Kind::DrawText;
    call.at = at;
    call.text = std::string(text);
    call.color = color;
    calls_.push_back(std::move(call));
}

void FakeDrawing::Present(const Region* clip) {
    DrawCall call;
    call.kind = DrawCall::Kind::Present;
    call.clipped = clip != nullptr;
    if (clip != nullptr) call.clip = *clip;
    calls_.push_back(std::move(call));
}

std::vector<DrawCall> FakeDrawing::CallsOf(DrawCall::Kind kind) const {
    std::vector<DrawCall> result;
    for (const DrawCall& call : calls_) {
        if (call.kind == kind) result.push_back(call);
    }
    return result;
}

std::string FakeDrawing::ImageName(const Image* image) const {
    const auto found = names_.find(image);
    return found != names_.end() ? found->second : "image";
}

std::vector<std::string> FakeDrawing::Lines() const {
    std::vector<std::string> lines;
    for (const DrawCall& call : calls_) {
        switch (call.kind) {
            case DrawCall::Kind::BeginCanvas:
                lines.push_back("canvas " + ImageName(call.image) + " " + RectText(call.rect));
                break;
            case DrawCall::Kind::CopyRect:
                lines.push_back("copy " + ImageName(call.image) + " " + RectText(call.rect));
                break;
            case DrawCall::Kind::FillRect:
                lines.push_back("fill " + ColorText(call.color) + " " + RectText(call.rect));
                break;
            case DrawCall::Kind::SelectFont: lines.push_back("font " + std::to_string(call.font)); break;
            case DrawCall::Kind::MeasureText: break;
            case DrawCall::Kind::DrawText:
                lines.push_back("text " + ColorText(call.color) + " " + std::to_string(call.at.x) + "," +
                                std::to_string(call.at.y) + " " + call.text);
                break;
            case DrawCall::Kind::Present: lines.push_back(call.clipped ? "present clipped" : "present"); break;
        }
    }
    return lines;
}

}  // namespace vx::platform::testing
