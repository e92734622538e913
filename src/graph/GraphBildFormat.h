#pragma once

#include <QSize>
#include <QString>
#include <optional>

// The picture formats a graph can be exported to, and the size the picture is made at.
namespace GraphBildFormat {

enum class TArt { Keine, Png, Svg, Pdf };

// By the extension, exactly as written (".png", ".svg", ".pdf"), like the text exports.
TArt ArtNachEndung(const QString& datei);

struct TGroesse {
    QSize Pixel;      // the layout size: fonts and lines keep their pixel sizes
    double Skala = 1; // 2: a PNG with twice the pixels in each direction
    bool operator==(const TGroesse&) const = default;
};

inline constexpr int kKleinste = 50;
inline constexpr int kGroesste = 10000;

// "WxH", optionally followed by "@2x" or " 2x" (also "@1x"); W and H in 50 ... 10000.
// Nothing for any other text.
std::optional<TGroesse> GroesseLesen(const QString& text);
// The form GroesseLesen reads, for proposing a size.
QString GroesseText(const TGroesse& groesse);

} // namespace GraphBildFormat
