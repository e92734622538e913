#pragma once

#include "graph/TColor.h"

#include <QString>
#include <optional>

// Colour identifiers as the configuration file writes them ("clBlack", "clSilver", ...) and
// the colours the measurement import gives its curves.
namespace Farben {

// Curve colours by series index modulo 16.
inline constexpr TColor KurvenFarben[16] = {
    Farbe::clBlack,  Farbe::clMaroon,  Farbe::clGreen, Farbe::clOlive,
    Farbe::clNavy,   Farbe::clPurple,  Farbe::clTeal,  Farbe::clGray,
    Farbe::clSilver, Farbe::clRed,     Farbe::clLime,  Farbe::clYellow,
    Farbe::clBlue,   Farbe::clFuchsia, Farbe::clAqua,  Farbe::clWhite,
};

// The identifier of a named colour, otherwise "$" and eight hexadecimal digits ("$00123456").
QString FarbeText(TColor farbe);
// An identifier (letter case ignored) or an integer, decimal or hexadecimal with "$" or
// "0x"; nothing for any other text.
std::optional<TColor> FarbeWert(const QString& text);

// The plain 0x00BBGGRR colour to draw: system colours (top bit set) become the usual
// desktop colour of their kind, clNone and clDefault become clWhite; plain colours stay.
TColor Darstellungsfarbe(TColor farbe);

} // namespace Farben
