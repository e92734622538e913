#include "graph/DatumZeitSchalter.h"

namespace DatumZeitSchalter {

void Umschalten(TDiagramm& d, double& intervall) {
    d.DatumZeitAchse = !d.DatumZeitAchse;
    // Without curves there is no interval to take; 1 keeps the limits where they are.
    const double iv = d.Kurven.isEmpty() ? 1.0 : d.Kurven.first().Intervall;
    TAchse& unten = d.AchseUnten;
    double* markerX[2] = {&d.Marker1X, &d.Marker2X};
    const bool gesetzt[2] = {d.Marker1Sichtbar, d.Marker2Sichtbar};
    if (d.DatumZeitAchse) {
        intervall = iv;
        if (iv != 0) {
            unten.Minimum = unten.Minimum / iv + d.XMin;
            unten.Maximum = unten.Maximum / iv + d.XMin;
            for (int m = 0; m < 2; ++m) {
                if (gesetzt[m]) {
                    *markerX[m] = *markerX[m] / iv + d.XMin;
                }
            }
        }
        for (TKurve& k : d.Kurven) {
            k.Intervall = 1;
            k.Start = k.Start + d.XMin;
        }
    } else {
        unten.Minimum = (unten.Minimum - d.XMin) * intervall;
        unten.Maximum = (unten.Maximum - d.XMin) * intervall;
        for (int m = 0; m < 2; ++m) {
            if (gesetzt[m]) {
                *markerX[m] = (*markerX[m] - d.XMin) * intervall;
            }
        }
        for (TKurve& k : d.Kurven) {
            k.Intervall = intervall;
            k.Start = k.Start - d.XMin;
        }
    }
}

} // namespace DatumZeitSchalter
