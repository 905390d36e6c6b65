#pragma once
// A QR code's symbol, made by libqrencode: what a phone reads off the printed report.
#include <QString>
#include <vector>

namespace eqbond {

// The symbol's modules of `text` (UTF-8, error correction level M), row by row, true for dark;
// empty when the text does not fit in a symbol.
std::vector<std::vector<bool>> qr_modules(const QString& text);

}  // namespace eqbond
