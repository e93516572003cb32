#pragma once
// A drawing surface for tests: records every call in order, measures text
// as a fixed-pitch font would (each character `charWidth` wide), and draws
// nothing.
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/drawing.h"

namespace vx::platform::testing {

struct DrawCall {
    enum class Kind { BeginCanvas, CopyRect, FillRect, SelectFont, MeasureText, DrawText, Present };
    Kind kind = Kind::BeginCanvas;
    const Image* image = nullptr;  // BeginCanvas, CopyRect
    Rect rect;                     // CopyRect, FillRect; BeginCanvas: (0, 0, width, height)
    Color color;                   // FillRect, DrawText
    FontHandle font = 0;           // SelectFont
    std::string text;              // MeasureText, DrawText
    Point at;                      // DrawText
    bool clipped = false;          // Present
    Region clip;                   // Present
};

class FakeDrawing : public Drawing {
public:
    int charWidth = 7;
    int textHeight = 14;

    void BeginCanvas(const Image& background, int width, int height) override;
    void CopyRect(const Image& source, const Rect& rect) override;
    void FillRect(const Rect& rect, Color color) override;
    void SelectFont(FontHandle font) override;
    TextSize MeasureText(std::string_view text) override;
    void DrawTextAt(Point at, std::string_view text, Color color) override;
    void Present(const Region* clip) override;

    // Lets ToString name pictures instead of showing addresses.
    void NameImage(const Image& image, std::string name) { names_[&image] = std::move(name); }

    const std::vector<DrawCall>& calls() const { return calls_; }
    std::vector<DrawCall> CallsOf(DrawCall::Kind kind) const;
    // One line per call, e.g. "copy over 10,20,40,60" or
    // "text 255,0,0 15,23 Left Click"; measuring is left out.
    std::vector<std::string> Lines() const;
    void Clear() { calls_.clear(); }

private:
    std::string ImageName(const Image* image) const;

    std::vector<DrawCall> calls_;
    std::map<const Image*, std::string> names_;
};

}  // namespace vx::platform::testing
