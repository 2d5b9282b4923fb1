#include "platform/picture.h"

#include <cstdint>
#include <map>
#include <tuple>

#include "platform/gdi.h"

namespace platform {
namespace {

// A picture in the screen's own format, 32-bit 0x00RRGGBB and top-down, so
// that every repaint is a plain copy: the drawer writes straight into its bits.
HBITMAP BitmapOf(PictureDrawer drawer, int id, int dpi) {
    const SIZE size = drawer.size(id, dpi);
    if (size.cx <= 0 || size.cy <= 0) return nullptr;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), size.cx, -size.cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap) return nullptr;
    if (!bits) {
        DeleteObject(bitmap);
        return nullptr;
    }
    drawer.draw(id, dpi, static_cast<std::uint32_t*>(bits));
    return bitmap;
}

}  // namespace

Picture::Picture(HBITMAP bitmap) : bitmap_(bitmap) {
    BITMAP info{};
    if (bitmap_ && GetObjectW(bitmap_, sizeof info, &info)) {
        width_ = info.bmWidth;
        height_ = info.bmHeight;
    }
}

Picture::~Picture() {
    if (bitmap_) DeleteObject(bitmap_);
}

bool Picture::Draw(HDC dc, int x, int y) const {
    MemoryDC source(dc);
    if (!source.get()) return false;
    Select picture(source.get(), bitmap_);
    return BitBlt(dc, x, y, width_, height_, source.get(), 0, 0, SRCCOPY) != FALSE;
}

std::shared_ptr<Picture> LoadPicture(PictureDrawer drawer, int id, int dpi) {
    if (!drawer.size || !drawer.draw) return nullptr;
    // Weak entries: a picture lives while some control shows it.
    static std::map<std::tuple<decltype(PictureDrawer::draw), int, int>, std::weak_ptr<Picture>> cache;
    auto& entry = cache[{drawer.draw, id, dpi}];
    if (auto shared = entry.lock()) return shared;
    HBITMAP bitmap = BitmapOf(drawer, id, dpi);
    if (!bitmap) return nullptr;
    auto picture = std::make_shared<Picture>(bitmap);
    entry = picture;
    return picture;
}

}  // namespace platform
