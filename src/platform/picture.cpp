#include "platform/picture.h"

#include <cstdint>
#include <map>
#include <utility>
#include <vector>

#include "art/art.h"

#include "platform/gdi.h"
#include "platform/timeline.h"   // timeline: the benchmark's start-up marks

namespace platform {

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

void Picture::Draw(HDC dc, int x, int y) const {
    MemoryDC source(dc);
    Select picture(source.get(), bitmap_);
    BitBlt(dc, x, y, width_, height_, source.get(), 0, 0, SRCCOPY);
}

std::shared_ptr<Picture> LoadPicture(int id, int dpi) {
    if (id < static_cast<int>(art::Picture::Resistor) || id > static_cast<int>(art::Picture::About)) return nullptr;
    // Weak entries: a picture lives while some control shows it.
    static std::map<std::pair<int, int>, std::weak_ptr<Picture>> cache;
    auto& entry = cache[{id, dpi}];
    if (auto shared = entry.lock()) return shared;
    BANDORA_MARK_N("picture-start", id);   // timeline
    const art::Image image = art::Draw(static_cast<art::Picture>(id), dpi);
    // Handed over as a 32-bit top-down DIB and kept in the screen's own
    // format, so that every repaint is a plain copy.
    std::vector<std::uint32_t> bgrx(image.px.size());
    for (std::size_t i = 0; i < bgrx.size(); ++i) {
        const art::Rgb c = image.px[i];
        bgrx[i] = std::uint32_t(c.r) << 16 | std::uint32_t(c.g) << 8 | c.b;
    }
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), image.w, -image.h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    WindowDC screen(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen.get(), image.w, image.h);
    if (!bitmap) return nullptr;
    SetDIBits(screen.get(), bitmap, 0, static_cast<UINT>(image.h), bgrx.data(), &info, DIB_RGB_COLORS);
    auto picture = std::make_shared<Picture>(bitmap);
    entry = picture;
    BANDORA_MARK_N("picture-end", id);   // timeline
    return picture;
}

}  // namespace platform
