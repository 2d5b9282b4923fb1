#include "ui/palettes.h"

#include "model/colour_code.h"

namespace ui {

std::uint32_t SwatchColour(int index) {
    if (index == model::Brown) return 0x0040C0;
    if (index == model::White) return 0x80000005u;
    return model::kBandColours.at(static_cast<std::size_t>(index));
}

}  // namespace ui
