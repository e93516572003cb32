#include "platform/win32/win32_drawing.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

#include "platform/portable/utf_text.h"

namespace vx::platform {

namespace {

COLORREF ToColorRef(Color color) { return RGB(color.red, color.green, color.blue); }

std::uint32_t ToPixel(Color color) {
    return (std::uint32_t{color.red} << 16) | (std::uint32_t{color.green} << 8) | color.blue;
}

std::wstring Wide(std::string_view utf8) {
    const std::u16string units = Utf8ToUtf16(utf8);
    return std::wstring(units.begin(), units.end());
}

class Win32Drawing final : public Drawing {
public:
    Win32Drawing(HDC target, HWND window) : target_(target), window_(window) {}

    ~Win32Drawing() override { ReleaseCanvas(); }

    Win32Drawing(const Win32Drawing&) = delete;
    Win32Drawing& operator=(const Win32Drawing&) = delete;

    void BeginCanvas(const Image& background, int width, int height) override {
        ReleaseCanvas();  // a second paint through the same object starts afresh
        if ((width <= 0 || height <= 0) && window_ != nullptr) {
            RECT client{};
            GetClientRect(window_, &client);
            width = client.right - client.left;
            height = client.bottom - client.top;
        }
        width_ = std::max(width, 0);
        height_ = std::max(height, 0);
        if (width_ == 0 || height_ == 0) return;

        memoryDc_ = CreateCompatibleDC(target_);
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = width_;
        info.bmiHeader.biHeight = -height_;  // rows from the top, as in Image
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(target_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        if (memoryDc_ == nullptr || bitmap_ == nullptr || bits == nullptr) {
            width_ = height_ = 0;
            return;
        }
        pixels_ = static_cast<std::uint32_t*>(bits);
        previousBitmap_ = SelectObject(memoryDc_, bitmap_);
        std::fill(pixels_, pixels_ + static_cast<std::size_t>(width_) * height_, ToPixel(kNeutralFill));
        CopyRect(background, Rect{0, 0, width_, height_});
    }

    // A DIB section's 32-bit pixels have the Image layout (0x00RRGGBB, rows
    // from the top), so a copy is a row-by-row memcpy: the same result as a
    // same-size blit, without making a GDI bitmap of every source picture.
    void CopyRect(const Image& source, const Rect& rect) override {
        if (pixels_ == nullptr) return;
        const int left = std::max({rect.left, 0});
        const int top = std::max({rect.top, 0});
        const int right = std::min({rect.right, width_, source.width});
        const int bottom = std::min({rect.bottom, height_, source.height});
        if (right <= left || bottom <= top) return;
        GdiFlush();  // GDI may still be writing into the bits
        const auto count = static_cast<std::size_t>(right - left);
        for (int y = top; y < bottom; ++y) {
            const std::uint32_t* from = source.pixels.data() + static_cast<std::size_t>(y) * source.width + left;
            std::uint32_t* to = pixels_ + static_cast<std::size_t>(y) * width_ + left;
            std::memcpy(to, from, count * sizeof(std::uint32_t));
        }
    }

    void FillRect(const Rect& rect, Color color) override {
        if (memoryDc_ == nullptr) return;
        const RECT area{rect.left, rect.top, rect.right, rect.bottom};
        SetBkColor(memoryDc_, ToColorRef(color));
        ExtTextOutW(memoryDc_, 0, 0, ETO_OPAQUE, &area, nullptr, 0, nullptr);
    }

    void SelectFont(FontHandle font) override {
        if (memoryDc_ != nullptr && font != 0) SelectObject(memoryDc_, reinterpret_cast<HFONT>(font));
    }

    TextSize MeasureText(std::string_view text) override {
        HDC dc = memoryDc_ != nullptr ? memoryDc_ : target_;
        const std::wstring wide = Wide(text);
        SIZE size{};
        GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
        return TextSize{size.cx, size.cy};
    }

    void DrawTextAt(Point at, std::string_view text, Color color) override {
        if (memoryDc_ == nullptr) return;
        const std::wstring wide = Wide(text);
        SetBkMode(memoryDc_, TRANSPARENT);
        SetTextColor(memoryDc_, ToColorRef(color));
        TextOutW(memoryDc_, at.x, at.y, wide.c_str(), static_cast<int>(wide.size()));
    }

    void Present(const Region* clip) override {
        if (memoryDc_ == nullptr || target_ == nullptr) return;
        GdiFlush();
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
        BitBlt(target_, 0, 0, width_, height_, memoryDc_, 0, 0, SRCCOPY);
        if (region != nullptr) {
            SelectClipRgn(target_, nullptr);
            DeleteObject(region);
        }
    }

private:
    void ReleaseCanvas() {
        if (memoryDc_ != nullptr) {
            SelectObject(memoryDc_, previousBitmap_);
            DeleteDC(memoryDc_);
        }
        if (bitmap_ != nullptr) DeleteObject(bitmap_);
        memoryDc_ = nullptr;
        bitmap_ = nullptr;
        previousBitmap_ = nullptr;
        pixels_ = nullptr;
        width_ = height_ = 0;
    }

    HDC target_;
    HWND window_;
    HDC memoryDc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previousBitmap_ = nullptr;
    std::uint32_t* pixels_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

}  // namespace

std::unique_ptr<Drawing> CreateWin32Drawing(HDC target, HWND window) {
    return std::make_unique<Win32Drawing>(target, window);
}

}  // namespace vx::platform
