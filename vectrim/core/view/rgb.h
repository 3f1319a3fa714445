// A colour as red, green and blue.
#pragma once

#include <cstdint>

namespace vectrim {

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

} // namespace vectrim
