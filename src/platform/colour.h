#pragma once

#include <cstdint>

namespace discada {

// A 24-bit RGB colour held as 0x00BBGGRR: red in the lowest byte.
using Colour = std::uint32_t;

constexpr Colour rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return Colour{red} | (Colour{green} << 8) | (Colour{blue} << 16);
}
constexpr std::uint8_t redOf(Colour c) {
    return c & 0xFF;
}
constexpr std::uint8_t greenOf(Colour c) {
    return (c >> 8) & 0xFF;
}
constexpr std::uint8_t blueOf(Colour c) {
    return (c >> 16) & 0xFF;
}

constexpr Colour kRgbBlack = rgb(0, 0, 0);
constexpr Colour kRgbWhite = rgb(255, 255, 255);

}  // namespace discada
