#include "graph/TKurvenSummen.h"

#include "graph/Kurvenwerte.h"
#include "graph/Statistik.h"
#include "graph/TNeumaierSumme.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

using TBlock = TKurvenSummen::TBlock;
using Kurvenwerte::TForm;
constexpr auto Endlich = &TKurvenStatistik::Endlich;

bool Zaehlt(double x, double y) {
    return std::isfinite(x) && std::isfinite(y);
}

// A run in which every shown X and Y is finite: no test per point, and the sums over two
// interleaved halves so that two chains of additions run side by side.
void GlatterLauf(const double* xs, const double* ys, qsizetype a, qsizetype b, const TForm& f,
                 double min, double max, TBlock& r) {
    r.N = b - a;
    r.Erster = a;
    r.Letzter = b - 1;
    r.Min = min;
    r.Max = max;
    for (qsizetype j = a;; ++j) {
        if (f.Y(ys[j]) == min) {
            r.MinIndex = j;
            break;
        }
    }
    for (qsizetype j = a;; ++j) {
        if (f.Y(ys[j]) == max) {
            r.MaxIndex = j;
            break;
        }
    }
    // Means as the first point plus the mean difference to it: the differences are of the
    // size of the variation, not of the values.
    const double cx = f.X(xs[a]), cy = f.Y(ys[a]);
    double sx[2] = {}, sy[2] = {}, fl[2] = {};
    qsizetype j = a + 1;
    for (; j + 1 < b; j += 2) {
        const double x0 = f.X(xs[j - 1]), y0 = f.Y(ys[j - 1]);
        const double x1 = f.X(xs[j]), y1 = f.Y(ys[j]);
        const double x2 = f.X(xs[j + 1]), y2 = f.Y(ys[j + 1]);
        sx[0] += x1 - cx;
        sy[0] += y1 - cy;
        fl[0] += (x1 - x0) * (y1 + y0);
        sx[1] += x2 - cx;
        sy[1] += y2 - cy;
        fl[1] += (x2 - x1) * (y2 + y1);
    }
    if (j < b) {
        const double x0 = f.X(xs[j - 1]), y0 = f.Y(ys[j - 1]);
        const double x1 = f.X(xs[j]), y1 = f.Y(ys[j]);
        sx[0] += x1 - cx;
        sy[0] += y1 - cy;
        fl[0] += (x1 - x0) * (y1 + y0);
    }
    const double n = double(r.N);
    r.MittelX = cx + (sx[0] + sx[1]) / n;
    r.MittelY = cy + (sy[0] + sy[1]) / n;
    r.Flaeche = fl[0] + fl[1];
    // The second pass around the run's own means: the run is in the cache by now.
    const double mx = r.MittelX, my = r.MittelY;
    double qx[2] = {}, qy[2] = {}, qxy[2] = {};
    j = a;
    for (; j + 1 < b; j += 2) {
        const double e0 = f.X(xs[j]) - mx, d0 = f.Y(ys[j]) - my;
        const double e1 = f.X(xs[j + 1]) - mx, d1 = f.Y(ys[j + 1]) - my;
        qx[0] += e0 * e0;
        qy[0] += d0 * d0;
        qxy[0] += e0 * d0;
        qx[1] += e1 * e1;
        qy[1] += d1 * d1;
        qxy[1] += e1 * d1;
    }
    if (j < b) {
        const double e0 = f.X(xs[j]) - mx, d0 = f.Y(ys[j]) - my;
        qx[0] += e0 * e0;
        qy[0] += d0 * d0;
        qxy[0] += e0 * d0;
    }
    r.QX = qx[0] + qx[1];
    r.QY = qy[0] + qy[1];
    r.QXY = qxy[0] + qxy[1];
}

// A run with points that do not count: each point tested.
void GeprueferLauf(const double* xs, const double* ys, qsizetype a, qsizetype b, const TForm& f,
                   TBlock& r) {
    double cx = 0, cy = 0, sx = 0, sy = 0, fl = 0, vx = 0, vy = 0;
    bool vorher = false; // the point before the current one counts
    for (qsizetype j = a; j < b; ++j) {
        const double x = f.X(xs[j]), y = f.Y(ys[j]);
        if (!Zaehlt(x, y)) {
            vorher = false;
            continue;
        }
        if (r.N == 0) {
            cx = x;
            cy = y;
            r.Erster = j;
            r.Min = r.Max = y;
            r.MinIndex = r.MaxIndex = j;
        } else if (y < r.Min) {
            r.Min = y;
            r.MinIndex = j;
        } else if (y > r.Max) {
            r.Max = y;
            r.MaxIndex = j;
        }
        sx += x - cx;
        sy += y - cy;
        if (vorher) {
            fl += (x - vx) * (y + vy);
        }
        vorher = true;
        vx = x;
        vy = y;
        r.Letzter = j;
        ++r.N;
    }
    if (r.N == 0) {
        return;
    }
    const double n = double(r.N);
    r.MittelX = cx + sx / n;
    r.MittelY = cy + sy / n;
    r.Flaeche = fl;
    for (qsizetype j = r.Erster; j <= r.Letzter; ++j) {
        const double x = f.X(xs[j]), y = f.Y(ys[j]);
        if (Zaehlt(x, y)) {
            const double e = x - r.MittelX, d = y - r.MittelY;
            r.QX += e * e;
            r.QY += d * d;
            r.QXY += e * d;
        }
    }
}

