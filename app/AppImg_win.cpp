#include "app/AppImg.h"

#include <cstring>
#include <string_view>

#include "win32/Handles.h"
#include "ui/PixelImage.h"

namespace {

bool LoadPicture(HINSTANCE module, AppImgId id, PixelImage& out) {
    const AppImgEntry& entry = AppImgInfo(id);
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(entry.resource), MAKEINTRESOURCEW(10));
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes)
        return false;
    const std::string_view data(static_cast<const char*>(bytes), SizeofResource(module, found));
    return DecodeAppImgPicture(data, entry, out);
}

HBITMAP TopDownDib(const PixelImage& image, void** bits) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = image.width;
    info.bmiHeader.biHeight = -image.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0);
}

// Icons keep their colours apart from alpha; the carried pictures have them
// multiplied in.
void Unpremultiply(uint8_t* bgra, size_t bytes) {
    for (size_t i = 0; i < bytes; i += 4) {
        const int a = bgra[i + 3];
        if (a == 0 || a == 255)
            continue;
        for (int c = 0; c < 3; ++c)
            bgra[i + c] = static_cast<uint8_t>((bgra[i + c] * 255 + a / 2) / a);
    }
}

// The AND mask: set where the picture is clear, for displays that ignore alpha.
HBITMAP MaskOf(const PixelImage& image) {
    const int stride = ((image.width + 15) / 16) * 2;  // CreateBitmap rows are WORD-aligned
    std::string bits(size_t(stride) * image.height, '\0');
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            if (image.bgra[(size_t(y) * image.width + x) * 4 + 3] == 0)
                bits[size_t(y) * stride + x / 8] |= char(0x80 >> (x % 8));
    return CreateBitmap(image.width, image.height, 1, 1, bits.data());
}

// A subject's picture at pixels a side.
bool LoadPicture(HINSTANCE module, AppImgSubject subject, int pixels, PixelImage& out) {
    PixelImage image;
    if (pixels < 1 || !LoadPicture(module, AppImgSource(subject, pixels), image))
        return false;
    out = image.width == pixels ? std::move(image) : ScalePixelImage(image, pixels, pixels);
    return true;
}

HBITMAP BitmapOf(const PixelImage& image) {
    void* bits = nullptr;
    HBITMAP dib = TopDownDib(image, &bits);
    if (dib)
        std::memcpy(bits, image.bgra.data(), image.bgra.size());
    return dib;
}

HICON IconOf(const PixelImage& image) {
    void* bits = nullptr;
    GdiObject<HBITMAP> colour(TopDownDib(image, &bits));
    GdiObject<HBITMAP> mask(MaskOf(image));
    if (!colour.Get() || !mask.Get())
        return nullptr;
    std::memcpy(bits, image.bgra.data(), image.bgra.size());
    Unpremultiply(static_cast<uint8_t*>(bits), image.bgra.size());
    ICONINFO info{TRUE, 0, 0, mask.Get(), colour.Get()};
    // The icon gets copies of both bitmaps; ours go with their owners.
    return CreateIconIndirect(&info);
}

}  // namespace

HBITMAP AppImgBitmap(HINSTANCE module, AppImgId id) {
    PixelImage image;
    return LoadPicture(module, id, image) ? BitmapOf(image) : nullptr;
}

HICON AppImgIcon(HINSTANCE module, AppImgId id) {
    PixelImage image;
    return LoadPicture(module, id, image) ? IconOf(image) : nullptr;
}

HBITMAP AppImgBitmap(HINSTANCE module, AppImgSubject subject, int pixels) {
    PixelImage image;
    return LoadPicture(module, subject, pixels, image) ? BitmapOf(image) : nullptr;
}

HICON AppImgIcon(HINSTANCE module, AppImgSubject subject, int pixels) {
    PixelImage image;
    return LoadPicture(module, subject, pixels, image) ? IconOf(image) : nullptr;
}
