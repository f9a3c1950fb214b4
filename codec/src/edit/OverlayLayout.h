#pragma once
// Where the overlay elements of the three layers sit, as fractions of the
// edited picture: what the player's read-backs report, taken from the same
// placement that draws them.

#include <array>

namespace zv {

struct ElementBox {
    bool present = false;
    double x = 0, y = 0, width = 0, height = 0;
};

struct OverlayLayout {
    std::array<ElementBox, 3> image, text;
};

} // namespace zv
