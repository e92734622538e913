#include "graph/Ausduennung.h"

#include "graph/Kurvenwerte.h"

#include <algorithm>
#include <cmath>

namespace Ausduennung {

namespace {

// The first index in [von, bis) whose shown X is not below `grenze` (bis when none is):
// X rises, so a binary search finds it without looking at the points in between.
qsizetype ErsterAb(const TKurve& k, const double* x, qsizetype von, qsizetype bis, double grenze) {
    while (von < bis) {
        const qsizetype mitte = von + (bis - von) / 2;
        if (Kurvenwerte::GezeigtX(k, x[mitte]) < grenze) {
            von = mitte + 1;
        } else {
            bis = mitte;
        }
    }
    return von;
}

// The first index in [von, bis) whose shown X is above `grenze`.
qsizetype ErsterUeber(const TKurve& k, const double* x, qsizetype von, qsizetype bis,
                      double grenze) {
    while (von < bis) {
        const qsizetype mitte = von + (bis - von) / 2;
        if (!(Kurvenwerte::GezeigtX(k, x[mitte]) > grenze)) {
            von = mitte + 1;
        } else {
            bis = mitte;
        }
    }
    return von;
}

} // namespace

QVector<qsizetype> Indizes(const TKurve& k, double von, double bis,
                           const std::function<double(double)>& spaltenEnde) {
    const qsizetype n = qMin(k.Werte[0].size(), k.Werte[1].size());
    const double* x = k.Werte[0].constData();
    const double* y = k.Werte[1].constData();
    QVector<qsizetype> ergebnis;
    if (n == 0) {
        return ergebnis;
    }
    // The points drawn: from the last one before the range to the first one after it.
    qsizetype anfang = ErsterAb(k, x, 0, n, von);
    if (anfang > 0) {
        --anfang;
    }
    qsizetype ende = ErsterUeber(k, x, anfang, n, bis);
    if (ende < n) {
        ++ende;
    }
    qsizetype j = anfang;
    while (j < ende) {
        const double grenze = spaltenEnde(Kurvenwerte::GezeigtX(k, x[j]));
        // At least the column's first point, also when the column's end does not lie beyond
        // it (a chart whose range has no width).
        const qsizetype e = qMax(j + 1, ErsterAb(k, x, j + 1, ende, grenze));
        if (e - j <= 4) {
            for (qsizetype i = j; i < e; ++i) {
                ergebnis.append(i);
            }
            j = e;
            continue;
        }
        qsizetype kleinster = j;
        qsizetype groesster = j;
        double min = Kurvenwerte::GezeigtY(k, y[j]);
        double max = min;
        bool keineZahl = std::isnan(min);
        for (qsizetype i = j + 1; i < e; ++i) {
            const double v = Kurvenwerte::GezeigtY(k, y[i]);
            keineZahl = keineZahl || std::isnan(v);
            if (v < min) {
                min = v;
                kleinster = i;
            } else if (v > max) {
                max = v;
                groesster = i;
            }
        }
        if (keineZahl) {
            // A gap in the values: the chart breaks the line there; the column keeps all its
            // points so that it breaks in the same places.
            for (qsizetype i = j; i < e; ++i) {
                ergebnis.append(i);
            }
        } else {
            ergebnis.append(j);
            for (qsizetype i : {qMin(kleinster, groesster), qMax(kleinster, groesster)}) {
                if (i != ergebnis.last()) {
                    ergebnis.append(i);
                }
            }
            if (e - 1 != ergebnis.last()) {
                ergebnis.append(e - 1);
            }
        }
        j = e;
    }
    return ergebnis;
}

} // namespace Ausduennung
