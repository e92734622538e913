#pragma once

#include <QString>
#include <optional>

struct TDiagramm;

// The arithmetic of moving about in a graph: zooming about a point, the step of one turn of the
// mouse wheel, the time or number the user asks to go to, and the X range the data cover.
namespace AnsichtNavigation {

struct TBereich {
    double Minimum = 0;
    double Maximum = 0;
    double Spanne() const { return Maximum - Minimum; }
    bool operator==(const TBereich&) const = default;
};

// The range scaled by `faktor` about `punkt`: the point keeps its place on the axis (below 1
// zooms in). A result that is not finite or whose span would vanish against its values (the
// limits of double precision) leaves the range as it is.
TBereich UmPunktZoomen(const TBereich& bereich, double punkt, double faktor);

// The zoom factor of a wheel turn by `winkel` eighths of a degree (120 is one notch of a
// common wheel): each notch away from the user shows 80 % of the span, towards the user 125 %.
double RadFaktor(int winkel);

// The range of the same width centred on `mitte`.
TBereich Zentrieren(const TBereich& bereich, double mitte);

// What the user typed as a place on the X axis: on a date/time axis a date and time in
// `muster` (the program's ZeitDatumsformat), also without its milliseconds or time of day as
// `datumsmuster` and `zeitmuster` give them; on a relative axis a number. None when it reads as
// neither.
std::optional<double> ZeitpunktLesen(const QString& text, bool datumZeit, const QString& muster,
                                     const QString& datumsmuster, const QString& zeitmuster,
                                     double jetzt);

// The shown X range of all curves with at least one finite X ((Start + X) × Intervall); none
// for a graph without points.
std::optional<TBereich> DatenBereichX(const TDiagramm& diagramm);

} // namespace AnsichtNavigation