// The summary of points [a, b) (at most one block). One function for the summary and for a
// range summed on the fly, so that both give the same bits.
[[gnu::noinline]] TBlock Summieren(const TKurve& k, qsizetype a, qsizetype b) {
    const double* xs = k.Werte[0].constData();
    const double* ys = k.Werte[1].constData();
    const TForm f(k);
    TBlock r;
    if (a > 0 && a < b) {
        const double x0 = f.X(xs[a - 1]), y0 = f.Y(ys[a - 1]);
        const double x1 = f.X(xs[a]), y1 = f.Y(ys[a]);
        if (Zaehlt(x0, y0) && Zaehlt(x1, y1)) {
            r.Anschluss = (x1 - x0) * (y1 + y0);
        }
    }
    // Extremes and a probe that turns NaN as soon as one shown value is not finite.
    double min = std::numeric_limits<double>::infinity(), max = -min, probe = 0;
    for (qsizetype j = a; j < b; ++j) {
        const double x = f.X(xs[j]), y = f.Y(ys[j]);
        probe += (x - x) + (y - y);
        min = y < min ? y : min;
        max = y > max ? y : max;
    }
    if (a < b && probe == 0) {
        GlatterLauf(xs, ys, a, b, f, min, max, r);
    } else {
        GeprueferLauf(xs, ys, a, b, f, r);
    }
    return r;
}

} // namespace

TKurvenSummen::TKurvenSummen(const TKurve& k) : FKurve(k) {
    FKurve.Name.clear(); // only the values and the factors are needed
    const qsizetype n = qMin(k.Werte[0].size(), k.Werte[1].size());
    FAufsteigend = n == k.Werte[0].size() && Statistik::XAufsteigend(k);
    if (!FAufsteigend) {
        return;
    }
    FBloecke.reserve((n + kBlock - 1) / kBlock);
    for (qsizetype a = 0; a < n; a += kBlock) {
        FBloecke.append(Summieren(k, a, std::min(n, a + kBlock)));
    }
}

bool TKurvenSummen::Passt(const TKurve& k) const {
    const TKurve& e = FKurve;
    return k.Werte[0].constData() == e.Werte[0].constData() &&
           k.Werte[1].constData() == e.Werte[1].constData() &&
           k.Werte[0].size() == e.Werte[0].size() && k.Werte[1].size() == e.Werte[1].size() &&
           k.Start == e.Start && k.Intervall == e.Intervall && k.YOffset == e.YOffset &&
           k.YFaktor == e.YFaktor;
}

TKurvenStatistik TKurvenSummen::Auswerten(double von, double bis, bool datumZeit) const {
    if (!FAufsteigend) {
        return Statistik::KurveAuswerten(FKurve, von, bis, datumZeit, false);
    }
    const auto [anfang, ende] = Statistik::Punktbereich(FKurve, von, bis);
    return Bereich(FKurve, anfang, ende, datumZeit, &FBloecke);
}

