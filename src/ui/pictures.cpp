#include "ui/pictures.h"

#include "art/art.h"

namespace ui {

platform::PictureImage DrawPicture(int id, int dpi) {
    if (id < static_cast<int>(art::Picture::Resistor) || id > static_cast<int>(art::Picture::About)) return {};
    const art::Image drawn = art::Draw(static_cast<art::Picture>(id), dpi);
    platform::PictureImage image{drawn.w, drawn.h, {}};
    image.pixels.reserve(drawn.px.size());
    for (const art::Rgb c : drawn.px)
        image.pixels.push_back(std::uint32_t(c.r) << 16 | std::uint32_t(c.g) << 8 | c.b);
    return image;
}

}  // namespace ui
