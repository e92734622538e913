#pragma once

#include "graph/TKurve.h"

#include <QVector>

#include <functional>

// Fewer points for a still picture of a dense curve. A chart with adaptive sampling draws a
// curve of rising X, wherever several points fall into one pixel column, as the column's
// first value, its smallest, its largest and its last one. Handing the chart only those
// points of every column gives the same drawing from a few thousand points instead of
// millions: a spike of one sample stays, and so does every line across a gap.
namespace Ausduennung {

// The indices (rising) of the points of `k` to hand to the chart. `k`'s shown X values must
// never fall (Kurvenwerte::GezeigtSteigend). Only the points the chart draws for the shown X
// range `von` ... `bis` are looked at: those inside it and the nearest one on either side.
// `spaltenEnde(x)` gives, for a column whose first point has the shown X value `x`, the
// shown X value from which on a point belongs to the next column. Every point of a column
// that holds a value that is not a number is kept, as are columns of at most four points.
QVector<qsizetype> Indizes(const TKurve& k, double von, double bis,
                           const std::function<double(double)>& spaltenEnde);

} // namespace Ausduennung
