#pragma once

#include "graph/TKurve.h"

#include <QVector>

// The conversion between a curve's own values and the values the chart shows and the
// export writes. The offset is added first and the sum is scaled.
namespace Kurvenwerte {

inline double Gezeigt(double offset, double faktor, double wert) {
    return (offset + wert) * faktor;
}
inline double GezeigtX(const TKurve& k, double x) {
    return Gezeigt(k.Start, k.Intervall, x);
}
inline double GezeigtY(const TKurve& k, double y) {
    return Gezeigt(k.YOffset, k.YFaktor, y);
}

// The factors of a curve's shown form, held in locals so that loops over its points keep
// them in registers.
struct TForm {
    double Start, Intervall, YOffset, YFaktor;
    explicit TForm(const TKurve& k)
        : Start(k.Start), Intervall(k.Intervall), YOffset(k.YOffset), YFaktor(k.YFaktor) {}
    double X(double x) const { return Gezeigt(Start, Intervall, x); }
    double Y(double y) const { return Gezeigt(YOffset, YFaktor, y); }
};

// The way back, used when the chart's series are read back into the document. `x` and `y`
// are the shown values of every point (equal length). A zero Intervall (or YFaktor) cannot
// be undone: the stored row then keeps its values for the points it already has (new points
// get 0), instead of turning into infinities.
void GezeigteWerteUebernehmen(TKurve& k, const QVector<double>& x, const QVector<double>& y);

// The shown points of a curve into `x` and `y`; true when the shown X values never fall
// (the chart then draws the fast sorted series, else the points in their own order).
bool GezeigtePunkte(const TKurve& k, QVector<double>& x, QVector<double>& y);
// Whether the shown X values never fall, without making the points.
bool GezeigtSteigend(const TKurve& k);

} // namespace Kurvenwerte
