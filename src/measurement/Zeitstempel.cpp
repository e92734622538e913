#include "measurement/Zeitstempel.h"

#include "shell/Bcd.h"
#include "shell/DatumZeit.h"

#include <algorithm>
#include <cmath>

bool ZeitstempelLesen(const quint8* g, double& ziel) {
    using Bcd::BcdZuZahl;
    DatumZeit::TTeile t;
    t.Jahr = 2000 + BcdZuZahl(g[0]);
    t.Monat = BcdZuZahl(g[1]);
    t.Tag = BcdZuZahl(g[2]);
    t.Stunde = 0;
    t.Minute = 0;
    t.Sekunde = 0;
    t.Millisekunde = 0;
    const std::optional<double> datum = DatumZeit::Kodieren(t);
    if (!datum) {
        return false;
    }
    t.Stunde = BcdZuZahl(g[3]);
    t.Minute = BcdZuZahl(g[4]);
    t.Sekunde = BcdZuZahl(g[5]);
    t.Millisekunde = 100 * BcdZuZahl(g[6]) + BcdZuZahl(g[7]);
    ziel = DatumZeit::Kodieren(t).value_or(*datum);
    return true;
}

TZeitstempel ZeitstempelKodieren(double wert) {
    using Bcd::ZahlZuBcd;
    const DatumZeit::TTeile t = DatumZeit::Zerlegen(wert);
    return {ZahlZuBcd(quint8((t.Jahr - 2000) & 0xFF)),
            ZahlZuBcd(quint8(t.Monat)),
            ZahlZuBcd(quint8(t.Tag)),
            ZahlZuBcd(quint8(t.Stunde)),
            ZahlZuBcd(quint8(t.Minute)),
            ZahlZuBcd(quint8(t.Sekunde)),
            ZahlZuBcd(quint8(t.Millisekunde / 100)),
            ZahlZuBcd(quint8(t.Millisekunde % 100))};
}

double ZeitFortschreiben(double t, double periode, quint64 schritte) {
    while (schritte > 0) {
        // A single step first: when the period lies exactly halfway between two steps of the
        // grid, the rounding to even puts `t` on the even grid, where every later step adds
        // the same amount.
        t += periode;
        --schritte;
        if (schritte == 0 || !std::isfinite(t)) {
            break;
        }
        if (t == 0) {
            continue;
        }
        const double schritt = (t + periode) - t;
        if (schritt == 0) {
            break; // every further step rounds back to t
        }
        // The order of magnitude of t: |t| in [2^(e-1), 2^e). Values stay on the grid of t
        // up to the upper end for positive t, down to the lower end for negative t.
        int e = 0;
        std::frexp(t, &e);
        const double grenze = t > 0 ? std::ldexp(1.0, e) : -std::ldexp(1.0, e - 1);
        const double raum = grenze - t; // exact: both lie within a factor of two
        // Two steps of margin keep the unrounded sums inside the same order of magnitude.
        const double moeglich = std::floor(raum / std::abs(schritt)) - 2;
        if (schritt < 0 || moeglich < 1) {
            continue;
        }
        const quint64 m = std::min<quint64>(schritte, quint64(moeglich));
        t += double(m) * schritt; // a multiple of the grid below the bound: exact
        schritte -= m;
    }
    return t;
}
