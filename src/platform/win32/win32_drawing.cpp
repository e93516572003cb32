#include "platform/win32/win32_drawing.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

#include "platform/portable/pixel_canvas.h"
#include "platform/portable/utf_text.h"

namespace vx::platform {

namespace {

COLORREF ToColorRef(Color color) { return RGB(color.red, color.green, color.blue); }

std::wstring Wide(std::string_view utf8) {
    const std::u16string units = Utf8ToUtf16(utf8);
    return std::wstring(units.begin(), units.end());
}

// A 32-bit top-down DIB of width x height: the canvas's own layout (GDI
// ignores the alpha byte of BI_RGB pixels).
BITMAPINFO DibInfo(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // rows from the top
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

class Win32Drawing final : public CanvasDrawing {
public:
    Win32Drawing(HDC target, HWND window) : target_(target), window_(window), textDc_(CreateCompatibleDC(target)) {}

    ~Win32Drawing() override {
        ReleaseTextBitmap();
        if (textDc_ != nullptr) DeleteDC(textDc_);
    }

    Win32Drawing(const Win32Drawing&) = delete;
    Win32Drawing& operator=(const Win32Drawing&) = delete;

    void SelectFont(FontHandle font) override {
        if (textDc_ != nullptr && font != 0) SelectObject(textDc_, reinterpret_cast<HFONT>(font));
    }

    TextSize MeasureText(std::string_view text) override {
        HDC dc = textDc_ != nullptr ? textDc_ : target_;
        const std::wstring wide = Wide(text);
        SIZE size{};
        GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
        return TextSize{static_cast<int>(size.cx), static_cast<int>(size.cy)};
    }

    // GDI draws the glyphs (anti-aliased onto what is below them) into a
    // DIB holding the canvas's pixels around the text, which then go back.
    void DrawTextAt(Point at, std::string_view text, Color color) override {
        PixelCanvas& canvas = Canvas();
        if (canvas.Empty() || textDc_ == nullptr || text.empty()) return;
        const std::wstring wide = Wide(text);
        SIZE size{};
        GetTextExtentPoint32W(textDc_, wide.c_str(), static_cast<int>(wide.size()), &size);
        const int textWidth = static_cast<int>(size.cx);
        const int textHeight = static_cast<int>(size.cy);
        // Room for overhanging glyphs on every side.
        const int margin = std::max(textHeight, 4);
        const int left = std::max(at.x - margin, 0);
        const int top = std::max(at.y - margin, 0);
        const int right = std::min(at.x + textWidth + margin, canvas.Width());
        const int bottom = std::min(at.y + textHeight + margin, canvas.Height());
        if (right <= left || bottom <= top || !TextBitmapAtLeast(right - left, bottom - top)) return;

        const auto count = static_cast<std::size_t>(right - left);
        for (int y = top; y < bottom; ++y) {
            std::memcpy(textPixels_ + static_cast<std::size_t>(y - top) * static_cast<std::size_t>(textWidth_),
                        canvas.Pixels() + static_cast<std::size_t>(y) * static_cast<std::size_t>(canvas.Width()) + left,
                        count * sizeof(std::uint32_t));
        }
        SetBkMode(textDc_, TRANSPARENT);
        SetTextColor(textDc_, ToColorRef(color));
        TextOutW(textDc_, at.x - left, at.y - top, wide.c_str(), static_cast<int>(wide.size()));
        GdiFlush();  // the bits are read right away
        for (int y = top; y < bottom; ++y) {
            const std::uint32_t* from =
                textPixels_ + static_cast<std::size_t>(y - top) * static_cast<std::size_t>(textWidth_);
            std::uint32_t* to =
                canvas.Pixels() + static_cast<std::size_t>(y) * static_cast<std::size_t>(canvas.Width()) + left;
            for (std::size_t x = 0; x < count; ++x) to[x] = 0xFF000000u | from[x];
        }
    }

    void Present(const Region* clip) override {
        const PixelCanvas& canvas = Canvas();
        if (canvas.Empty() || target_ == nullptr) return;
        HRGN region = nullptr;
        if (clip != nullptr && !clip->rects.empty()) {
            region = CreateRectRgn(0, 0, 0, 0);
            for (const Rect& r : clip->rects) {
                HRGN part = CreateRectRgn(r.left, r.top, r.right, r.bottom);
                CombineRgn(region, region, part, RGN_OR);
                DeleteObject(part);
            }
            SelectClipRgn(target_, region);
        }
        const BITMAPINFO info = DibInfo(canvas.Width(), canvas.Height());
        SetDIBitsToDevice(target_, 0, 0, static_cast<DWORD>(canvas.Width()), static_cast<DWORD>(canvas.Height()), 0, 0,
                          0, static_cast<UINT>(canvas.Height()), canvas.Pixels(), &info, DIB_RGB_COLORS);
        if (region != nullptr) {
            SelectClipRgn(target_, nullptr);
            DeleteObject(region);
        }
    }

private:
    CanvasSize ClientSize() override {
        RECT client{};
        if (window_ != nullptr) GetClientRect(window_, &client);
        return CanvasSize{client.right - client.left, client.bottom - client.top};
    }

    // The text DIB, grown as a longer text needs; kept for the paint.
    bool TextBitmapAtLeast(int width, int height) {
        if (textBitmap_ != nullptr && width <= textWidth_ && height <= textHeight_) return true;
        width = std::max(width, textWidth_);
        height = std::max(height, textHeight_);
        ReleaseTextBitmap();
        const BITMAPINFO info = DibInfo(width, height);
        void* bits = nullptr;
        textBitmap_ = CreateDIBSection(textDc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        if (textBitmap_ == nullptr || bits == nullptr) {
            ReleaseTextBitmap();
            return false;
        }
        textPixels_ = static_cast<std::uint32_t*>(bits);
        textWidth_ = width;
        textHeight_ = height;
        previousBitmap_ = SelectObject(textDc_, textBitmap_);
        return true;
    }

    void ReleaseTextBitmap() {
        if (previousBitmap_ != nullptr) SelectObject(textDc_, previousBitmap_);
        if (textBitmap_ != nullptr) DeleteObject(textBitmap_);
        textBitmap_ = nullptr;
        previousBitmap_ = nullptr;
        textPixels_ = nullptr;
        textWidth_ = textHeight_ = 0;
    }

    HDC target_;
    HWND window_;
    HDC textDc_;
    HBITMAP textBitmap_ = nullptr;
    HGDIOBJ previousBitmap_ = nullptr;
    std::uint32_t* textPixels_ = nullptr;
    int textWidth_ = 0;
    int textHeight_ = 0;
};

}  // namespace

std::unique_ptr<Drawing> CreateWin32Drawing(HDC target, HWND window) {
    return std::make_unique<Win32Drawing>(target, window);
}

}  // namespace vx::platform
