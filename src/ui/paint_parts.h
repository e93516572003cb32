#pragma once
// Pieces of the main window's paint shared between its source files.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/drawing.h"
#include "skin/skin_layout.h"
#include "ui/paint.h"

namespace vx::ui::paint_parts {

// The entry at `index`, or nothing when a value from a hand-edited file
// points outside the table.
template <std::size_t N>
const skin::LayoutEntry* EntryAt(const skin::SkinLayout<N>& table, std::int64_t index) {
    if (index < 0 || index >= static_cast<std::int64_t>(N)) return nullptr;
    return &table[static_cast<std::size_t>(index)];
}

// A rectangle from x, y, width and height, limited to the int range.
Rect RectOf(std::int64_t x, std::int64_t y, std::int64_t width, std::int64_t height);

// `text` centred in the entry's rectangle (truncating), transparent.
void DrawCentred(platform::Drawing& drawing, const skin::LayoutEntry& entry, const std::string& text,
                 platform::Color color);

// The text pass: captions, function names and live values.
void PaintTexts(platform::Drawing& drawing, skin::Layouts& layouts, const PaintInputs& inputs);

}  // namespace vx::ui::paint_parts
