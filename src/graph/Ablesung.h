#pragma once

#include <QString>

// The texts of the cross-hair and marker read-outs of a graph window. Only the display uses
// them: the graph file and the exports keep their numbers as they are.
namespace Ablesung {

// How many decimals a value on an axis of span `spanne` needs: about a thousandth of the span
// (a pixel of a large window), at most 12.
int Nachkommastellen(double spanne);

// A value on a number axis of span `spanne`: fixed decimals as the span calls for, "." as the
// decimal separator; very large or very small magnitudes in exponent form.
QString Zahl(double wert, double spanne);

// A difference of two days-based times as a duration: "[-][N d ]HH:MM:SS[.fff]", seconds with
// the decimals a span `spanne` (in days) calls for, at most milliseconds, trailing zeros
// dropped: "1 d 05:03:10.5".
QString Dauer(double tage, double spanne);

// A read-out: on a date/time axis a date and time in `muster` (the user's ZeitDatumsformat),
// else a number; `spanne` is the axis span.
QString Wert(double wert, double spanne, bool datumZeit, const QString& muster);
// A difference on that axis: a duration on a date/time axis, else a number.
QString Differenz(double differenz, double spanne, bool datumZeit);

// "Titel=Wert Einheit", without the blank when there is no unit symbol.
QString Zeile(const QString& titel, const QString& wert, const QString& einheit);

} // namespace Ablesung