TKurvenStatistik TKurvenSummen::Bereich(const TKurve& k, qsizetype anfang, qsizetype ende,
                                        bool datumZeit, const QVector<TBlock>* bloecke) {
    TKurvenStatistik s;
    if (anfang >= ende) {
        return s;
    }
    // The range is cut at the block limits: a partial head, whole blocks, a partial tail.
    const qsizetype a1 = (anfang + kBlock - 1) / kBlock * kBlock;
    const qsizetype b1 = ende / kBlock * kBlock;
    const qsizetype kopfEnde = std::min(a1, ende);
    const TBlock kopf = anfang < kopfEnde ? Summieren(k, anfang, kopfEnde) : TBlock();
    const TBlock* ganze = nullptr;
    qsizetype anzahlGanze = 0;
    QVector<TBlock> eigene;
    qsizetype schwanzAnfang = kopfEnde;
    if (a1 < b1) {
        anzahlGanze = (b1 - a1) / kBlock;
        if (bloecke) {
            ganze = bloecke->constData() + a1 / kBlock;
        } else {
            eigene.reserve(anzahlGanze);
            for (qsizetype a = a1; a < b1; a += kBlock) {
                eigene.append(Summieren(k, a, a + kBlock));
            }
            ganze = eigene.constData();
        }
        schwanzAnfang = b1;
    }
    const TBlock schwanz = schwanzAnfang < ende ? Summieren(k, schwanzAnfang, ende) : TBlock();
    // Calls f(block, first) for each run in order; the first run's link to the point before
    // it lies outside the range.
    const auto jeder = [&](auto&& f) {
        bool erster = true;
        const auto eins = [&](const TBlock& b) {
            f(b, erster);
            erster = false;
        };
        if (anfang < kopfEnde) {
            eins(kopf);
        }
        for (qsizetype i = 0; i < anzahlGanze; ++i) {
            eins(ganze[i]);
        }
        if (schwanzAnfang < ende) {
            eins(schwanz);
        }
    };

    // Means: the runs' means taken together, as differences to the first run's mean.
    qint64 n = 0;
    double cx = 0, cy = 0;
    TNeumaierSumme sx, sy, flaeche;
    const TBlock* minB = nullptr;
    const TBlock* maxB = nullptr;
    qsizetype erster = -1, letzter = -1;
    jeder([&](const TBlock& b, bool anfangsLauf) {
        if (!anfangsLauf) {
            flaeche.Addieren(b.Anschluss);
        }
        if (b.N == 0) {
            return;
        }
        if (n == 0) {
            cx = b.MittelX;
            cy = b.MittelY;
            erster = b.Erster;
        }
        n += b.N;
        const double gewicht = double(b.N);
        sx.Addieren(gewicht * (b.MittelX - cx));
        sy.Addieren(gewicht * (b.MittelY - cy));
        flaeche.Addieren(b.Flaeche);
        if (!minB || b.Min < minB->Min) {
            minB = &b;
        }
        if (!maxB || b.Max > maxB->Max) {
            maxB = &b;
        }
        letzter = b.Letzter;
    });
    s.Anzahl = n;
    if (n == 0) {
        return s;
    }
    const double nd = double(n);
    const double mx = cx + sx.Wert() / nd;
    const double my = cy + sy.Wert() / nd;
    // Sums of squares: within the runs, and of the runs' means around the common mean
    // (the parallel form of the two-pass sum, as precise as the runs themselves).
    TNeumaierSumme qx, qy, qxy;
    jeder([&](const TBlock& b, bool) {
        if (b.N == 0) {
            return;
        }
        const double gewicht = double(b.N);
        const double e = b.MittelX - mx, d = b.MittelY - my;
        qx.Addieren(b.QX);
        qx.Addieren(gewicht * e * e);
        qy.Addieren(b.QY);
        qy.Addieren(gewicht * d * d);
        qxy.Addieren(b.QXY);
        qxy.Addieren(gewicht * e * d);
    });
    const double syy = std::max(qy.Wert(), 0.0);
    const double sxx = std::max(qx.Wert(), 0.0);
    const double sxy = qxy.Wert();

    const double* xs = k.Werte[0].constData();
    const double* ys = k.Werte[1].constData();
    const TForm f(k);
    s.Minimum = Endlich(minB->Min);
    s.MinimumX = Endlich(f.X(xs[minB->MinIndex]));
    s.Maximum = Endlich(maxB->Max);
    s.MaximumX = Endlich(f.X(xs[maxB->MaxIndex]));
    s.Mittelwert = Endlich(my);
    if (n >= 2) {
        s.Standardabweichung = Endlich(std::sqrt(syy / (nd - 1)));
    }
    // RMS^2 = mean^2 + spread^2: no sum of the squared values themselves, which could
    // overflow or lose the variation.
    s.RMS = Endlich(std::hypot(my, std::sqrt(syy / nd)));
    s.Erster = Endlich(f.Y(ys[erster]));
    s.Letzter = Endlich(f.Y(ys[letzter]));
    if (s.Erster && s.Letzter) {
        s.Differenz = Endlich(*s.Letzter - *s.Erster);
    }
    const double xEinheit = datumZeit ? Statistik::kSekundenProTag : 1.0;
    s.Integral = Endlich(flaeche.Wert() * 0.5 * xEinheit);
    if (n >= 2 && sxx > 0) {
        s.Steigung = Endlich(sxy / sxx / xEinheit);
    }
    return s;
}
