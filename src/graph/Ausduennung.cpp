#include "graph/Ausduennung.h"

#include "graph/Kurvenwerte.h"

#include <algorithm>
#include <cmath>
#include <limits>

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

struct TSpalte {
    qsizetype Anfang = 0, Ende = 0; // indices [Anfang, Ende)
    qsizetype Kleinster = 0, Groesster = 0;
    qsizetype Besondere = 1; // how many of first, smallest, largest and last differ

    qsizetype Groesse() const { return Ende - Anfang; }
    // Points kept when a column keeps up to `m` points (never fewer than its special ones).
    qsizetype Behalten(qsizetype m) const { return qMin(Groesse(), qMax(m, Besondere)); }
    QVector<qsizetype> BesondereIndizes() const {
        QVector<qsizetype> i{Anfang, qMin(Kleinster, Groesster), qMax(Kleinster, Groesster),
                             Ende - 1};
        i.erase(std::unique(i.begin(), i.end()), i.end());
        return i;
    }
};

TSpalte SpalteMessen(const TKurve& k, const double* y, qsizetype anfang, qsizetype ende) {
    TSpalte s{anfang, ende, anfang, anfang};
    // Compared as the chart compares: a value that is not a number is never the smallest or
    // the largest, and a column starting with one has no smallest or largest value at all
    // (the chart leaves a gap there, and with the first point kept it leaves the same gap).
    double min = Kurvenwerte::GezeigtY(k, y[anfang]);
    double max = min;
    for (qsizetype i = anfang + 1; i < ende; ++i) {
        const double v = Kurvenwerte::GezeigtY(k, y[i]);
        if (v < min) {
            min = v;
            s.Kleinster = i;
        } else if (v > max) {
            max = v;
            s.Groesster = i;
        }
    }
    s.Besondere = s.BesondereIndizes().size();
    return s;
}

void SpalteAnhaengen(const TSpalte& s, qsizetype m, QVector<qsizetype>& ergebnis) {
    const qsizetype ziel = s.Behalten(m);
    if (ziel == s.Groesse()) {
        for (qsizetype i = s.Anfang; i < s.Ende; ++i) {
            ergebnis.append(i);
        }
        return;
    }
    QVector<qsizetype> auswahl = s.BesondereIndizes();
    // Beyond those, points spread evenly over the column, then from its start up to exactly
    // `ziel` different points.
    const qsizetype zusatz = ziel - s.Besondere;
    for (qsizetype i = 1; i <= zusatz; ++i) {
        auswahl.append(s.Anfang + i * (s.Groesse() - 1) / (zusatz + 1));
    }
    std::sort(auswahl.begin(), auswahl.end());
    auswahl.erase(std::unique(auswahl.begin(), auswahl.end()), auswahl.end());
    for (qsizetype i = s.Anfang; auswahl.size() < ziel; ++i) {
        if (!std::binary_search(auswahl.begin(), auswahl.end(), i)) {
            auswahl.insert(std::lower_bound(auswahl.begin(), auswahl.end(), i), i);
        }
    }
    ergebnis.append(auswahl);
}

} // namespace

QVector<qsizetype> Indizes(const TKurve& k, double von, double bis, const TSpalten& spalten) {
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
    QVector<TSpalte> liste;
    qsizetype groesste = 0;
    for (qsizetype j = anfang; j < ende;) {
        // At least the column's first point, also when the column's end does not lie beyond
        // it (a chart whose range has no width).
        const qsizetype e =
            qMax(j + 1, ErsterAb(k, x, j + 1, ende, spalten.Ende(Kurvenwerte::GezeigtX(k, x[j]))));
        liste.append(SpalteMessen(k, y, j, e));
        groesste = qMax(groesste, e - j);
        j = e;
    }
    const qsizetype mindestens = spalten.Mindestens
                                     ? spalten.Mindestens(Kurvenwerte::GezeigtX(k, x[anfang]),
                                                          Kurvenwerte::GezeigtX(k, x[ende - 1]))
                                     : 0;
    const auto anzahl = [&](qsizetype m) {
        qsizetype summe = 0;
        for (const TSpalte& s : liste) {
            summe += s.Behalten(m);
        }
        return summe;
    };
    // The smallest number of points per column that gives at least `mindestens` points.
    qsizetype unten = 1;
    qsizetype oben = qMax<qsizetype>(groesste, 1);
    while (unten < oben) {
        const qsizetype mitte = unten + (oben - unten) / 2;
        if (anzahl(mitte) >= mindestens) {
            oben = mitte;
        } else {
            unten = mitte + 1;
        }
    }
    ergebnis.reserve(anzahl(unten));
    for (const TSpalte& s : liste) {
        SpalteAnhaengen(s, unten, ergebnis);
    }
    return ergebnis;
}

} // namespace Ausduennung
