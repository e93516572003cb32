// The text pass of the main window's paint.
#include <string>

#include "ui/paint_parts.h"

namespace vx::ui::paint_parts {

namespace {

using platform::Color;
using platform::Drawing;
using settings::UiLanguage;

constexpr int kMainTextCount = 54;
constexpr int kAdvancedTextCount = 72;
constexpr int kColorTextCount = 33;
constexpr int kFunctionTextInset = 5;

int ClampedInt(std::int64_t v) { return RectOf(v, 0, 0, 0).left; }

// Half the spare room, truncated toward zero (negative when the text is
// wider than its element); texts are not clipped to their element.
int CentredStart(std::int32_t start, std::int32_t room, int textSize) {
    return ClampedInt(std::int64_t{start} + (std::int64_t{room} - textSize) / 2);
}

// Codes 41 and up name a user macro; a code with no slot or macro behind it
// shows nothing.
const std::string* FunctionText(const skin::Layouts& layouts, const PaintInputs& in, std::int32_t code) {
    if (code < 0) return nullptr;
    if (code >= 41) {
        const std::int64_t macro = std::int64_t{code} - 41;
        if (macro >= static_cast<std::int64_t>(in.userMacroNames.size())) return nullptr;
        return &in.userMacroNames[static_cast<std::size_t>(macro)];
    }
    return &layouts.functionNames[static_cast<std::size_t>(code)];
}

void DrawFunctionName(Drawing& drawing, const skin::Layouts& layouts, const PaintInputs& in, int element) {
    const std::string* text = FunctionText(layouts, in, in.config.Button(element - 25));
    if (text == nullptr || text->empty()) return;
    const skin::LayoutEntry& entry = layouts.main[static_cast<std::size_t>(element)];
    const platform::TextSize size = drawing.MeasureText(*text);
    drawing.DrawTextAt(
        Point{ClampedInt(std::int64_t{entry.x} + kFunctionTextInset), CentredStart(entry.y, entry.height, size.height)},
        *text, element == in.hotMain ? kHotRed : kCaptionWhite);
}

// The advanced page's captions that carry live values replace the layout's
// own text and stay in the table until the next layout load.
void ReplaceLiveCaption(skin::AdvancedLayout& layout, const PaintInputs& in, int element) {
    const bool english = settings::UsesEnglish(in.language);
    switch (element) {
        case 4:
            if (english) {
                layout[4].caption = in.recording ? "Stop" : "Record";
            } else {
                layout[4].caption = in.recording ? "停止" : "录制";
            }
            break;
        case 33: layout[33].caption = std::to_string(in.config.FIRE_TIME) + "ms"; break;
        case 43: layout[43].caption = "[↓]" + std::to_string(in.pressCount); break;
        case 44: layout[44].caption = "[↑]" + std::to_string(in.releaseCount); break;
        default: break;
    }
}

Color AdvancedCaptionColor(int element) {
    return element == 33 || (element >= 43 && element <= 47) ? kCaptionBlack : kCaptionWhite;
}

std::string DpiReadout(const PaintInputs& in) {
    const std::int32_t level = in.config.DPI_LEVEL;
    if (level < 0 || level >= static_cast<std::int32_t>(in.sentDpiCodes.size())) return {};
    return std::to_string(DpiOfDeviceCode(in.sentDpiCodes[static_cast<std::size_t>(level)]));
}

int TextCount(SkinPage page) {
    switch (page) {
        case SkinPage::AdvancedPage: return kAdvancedTextCount;
        case SkinPage::ColorPage: return kColorTextCount;
        case SkinPage::MainPage: break;
    }
    return kMainTextCount;
}

}  // namespace

void DrawCentred(platform::Drawing& drawing, const skin::LayoutEntry& entry, const std::string& text,
                 platform::Color color) {
    if (text.empty()) return;
    const platform::TextSize size = drawing.MeasureText(text);
    drawing.DrawTextAt(
        Point{CentredStart(entry.x, entry.width, size.width), CentredStart(entry.y, entry.height, size.height)}, text,
        color);
}

void PaintTexts(Drawing& drawing, skin::Layouts& layouts, const PaintInputs& in) {
    drawing.SelectFont(in.font);
    const int count = TextCount(in.page);
    for (int k = 0; k < count; ++k) {
        const auto index = static_cast<std::size_t>(k);
        if (k < 20) {
            DrawCentred(drawing, layouts.main[index], layouts.main[index].caption, kCaptionWhite);
            continue;
        }
        switch (in.page) {
            case SkinPage::MainPage:
                if (k >= 25 && k <= 30) {
                    DrawFunctionName(drawing, layouts, in, k);
                } else {
                    DrawCentred(drawing, layouts.main[index], layouts.main[index].caption, kCaptionWhite);
                }
                break;
            case SkinPage::AdvancedPage: {
                const int element = k - 20;
                ReplaceLiveCaption(layouts.advanced, in, element);
                const skin::LayoutEntry& entry = layouts.advanced[static_cast<std::size_t>(element)];
                DrawCentred(drawing, entry, entry.caption, AdvancedCaptionColor(element));
                break;
            }
            case SkinPage::ColorPage: {
                const int element = k - 20;
                const skin::LayoutEntry& entry = layouts.color[static_cast<std::size_t>(element)];
                DrawCentred(drawing, entry, element == 9 ? DpiReadout(in) : entry.caption, kCaptionWhite);
                break;
            }
        }
    }
}

}  // namespace vx::ui::paint_parts
