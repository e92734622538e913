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

// How the chart divides the shown X values into columns.
struct TSpalten {
    // For a column whose first point has the shown X value `x`: the shown X value from
    // which on a point belongs to the next column.
    std::function<double(double x)> Ende;
    // The least number of points the chart must get for the stretch it draws, from the
    // shown X value `erster` to `letzter` (the chart samples only dense data; thinned data
    // must stay that dense). Null: no least number.
    std::function<qsizetype(double erster, double letzter)> Mindestens;
};

// The indices (rising) of the points of `k` to hand to the chart. `k`'s shown X values must
// never fall (Kurvenwerte::GezeigtSteigend). Only the points the chart draws for the shown X
// range `von` ... `bis` are looked at: those inside it and the nearest one on either side.
// Each column keeps its first, smallest, largest and last point (a column of at most four
// keeps them all). Where that gives fewer than Mindestens points, every column keeps evenly
// spread points of its own up to the same number.
QVector<qsizetype> Indizes(const TKurve& k, double von, double bis, const TSpalten& spalten);

} // namespace Ausduennung
