#include "platform/picture.h"

#include <cstdint>
#include <map>
#include <utility>

#include "art/art.h"

#include "platform/gdi.h"
#include "platform/timeline.h"

namespace platform {
namespace {

bool IsPicture(int id) {
    return id >= static_cast<int>(art::Picture::Resistor) && id <= static_cast<int>(art::Picture::About);
}

// A picture in the screen's own format, so that every repaint is a plain
// copy; made on any thread.
HBITMAP BitmapOf(int id, int dpi) {
    BANDORA_MARK_N("picture-start", id);
    const art::Image image = art::Draw(static_cast<art::Picture>(id), dpi);
    void* bits = nullptr;
    HBITMAP bitmap = MakeDib(image.w, image.h, &bits);
    if (!bitmap) return nullptr;
    auto* bgrx = static_cast<std::uint32_t*>(bits);
    for (std::size_t i = 0; i < image.px.size(); ++i) {
        const art::Rgb c = image.px[i];
        bgrx[i] = std::uint32_t(c.r) << 16 | std::uint32_t(c.g) << 8 | c.b;
    }
    GdiFlush();   // the bits are written before another thread draws with the bitmap
    BANDORA_MARK_N("picture-end", id);
    return bitmap;
}

// The pictures being drawn ahead. The thread owns the slots until it ends;
// then the user-interface thread takes them, once it has waited for it.
struct Ahead {
    static constexpr int kMost = 8;
    int dpi = 0;
    int count = 0;
    int ids[kMost] = {};
    HBITMAP bitmaps[kMost] = {};
    HANDLE thread = nullptr;
};
Ahead ahead;

DWORD WINAPI DrawAhead(void*) {
    for (int i = 0; i < ahead.count; ++i) ahead.bitmaps[i] = BitmapOf(ahead.ids[i], ahead.dpi);
    return 0;
}

// The bitmap drawn ahead for (id, dpi), taken out of its slot; nullptr when
// none was drawn for it.
HBITMAP TakeAhead(int id, int dpi) {
    if (ahead.thread) {
        WaitForSingleObject(ahead.thread, INFINITE);
        CloseHandle(ahead.thread);
        ahead.thread = nullptr;
    }
    if (dpi != ahead.dpi) return nullptr;
    for (int i = 0; i < ahead.count; ++i)
        if (ahead.ids[i] == id) return std::exchange(ahead.bitmaps[i], nullptr);
    return nullptr;
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

void Picture::Draw(HDC dc, int x, int y) const {
    MemoryDC source(dc);
    Select picture(source.get(), bitmap_);
    BitBlt(dc, x, y, width_, height_, source.get(), 0, 0, SRCCOPY);
}

void DrawPicturesAhead(std::initializer_list<int> ids, int dpi) {
    if (ahead.count) return;
    for (int id : ids)
        if (IsPicture(id) && ahead.count < Ahead::kMost) ahead.ids[ahead.count++] = id;
    ahead.dpi = dpi;
    // Without a thread, LoadPicture draws each picture itself.
    ahead.thread = CreateThread(nullptr, kDrawingStack, DrawAhead, nullptr, STACK_SIZE_PARAM_IS_A_RESERVATION, nullptr);
    if (!ahead.thread) ahead.count = 0;
}

std::shared_ptr<Picture> LoadPicture(int id, int dpi) {
    if (!IsPicture(id)) return nullptr;
    // Weak entries: a picture lives while some control shows it.
    static std::map<std::pair<int, int>, std::weak_ptr<Picture>> cache;
    auto& entry = cache[{id, dpi}];
    if (auto shared = entry.lock()) return shared;
    HBITMAP bitmap = TakeAhead(id, dpi);
    if (!bitmap) bitmap = BitmapOf(id, dpi);
    if (!bitmap) return nullptr;
    auto picture = std::make_shared<Picture>(bitmap);
    entry = picture;
    return picture;
}

}  // namespace platform
