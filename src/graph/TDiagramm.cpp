#include "graph/TDiagramm.h"

void DiagrammKopieren(const TDiagramm& quelle, TDiagramm& ziel) {
    const double xMin = ziel.XMin;
    ziel = quelle;
    ziel.XMin = xMin;
    // Both rows of a curve have the length of row 0; a damaged source row 1 must not leave
    // the copy with rows of different length.
    for (TKurve& k : ziel.Kurven) {
        // Only when needed: resizing a shared row copies it even at equal size.
        if (k.Werte[1].size() != k.Werte[0].size()) {
            k.Werte[1].resize(k.Werte[0].size());
        }
    }
}
