#pragma once
// Window and drawing coordinates are twips: 1/1440 inch, 15 to a pixel at 96 dots per inch.
namespace eqbond {

inline constexpr int kTwipsPerPixel = 15;

}  // namespace eqbond
