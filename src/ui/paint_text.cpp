// The text pass of the main window's paint.
#include <string>

#include "device/button_functions.h"
#include "skin/skin_elements.h"
#include "ui/paint_parts.h"

namespace vx::ui::paint_parts {

namespace {

using platform::Color;
using platform::Drawing;
using settings::UiLanguage;

namespace main = skin::elements::main;
namespace advanced = skin::elements::advanced;
namespace color = skin::elements::color;

constexpr int kFunctionTextInset = 5;

int ClampedInt(std::int64_t v) { return RectOf(v, 0, 0, 0).left; }

// Half the spare room, truncated toward zero (negative when the text is
// wider than its element); texts are not clipped to their element.
int CentredStart(std::int32_t start, std::int32_t room, int textSize) {
    return ClampedInt(std::int64_t{start} + (std::int64_t{room} - textSize) / 2);
}

// A user macro's code shows the macro's name; the codes past them name
// nothing, nor do negative ones.
const std::string* FunctionText(const skin::Layouts& layouts, const PaintInputs& in, std::int32_t code) {
    using device::ButtonFunctionKind;
    const device::ButtonFunction function = device::ClassifyButtonFunction(code);
    if (function.kind == ButtonFunctionKind::UserMacro) {
        return &in.userMacroNames[static_cast<std::size_t>(function.slot)];
    }
    if (code < 0 || code >= device::ButtonFunctionCode(ButtonFunctionKind::UserMacro, 0)) return nullptr;
    return &layouts.functionNames[static_cast<std::size_t>(code)];
}

void DrawFunctionName(Drawing& drawing, const skin::Layouts& layouts, const PaintInputs& in, int element) {
    const std::string* text = FunctionText(layouts, in, in.config.Button(main::kFunctionFields.IndexOf(element)));
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
    std::string& caption = layout[static_cast<std::size_t>(element)].caption;
    switch (element) {
        case advanced::kRecord:
            if (english) {
                caption = in.recording ? "Stop" : "Record";
            } else {
                caption = in.recording ? "停止" : "录制";
            }
            break;
        case advanced::kFireValue: caption = std::to_string(in.config.FIRE_TIME) + "ms"; break;
        case advanced::kPressCount: caption = "[↓]" + std::to_string(in.pressCount); break;
        case advanced::kReleaseCount: caption = "[↑]" + std::to_string(in.releaseCount); break;
        default: break;
    }
}

Color AdvancedCaptionColor(int element) {
    return element == advanced::kFireValue || advanced::kDarkCaptions.Contains(element) ? kCaptionBlack
                                                                                        : kCaptionWhite;
}

std::string DpiReadout(const PaintInputs& in) {
    const std::int32_t level = in.config.DPI_LEVEL;
    if (level < 0 || level >= static_cast<std::int32_t>(in.sentDpiCodes.size())) return {};
    return std::to_string(DpiOfDeviceCode(in.sentDpiCodes[static_cast<std::size_t>(level)]));
}

// The common elements' captions, then the page's own.
int TextCount(SkinPage page) {
    switch (page) {
        case SkinPage::AdvancedPage: return main::kCommon.count + advanced::kCount;
        case SkinPage::ColorPage: return main::kCommon.count + color::kCount;
        case SkinPage::MainPage: break;
    }
    return main::kCaptioned.count;
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
        if (main::kCommon.Contains(k)) {
            DrawCentred(drawing, layouts.main[index], layouts.main[index].caption, kCaptionWhite);
            continue;
        }
        switch (in.page) {
            case SkinPage::MainPage:
                if (main::kFunctionFields.Contains(k)) {
                    DrawFunctionName(drawing, layouts, in, k);
                } else {
                    DrawCentred(drawing, layouts.main[index], layouts.main[index].caption, kCaptionWhite);
                }
                break;
            case SkinPage::AdvancedPage: {
                const int element = k - main::kCommon.count;
                ReplaceLiveCaption(layouts.advanced, in, element);
                const skin::LayoutEntry& entry = layouts.advanced[static_cast<std::size_t>(element)];
                DrawCentred(drawing, entry, entry.caption, AdvancedCaptionColor(element));
                break;
            }
            case SkinPage::ColorPage: {
                const int element = k - main::kCommon.count;
                const skin::LayoutEntry& entry = layouts.color[static_cast<std::size_t>(element)];
                DrawCentred(drawing, entry, element == color::kDpiValue ? DpiReadout(in) : entry.caption,
                            kCaptionWhite);
                break;
            }
        }
    }
}

}  // namespace vx::ui::paint_parts
