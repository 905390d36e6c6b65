#pragma once
// Colours as RGB triples.
namespace eqbond {

struct Rgb {
    int r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb& x, const Rgb& y) {
        return x.r == y.r && x.g == y.g && x.b == y.b;
    }
    friend bool operator!=(const Rgb& x, const Rgb& y) { return !(x == y); }
};

namespace colour {
inline constexpr Rgb kCyan{192, 255, 255};
inline constexpr Rgb kGreen{0, 255, 0};
inline constexpr Rgb kRed{255, 0, 0};
}  // namespace colour

}  // namespace eqbond
