#include "graph/Statistik.h"

#include "graph/Kurvenwerte.h"
#include "graph/TNeumaierSumme.h"

#include <algorithm>
#include <cmath>

namespace Statistik {

namespace {

// Points in point order are summed in blocks with plain additions (fast, and exact enough
// over a block); the block sums are then added with compensation, so that ten million
// points lose no more than one block would.
constexpr qsizetype kBlock = 1024;

// A ratio of the spread's sum to the raw sum of squares below which the one-pass result
// has lost too many digits and a second pass around the mean is made.
constexpr double kGenugStreuung = 1e-3;

bool Gilt(double x, double y, double lo, double hi) {
    return std::isfinite(y) && std::isfinite(x) && x >= lo && x <= hi;
}

// What the first pass collects. Values and X are summed as differences to the first point
// of the range (cY, cX): the numbers summed are then of the size of the variation, not of
// the values, which keeps mean and spread exact for values far from zero.
struct TErsterDurchlauf {
    qint64 N = 0;
    double CX = 0, CY = 0;
    TNeumaierSumme D, DD, E, EE, ED, Flaeche;
    double Min = 0, Max = 0, MinX = 0, MaxX = 0, Erster = 0, Letzter = 0;
};

using Kurvenwerte::TForm;
constexpr auto Endlich = &TKurvenStatistik::Endlich;

void ErsterDurchlauf(const TKurve& k, qsizetype anfang, qsizetype ende, double lo, double hi,
                     TErsterDurchlauf& r) {
    const double* xs = k.Werte[0].constData();
    const double* ys = k.Werte[1].constData();
    const TForm form(k);
    qsizetype i = anfang;
    double x = 0, y = 0;
    for (; i < ende; ++i) {
        x = form.X(xs[i]);
        y = form.Y(ys[i]);
        if (Gilt(x, y, lo, hi)) {
            break;
        }
    }
    if (i == ende) {
        return;
    }
    const double cx = x, cy = y;
    double min = y, max = y, minX = x, maxX = x;
    double vorX = x, vorY = y;
    bool vorher = true; // the point before the current one belongs to the range
    qint64 anzahl = 1;
    ++i;
    while (i < ende) {
        const qsizetype blockEnde = std::min(ende, i + kBlock);
        double sd = 0, sdd = 0, se = 0, see = 0, sed = 0, fl = 0;
        for (; i < blockEnde; ++i) {
            x = form.X(xs[i]);
            y = form.Y(ys[i]);
            if (!Gilt(x, y, lo, hi)) {
                vorher = false;
                continue;
            }
            const double d = y - cy;
            const double e = x - cx;
            sd += d;
            sdd += d * d;
            se += e;
            see += e * e;
            sed += e * d;
            // Without a neighbour inside the range the segment adds nothing.
            fl += vorher ? (x - vorX) * (y + vorY) : 0.0;
            vorher = true;
            vorX = x;
            vorY = y;
            ++anzahl;
            if (y < min) {
                min = y;
                minX = x;
            }
            if (y > max) {
                max = y;
                maxX = x;
            }
        }
        r.D.Addieren(sd);
        r.DD.Addieren(sdd);
        r.E.Addieren(se);
        r.EE.Addieren(see);
        r.ED.Addieren(sed);
        r.Flaeche.Addieren(fl);
    }
    r.N = anzahl;
    r.CX = cx;
    r.CY = cy;
    r.Min = min;
    r.Max = max;
    r.MinX = minX;
    r.MaxX = maxX;
    r.Erster = cy;
    r.Letzter = vorY;
}

// The second pass: sums of squares around the means themselves.
struct TZweiterDurchlauf {
    TNeumaierSumme XX, YY, XY;
};

void ZweiterDurchlauf(const TKurve& k, qsizetype anfang, qsizetype ende, double lo, double hi,
                      double mx, double my, TZweiterDurchlauf& r) {
    const double* xs = k.Werte[0].constData();
    const double* ys = k.Werte[1].constData();
    const TForm form(k);
    for (qsizetype i = anfang; i < ende;) {
        const qsizetype blockEnde = std::min(ende, i + kBlock);
        double sxx = 0, syy = 0, sxy = 0;
        for (; i < blockEnde; ++i) {
            const double x = form.X(xs[i]);
            const double y = form.Y(ys[i]);
            if (!Gilt(x, y, lo, hi)) {
                continue;
            }
            const double e = x - mx;
            const double d = y - my;
            sxx += e * e;
            syy += d * d;
            sxy += e * d;
        }
        r.XX.Addieren(sxx);
        r.YY.Addieren(syy);
        r.XY.Addieren(sxy);
    }
}

// First index in [0, n) whose shown X is not below `grenze` (`oder gleich`: above it), on
// a curve whose shown X rise.
qsizetype Suchen(const TKurve& k, double grenze, bool oderGleich) {
    const double* xs = k.Werte[0].constData();
    qsizetype lo = 0, hi = k.Werte[0].size();
    while (lo < hi) {
        const qsizetype mitte = lo + (hi - lo) / 2;
        const double x = Kurvenwerte::GezeigtX(k, xs[mitte]);
        if (oderGleich ? x <= grenze : x < grenze) {
            lo = mitte + 1;
        } else {
            hi = mitte;
        }
    }
    return lo;
}

TKurvenStatistik Auswerten(const TKurve& k, qsizetype anfang, qsizetype ende, double lo, double hi,
                           bool datumZeit) {
    TKurvenStatistik s;
    TErsterDurchlauf r;
    ErsterDurchlauf(k, anfang, ende, lo, hi, r);
    s.Anzahl = r.N;
    if (r.N == 0) {
        return s;
    }
    const double n = double(r.N);
    const double md = r.D.Wert() / n;
    const double me = r.E.Wert() / n;
    double mx = r.CX + me;
    double my = r.CY + md;
    double syy = r.DD.Wert() - md * r.D.Wert();
    double sxx = r.EE.Wert() - me * r.E.Wert();
    double sxy = r.ED.Wert() - me * r.D.Wert();
    const bool genau = (r.DD.Wert() == 0 || syy > kGenugStreuung * r.DD.Wert()) &&
                       (r.EE.Wert() == 0 || sxx > kGenugStreuung * r.EE.Wert());
    if (!genau) {
        // The first point lay far from the others (a spike, a step): the differences to it
        // were large and their squares cancelled. Sum once more around the means.
        TZweiterDurchlauf z;
        ZweiterDurchlauf(k, anfang, ende, lo, hi, mx, my, z);
        syy = z.YY.Wert();
        sxx = z.XX.Wert();
        sxy = z.XY.Wert();
    }
    syy = std::max(syy, 0.0);
    sxx = std::max(sxx, 0.0);

    s.Minimum = Endlich(r.Min);
    s.MinimumX = Endlich(r.MinX);
    s.Maximum = Endlich(r.Max);
    s.MaximumX = Endlich(r.MaxX);
    s.Mittelwert = Endlich(my);
    if (r.N >= 2) {
        s.Standardabweichung = Endlich(std::sqrt(syy / (n - 1)));
    }
    // RMS^2 = mean^2 + spread^2: no sum of the squared values themselves, which could
    // overflow or lose the variation.
    s.RMS = Endlich(std::hypot(my, std::sqrt(syy / n)));
    s.Erster = Endlich(r.Erster);
    s.Letzter = Endlich(r.Letzter);
    s.Differenz = Endlich(r.Letzter - r.Erster);
    const double xEinheit = datumZeit ? kSekundenProTag : 1.0;
    s.Integral = Endlich(r.Flaeche.Wert() * 0.5 * xEinheit);
    if (r.N >= 2 && sxx > 0) {
        s.Steigung = Endlich(sxy / sxx / xEinheit);
    }
    return s;
}

} // namespace

bool XAufsteigend(const TKurve& k) {
    const qsizetype n = qMin(k.Werte[0].size(), k.Werte[1].size());
    const double* xs = k.Werte[0].constData();
    const TForm form(k);
    // Counted in blocks rather than left at the first fall, and each pair computed on its own,
    // so that the compiler can do several comparisons at once.
    for (qsizetype j = 1; j < n;) {
        const qsizetype blockEnde = std::min(n, j + kBlock);
        qsizetype faelle = 0;
        for (; j < blockEnde; ++j) {
            faelle += !(form.X(xs[j]) >= form.X(xs[j - 1]));
        }
        if (faelle > 0) {
            return false;
        }
    }
    return true;
}

std::pair<qsizetype, qsizetype> Punktbereich(const TKurve& k, double von, double bis) {
    if (std::isnan(von) || std::isnan(bis)) {
        return {0, 0};
    }
    const qsizetype anfang = Suchen(k, std::min(von, bis), false);
    const qsizetype ende = Suchen(k, std::max(von, bis), true);
    return {anfang, std::max(anfang, ende)};
}

TKurvenStatistik KurveAuswerten(const TKurve& k, double von, double bis, bool datumZeit,
                                std::optional<bool> aufsteigend) {
    const double lo = std::min(von, bis);
    const double hi = std::max(von, bis);
    const qsizetype n = qMin(k.Werte[0].size(), k.Werte[1].size());
    TKurvenStatistik s;
    if (std::isnan(von) || std::isnan(bis) || n == 0) {
        // nothing to sum
    } else if (n == k.Werte[0].size() && (aufsteigend ? *aufsteigend : XAufsteigend(k))) {
        // Sorted X: the range is one run of points, found by halving, and summed in the
        // blocks a summary (TKurvenSummen) would hold.
        const auto [anfang, ende] = Punktbereich(k, von, bis);
        s = TKurvenSummen::Bereich(k, anfang, ende, datumZeit, nullptr);
    } else {
        s = Auswerten(k, 0, n, lo, hi, datumZeit);
    }
    s.Name = k.Name;
    s.AchseRechts = k.AchseRechts;
    return s;
}

QVector<TKurvenStatistik> DiagrammAuswerten(const TDiagramm& d, double von, double bis,
                                            const QVector<TKurvenSummen>& summen) {
    QVector<TKurvenStatistik> liste;
    for (qsizetype i = 0; i < d.Kurven.size(); ++i) {
        const TKurve& k = d.Kurven[i];
        if (!k.Sichtbar) {
            continue;
        }
        TKurvenStatistik s;
        if (i < summen.size() && summen[i].Passt(k)) {
            s = summen[i].Auswerten(von, bis, d.DatumZeitAchse);
            s.Name = k.Name;
            s.AchseRechts = k.AchseRechts;
        } else {
            s = KurveAuswerten(k, von, bis, d.DatumZeitAchse);
        }
        s.Kurve = i;
        liste.append(s);
    }
    return liste;
}

qsizetype SummenNachfuehren(const TDiagramm& d, QVector<TKurvenSummen>& summen) {
    summen.resize(d.Kurven.size());
    qsizetype neu = 0;
    for (qsizetype i = 0; i < d.Kurven.size(); ++i) {
        const TKurve& k = d.Kurven[i];
        if (!k.Sichtbar) {
            summen[i] = TKurvenSummen(); // lets go of the values of a hidden curve
        } else if (!summen[i].Passt(k)) {
            summen[i] = TKurvenSummen(k);
            ++neu;
        }
    }
    return neu;
}

TBereich Bereich(const TDiagramm& d, double sichtbarVon, double sichtbarBis) {
    if (d.Marker1Sichtbar && d.Marker2Sichtbar) {
        return {d.Marker1X, d.Marker2X, true};
    }
    return {sichtbarVon, sichtbarBis, false};
}

std::optional<TPunkt> NaechsterPunkt(const TKurve& k, double x, std::optional<bool> aufsteigend) {
    const qsizetype n = qMin(k.Werte[0].size(), k.Werte[1].size());
    if (!std::isfinite(x) || n == 0) {
        return std::nullopt;
    }
    const double* xs = k.Werte[0].constData();
    const double* ys = k.Werte[1].constData();
    std::optional<TPunkt> bester;
    double abstand = 0;
    const auto pruefen = [&](qsizetype j) {
        const double px = Kurvenwerte::GezeigtX(k, xs[j]);
        const double py = Kurvenwerte::GezeigtY(k, ys[j]);
        if (!std::isfinite(px) || !std::isfinite(py)) {
            return;
        }
        const double a = std::fabs(px - x);
        if (!bester || a < abstand) {
            bester = TPunkt{px, py, j};
            abstand = a;
        }
    };
    if (n == k.Werte[0].size() && (aufsteigend ? *aufsteigend : XAufsteigend(k))) {
        // Look outwards from the place where x would be inserted, past points without a
        // finite value, until the distance can only grow.
        const qsizetype mitte = Suchen(k, x, false);
        for (qsizetype j = mitte - 1; j >= 0; --j) {
            pruefen(j);
            if (bester && x - Kurvenwerte::GezeigtX(k, xs[j]) > abstand) {
                break;
            }
        }
        for (qsizetype j = mitte; j < n; ++j) {
            if (bester && Kurvenwerte::GezeigtX(k, xs[j]) - x >= abstand) {
                break;
            }
            pruefen(j);
        }
        return bester;
    }
    for (qsizetype j = 0; j < n; ++j) {
        pruefen(j);
    }
    return bester;
}

std::optional<double> WertBei(const TKurve& k, double x, std::optional<bool> aufsteigend) {
    const qsizetype n = qMin(k.Werte[0].size(), k.Werte[1].size());
    if (!std::isfinite(x) || n == 0) {
        return std::nullopt;
    }
    const double* xs = k.Werte[0].constData();
    const double* ys = k.Werte[1].constData();
    if (n == k.Werte[0].size() && (aufsteigend ? *aufsteigend : XAufsteigend(k))) {
        const qsizetype j = Suchen(k, x, false); // first point with X >= x
        if (j == n) {
            return std::nullopt;
        }
        const double x1 = Kurvenwerte::GezeigtX(k, xs[j]);
        const double y1 = Kurvenwerte::GezeigtY(k, ys[j]);
        if (x1 == x) {
            return Endlich(y1);
        }
        if (j == 0) {
            return std::nullopt;
        }
        const double x0 = Kurvenwerte::GezeigtX(k, xs[j - 1]);
        const double y0 = Kurvenwerte::GezeigtY(k, ys[j - 1]);
        return Endlich(y0 + (y1 - y0) * ((x - x0) / (x1 - x0)));
    }
    // In point order a curve may pass the same X several times; the nearest point is the
    // one answer that needs no choice between the passes.
    double lo = 0, hi = 0;
    bool gefunden = false;
    for (qsizetype j = 0; j < n; ++j) {
        const double px = Kurvenwerte::GezeigtX(k, xs[j]);
        if (std::isfinite(px)) {
            lo = gefunden ? std::min(lo, px) : px;
            hi = gefunden ? std::max(hi, px) : px;
            gefunden = true;
        }
    }
    if (!gefunden || x < lo || x > hi) {
        return std::nullopt;
    }
    const auto p = NaechsterPunkt(k, x, false);
    return p ? std::optional<double>(p->Y) : std::nullopt;
}

} // namespace Statistik
