#include "platform/win32/win32_image_decoder.h"

#include "platform/win32/windows_api.h"

#include <objbase.h>
#include <wincodec.h>

#include <cstdint>

#include "platform/win32/text_convert.h"

namespace vx::platform {
namespace {

// Larger images are refused rather than allocated (256 MB of pixels).
constexpr std::uint64_t kMaxPixels = 64ull * 1024 * 1024;

// Releases a COM interface when it goes out of scope.
template <typename T>
class ComRef {
public:
    ComRef() = default;
    ~ComRef() {
        if (ptr_ != nullptr) ptr_->Release();
    }
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;

    T** Out() { return &ptr_; }
    T* operator->() const { return ptr_; }
    T* get() const { return ptr_; }

private:
    T* ptr_ = nullptr;
};

// COM stays initialised on each thread that decodes until the process ends.
// Apartment threading keeps the interface thread usable for shell dialogs.
void EnsureComOnThisThread() {
    thread_local bool initialised = false;
    if (initialised) return;
    HRESULT result = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    // Already initialised in another mode also leaves COM usable here.
    initialised = SUCCEEDED(result) || result == RPC_E_CHANGED_MODE;
}

}  // namespace

std::optional<Image> Win32ImageDecoder::Load(const std::string& path) {
    EnsureComOnThisThread();

    ComRef<IWICImagingFactory> factory;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                reinterpret_cast<void**>(factory.Out())))) {
        return std::nullopt;
    }
    ComRef<IWICBitmapDecoder> decoder;
    if (FAILED(factory->CreateDecoderFromFilename(Widen(path).c_str(), nullptr, GENERIC_READ,
                                                  WICDecodeMetadataCacheOnDemand, decoder.Out()))) {
        return std::nullopt;
    }
    ComRef<IWICBitmapFrameDecode> frame;
    if (FAILED(decoder->GetFrame(0, frame.Out()))) return std::nullopt;
    ComRef<IWICBitmapSource> converted;
    if (FAILED(WICConvertBitmapSource(GUID_WICPixelFormat32bppBGR, frame.get(), converted.Out()))) {
        return std::nullopt;
    }
    UINT width = 0;
    UINT height = 0;
    if (FAILED(converted->GetSize(&width, &height)) || width == 0 || height == 0) return std::nullopt;
    if (static_cast<std::uint64_t>(width) * height > kMaxPixels) return std::nullopt;

    Image image;
    image.width = static_cast<int>(width);
    image.height = static_cast<int>(height);
    image.pixels.resize(static_cast<std::size_t>(width) * height);
    const UINT stride = width * 4;
    const UINT bytes = stride * height;
    if (FAILED(converted->CopyPixels(nullptr, stride, bytes, reinterpret_cast<BYTE*>(image.pixels.data())))) {
        return std::nullopt;
    }
    // Bytes B, G, R, X read as one little-endian word are 0xXXRRGGBB.
    for (std::uint32_t& pixel : image.pixels) pixel &= 0x00FFFFFFu;
    return image;
}

}  // namespace vx::platform
