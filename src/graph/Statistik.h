#pragma once

#include "graph/TDiagramm.h"
#include "graph/TKurvenStatistik.h"
#include "graph/TKurvenSummen.h"

#include <QVector>
#include <optional>
#include <utility>

// The figures between the two markers (or over the visible X range) and the values at a
// given X. Every number the graph window's table, its copy and export and `orvan-cli stats`
// show comes from here. All X and Y are shown values (Kurvenwerte.h): the point X
// (Start + X) * Intervall, the value (YOffset + Y) * YFaktor, as the chart draws them.
// Points whose shown X or Y is not a finite number are left out as if they were not there.
namespace Statistik {

inline constexpr double kSekundenProTag = 86400;

// One curve between `von` and `bis` (either order; both ends belong to the range). On a
// date/time axis (`datumZeit`) the integral is taken over X in seconds (TDateTime days
// * 86400) and the slope is per second. `aufsteigend`: whether the shown X rise, when the
// caller knows it already (XAufsteigend); otherwise it is found out, a pass over all X.
TKurvenStatistik KurveAuswerten(const TKurve& k, double von, double bis, bool datumZeit,
                                std::optional<bool> aufsteigend = std::nullopt);

// Every visible curve of the document, in curve order. `summen`: one summary per curve
// (SummenNachfuehren); a curve whose summary does not fit it is summed point by point,
// with the same figures.
QVector<TKurvenStatistik> DiagrammAuswerten(const TDiagramm& d, double von, double bis,
                                            const QVector<TKurvenSummen>& summen = {});

// Makes `summen` hold one summary per curve: built again for a visible curve whose values
// or factors changed, emptied for a hidden one. Returns how many were built.
qsizetype SummenNachfuehren(const TDiagramm& d, QVector<TKurvenSummen>& summen);

// The points [first, second) of a curve with rising shown X whose X lie between `von` and
// `bis` (either order, both ends included).
std::pair<qsizetype, qsizetype> Punktbereich(const TKurve& k, double von, double bis);

// The range the figures cover: between the markers when both are set, otherwise the
// visible X range handed in.
struct TBereich {
    double Von = 0;
    double Bis = 0;
    bool Marker = false; // true: between the markers
};
TBereich Bereich(const TDiagramm& d, double sichtbarVon, double sichtbarBis);

// The curve's value at shown X `x`: on a curve whose shown X rise (drawn as a line over X)
// the straight line between the two neighbouring points, the point's own value where one
// lies exactly at `x`; on a curve drawn in point order (X not sorted) the value of the
// point nearest in X. Nothing before the curve's first or beyond its last X.
std::optional<double> WertBei(const TKurve& k, double x,
                              std::optional<bool> aufsteigend = std::nullopt);

// The point of the curve nearest in X to `x` (the first of equally near ones), for
// snapping a marker to the data.
struct TPunkt {
    double X = 0;
    double Y = 0;
    qsizetype Index = -1;
};
std::optional<TPunkt> NaechsterPunkt(const TKurve& k, double x,
                                     std::optional<bool> aufsteigend = std::nullopt);

// Whether the shown X of the curve never fall from one point to the next.
bool XAufsteigend(const TKurve& k);

} // namespace Statistik
