#include "platform/picture.h"

#include <cstdint>
#include <map>
#include <tuple>
#include <vector>

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

// A monochrome mask of a picture: 0 where it has ink, 1 on its paper (every
// channel at 240 or more, as the About glyph's page is).
HBITMAP InkMask(HBITMAP picture, int width, int height) {
    DIBSECTION section{};
    if (GetObjectW(picture, sizeof section, &section) != sizeof section || !section.dsBm.bmBits) return nullptr;
    const auto* pixels = static_cast<const std::uint32_t*>(section.dsBm.bmBits);
    const int stride = (width + 15) / 16 * 2;   // a monochrome bitmap's rows are whole words
    std::vector<BYTE> bits(static_cast<std::size_t>(stride * height), 0xFF);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const std::uint32_t c = pixels[y * width + x];
            if ((c >> 16 & 0xFF) < 240 || (c >> 8 & 0xFF) < 240 || (c & 0xFF) < 240)
                bits[static_cast<std::size_t>(y * stride + x / 8)] &= static_cast<BYTE>(~(0x80 >> (x % 8)));
        }
    return CreateBitmap(width, height, 1, 1, bits.data());
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

bool Picture::DrawInk(HDC dc, int x, int y, COLORREF ink) const {
    Bitmap mask(InkMask(bitmap_, width_, height_));
    MemoryDC source(dc);
    if (!mask || !source.get()) return false;
    Select selected(source.get(), mask.get());
    // The mask's 0 bits arrive as the text colour, black, and its 1 bits as
    // the background, white: the brush where the source is 0, the DC kept
    // where it is 1 (the raster operation PSDPxax).
    const int saved = SaveDC(dc);
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    SelectObject(dc, GetStockObject(DC_BRUSH));
    SetDCBrushColor(dc, ink);
    const bool drawn = BitBlt(dc, x, y, width_, height_, source.get(), 0, 0, 0x00B8074A) != FALSE;
    RestoreDC(dc, saved);
    return drawn;
}

std::shared_ptr<Picture> LoadPicture(PictureDrawer drawer, int id, int dpi) {
    if (!drawer.size || !drawer.draw) return nullptr;
    // Weak entries: a picture lives while some control shows it.
    static std::map<std::tuple<decltype(PictureDrawer::draw), int, int>, std::weak_ptr<Picture>> cache;
    auto& entry = cache[{drawer.draw, id, dpi}];
    if (auto shared = entry.lock()) return shared;
    HBITMAP bitmap = BitmapOf(drawer, id, dpi);
    if (!bitmap) return nullptr;
    // Not make_shared: without run-time type information its control block
    // asks the C++ library to compare tags, and that brings the library's
    // locks for shared pointers, and the thread library behind them.
    std::shared_ptr<Picture> picture(new Picture(bitmap));
    entry = picture;
    return picture;
}

}  // namespace platform
