#pragma once

#include <QtGlobal>

// A colour as the documents and the configuration store it: 32 bits, 0x00BBGGRR for a plain
// colour; values with the top bit set name a system colour of the desktop (see Farben.h).
// Core code never uses QColor; the windows convert when they draw.
using TColor = quint32;

// The sixteen standard colours.
namespace Farbe {
constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;
} // namespace Farbe
