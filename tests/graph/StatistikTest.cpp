// The figures between two X: hand-computed tables, shown form, unsorted curves, the
// ill-conditioned case, date/time integrals, values that are not finite, the value at an X
// and the nearest point; random ranges against a plain long-double computation.
#include "graph/Statistik.h"
#include "graph/StatistikTabelle.h"
#include "shell/TSprachTexte.h"
#include "shell/Zahlen.h"

#include <QFile>

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <random>

namespace {

TKurve Kurve(QVector<double> x, QVector<double> y) {
    TKurve k;
    k.Name = QStringLiteral("K");
    k.Sichtbar = true;
    k.Werte = {x, y};
    return k;
}

using O = std::optional<double>;
const O kein = std::nullopt;

struct TErwartet {
    qint64 Anzahl;
    O Minimum, MinimumX, Maximum, MaximumX, Mittelwert, Standardabweichung, RMS, Erster, Letzter,
        Differenz, Integral, Steigung;
};

void Vergleichen(const O& ist, const O& soll, const char* name) {
    SCOPED_TRACE(name);
    ASSERT_EQ(ist.has_value(), soll.has_value());
    if (soll) {
        EXPECT_NEAR(*ist, *soll, 1e-12 * std::max(1.0, std::fabs(*soll)));
    }
}

void Vergleichen(const TKurvenStatistik& s, const TErwartet& e) {
    EXPECT_EQ(s.Anzahl, e.Anzahl);
    Vergleichen(s.Minimum, e.Minimum, "Minimum");
    Vergleichen(s.MinimumX, e.MinimumX, "MinimumX");
    Vergleichen(s.Maximum, e.Maximum, "Maximum");
    Vergleichen(s.MaximumX, e.MaximumX, "MaximumX");
    Vergleichen(s.Mittelwert, e.Mittelwert, "Mittelwert");
    Vergleichen(s.Standardabweichung, e.Standardabweichung, "Standardabweichung");
    Vergleichen(s.RMS, e.RMS, "RMS");
    Vergleichen(s.Erster, e.Erster, "Erster");
    Vergleichen(s.Letzter, e.Letzter, "Letzter");
    Vergleichen(s.Differenz, e.Differenz, "Differenz");
    Vergleichen(s.Integral, e.Integral, "Integral");
    Vergleichen(s.Steigung, e.Steigung, "Steigung");
}

// Every figure either has a finite value or none.
void KeinNaN(const TKurvenStatistik& s) {
    for (const O& w :
         {s.Minimum, s.MinimumX, s.Maximum, s.MaximumX, s.Mittelwert, s.Standardabweichung, s.RMS,
          s.Erster, s.Letzter, s.Differenz, s.Integral, s.Steigung}) {
        if (w) {
            EXPECT_TRUE(std::isfinite(*w));
        }
    }
}

} // namespace

// X 0..4, Y 1 3 2 5 4, worked by hand:
//   all: mean 3, squared deviations 4 0 1 4 1 = 10 -> s = sqrt(10/4), RMS = sqrt(55/5),
//        trapezoids 2 + 2.5 + 3.5 + 4.5 = 12.5, slope 8/10;
//   [0.5, 3.5]: points 1..3 (Y 3 2 5), mean 10/3, s = sqrt((1+16+25)/9/2), RMS sqrt(38/3),
//        integral 2.5 + 3.5, slope ((-1)(-1/3) + 1 * 5/3) / 2 = 1.
TEST(Statistik, HandComputedRanges) {
    const TKurve k = Kurve({0, 1, 2, 3, 4}, {1, 3, 2, 5, 4});
    struct TFall {
        const char* Name;
        double Von, Bis;
        TErwartet E;
    } const faelle[] = {
        {"whole curve",
         0,
         4,
         {5, 1, 0, 5, 3, 3, std::sqrt(2.5), std::sqrt(11.0), 1, 4, 3, 12.5, 0.8}},
        {"markers in reverse order",
         4,
         0,
         {5, 1, 0, 5, 3, 3, std::sqrt(2.5), std::sqrt(11.0), 1, 4, 3, 12.5, 0.8}},
        {"inner range",
         0.5,
         3.5,
         {3, 2, 2, 5, 3, 10.0 / 3, std::sqrt(7.0 / 3), std::sqrt(38.0 / 3), 3, 5, 2, 6, 1}},
        {"one point", 1.5, 2.5, {1, 2, 2, 2, 2, 2, kein, 2, 2, 2, 0, 0, kein}},
        {"both ends on one point", 1, 1, {1, 3, 1, 3, 1, 3, kein, 3, 3, 3, 0, 0, kein}},
        {"empty range",
         10,
         20,
         {0, kein, kein, kein, kein, kein, kein, kein, kein, kein, kein, kein, kein}},
        {"range beyond both ends",
         -100,
         100,
         {5, 1, 0, 5, 3, 3, std::sqrt(2.5), std::sqrt(11.0), 1, 4, 3, 12.5, 0.8}},
    };
    for (const TFall& f : faelle) {
        SCOPED_TRACE(f.Name);
        const TKurvenStatistik s = Statistik::KurveAuswerten(k, f.Von, f.Bis, false);
        Vergleichen(s, f.E);
    }
}

// Start -1, Intervall 2 show X -2 0 2 4 6; YOffset 1, YFaktor 0.5 show Y 1 2 1.5 3 2.5.
// Mean 2, s = sqrt(2.5) / 2, RMS = sqrt(22.5 / 5), integral 2 * 8.25, slope 0.8 * 0.5 / 2.
TEST(Statistik, FiguresAreInTheShownForm) {
    TKurve k = Kurve({0, 1, 2, 3, 4}, {1, 3, 2, 5, 4});
    k.Start = -1;
    k.Intervall = 2;
    k.YOffset = 1;
    k.YFaktor = 0.5;
    Vergleichen(Statistik::KurveAuswerten(k, -2, 6, false),
                {5, 1, -2, 3, 4, 2, std::sqrt(2.5) / 2, std::sqrt(4.5), 1, 2.5, 1.5, 16.5, 0.2});
    // The range is in shown X: stored X 1 and 2 are shown at 0 and 2.
    EXPECT_EQ(Statistik::KurveAuswerten(k, 0, 2, false).Anzahl, 2);
}

// A curve drawn in point order: the points inside the range in that order; the trapezoids
// follow the drawn path and stop where it leaves the range.
TEST(Statistik, UnsortedCurveFollowsThePointOrder) {
    struct TFall {
        const char* Name;
        QVector<double> X, Y;
        double Von, Bis;
        TErwartet E;
    } const faelle[] = {
        // (3,30) (1,10) (2,20): y = 10 x; path integral (1-3)*40/2 + (2-1)*30/2 = -25.
        {"path backwards and forwards",
         {3, 1, 2, 0},
         {30, 10, 20, 0},
         0.5,
         3,
         {3, 10, 1, 30, 3, 20, 10, std::sqrt(1400.0 / 3), 30, 20, -10, -25, 10}},
        // The point at X 5 lies outside and cuts the path: (0,0)-(1,1) and (2,2)-(3,3).
        {"path leaves the range",
         {0, 1, 5, 2, 3},
         {0, 1, 5, 2, 3},
         0,
         3,
         {4, 0, 0, 3, 3, 1.5, std::sqrt(5.0 / 3), std::sqrt(3.5), 0, 3, 3, 3, 1}},
    };
    for (const TFall& f : faelle) {
        SCOPED_TRACE(f.Name);
        const TKurve k = Kurve(f.X, f.Y);
        ASSERT_FALSE(Statistik::XAufsteigend(k));
        Vergleichen(Statistik::KurveAuswerten(k, f.Von, f.Bis, false), f.E);
    }
}

// Ten million values 1e6 + r / 1024, r running through 0..999 ten thousand times each in a
// scrambled order. Every value is exact in a double, so mean and spread are known exactly:
// mean 1e6 + 499.5 / 1024, population variance (1000^2 - 1) / 12 / 1024^2.
TEST(Statistik, TenMillionValuesNearAMillionKeepTheirPrecision) {
    const qsizetype n = 10'000'000;
    QVector<double> x(n), y(n);
    for (qsizetype i = 0; i < n; ++i) {
        x[i] = double(i);
        y[i] = 1e6 + double((i * 7919) % 1000) / 1024;
    }
    const TKurve k = Kurve(x, y);
    const TKurvenStatistik s = Statistik::KurveAuswerten(k, 0, double(n), false);
    const double mittel = 1e6 + 499.5 / 1024;
    const double varianz = (1e6 - 1) / 12 / (1024.0 * 1024.0);
    const double sAbw = std::sqrt(varianz * double(n) / double(n - 1));
    ASSERT_EQ(s.Anzahl, n);
    EXPECT_NEAR(*s.Mittelwert, mittel, 1e-9 * mittel);
    EXPECT_NEAR(*s.Standardabweichung, sAbw, 1e-9 * sAbw);
    EXPECT_NEAR(*s.RMS, std::sqrt(mittel * mittel + varianz), 1e-9 * mittel);
    // The naive one-pass formula loses it: the check is worth making.
    double qSumme = 0, summeD = 0;
    for (qsizetype i = 0; i < n; ++i) {
        summeD += y[i];
        qSumme += y[i] * y[i];
    }
    const double naiv = std::sqrt(std::max(0.0, (qSumme - summeD * summeD / n) / (n - 1)));
    EXPECT_GT(std::fabs(naiv - sAbw), 1e-3 * sAbw) << "naive spread " << naiv;
}

// A first value far from the rest (a spike at the left marker) would make the sums around
// it cancel; the result must still match a two-pass reference in long double.
TEST(Statistik, SpikeAtTheFirstPointKeepsThePrecision) {
    const qsizetype n = 200'000;
    QVector<double> x(n), y(n);
    std::mt19937_64 zufall(17);
    std::uniform_real_distribution<double> streuung(-1e-3, 1e-3);
    for (qsizetype i = 0; i < n; ++i) {
        x[i] = 1000 + double(i) * 0.5;
        y[i] = 1e6 + streuung(zufall);
    }
    y[0] = 5e8; // the spike
    long double m = 0, mx = 0;
    for (qsizetype i = 0; i < n; ++i) {
        m += y[i];
        mx += x[i];
    }
    m /= n;
    mx /= n;
    long double q = 0, qx = 0, qxy = 0;
    for (qsizetype i = 0; i < n; ++i) {
        q += (y[i] - m) * (y[i] - m);
        qx += (x[i] - mx) * (x[i] - mx);
        qxy += (x[i] - mx) * (y[i] - m);
    }
    const double sAbw = double(std::sqrt(q / (n - 1)));
    const TKurvenStatistik s = Statistik::KurveAuswerten(Kurve(x, y), x.first(), x.last(), false);
    EXPECT_NEAR(*s.Mittelwert, double(m), 1e-12 * double(m));
    EXPECT_NEAR(*s.Standardabweichung, sAbw, 1e-9 * sAbw);
    EXPECT_NEAR(*s.Steigung, double(qxy / qx), 1e-9 * std::fabs(double(qxy / qx)));
}

// One hour in seconds on a date/time axis: X are TDateTime days, the integral and slope are
// per second. Y = 2 gives 7200; Y = elapsed seconds gives 3600^2 / 2 and slope 1.
TEST(Statistik, DateTimeAxisIntegratesOverSeconds) {
    const double start = 46000.25; // 2025-12-09 06:00
    QVector<double> x, konstant, sekunden;
    for (int i = 0; i <= 3600; ++i) {
        x << start + i / 86400.0;
        konstant << 2;
        sekunden << i;
    }
    const double von = start, bis = start + 1.0 / 24;
    struct TFall {
        const char* Name;
        QVector<double> Y;
        bool DatumZeit;
        double Integral;
        double Steigung;
    } const faelle[] = {
        {"constant, seconds", konstant, true, 7200, 0},
        {"linear, seconds", sekunden, true, 3600.0 * 3600 / 2, 1},
        {"constant, axis in days", konstant, false, 2.0 / 24, 0},
        {"linear, axis in days", sekunden, false, 3600.0 / 24 / 2, 86400},
    };
    for (const TFall& f : faelle) {
        SCOPED_TRACE(f.Name);
        const TKurvenStatistik s = Statistik::KurveAuswerten(Kurve(x, f.Y), von, bis, f.DatumZeit);
        EXPECT_EQ(s.Anzahl, 3601);
        EXPECT_NEAR(*s.Integral, f.Integral, 1e-6 * f.Integral);
        EXPECT_NEAR(*s.Steigung, f.Steigung, 1e-6 * std::max(1.0, f.Steigung));
    }
}

// Values that are not numbers are left out; sums that overflow give no value, never NaN.
TEST(Statistik, NoFigureIsEverNaN) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    struct TFall {
        const char* Name;
        QVector<double> X, Y;
        qint64 Anzahl;
        O Mittelwert, Integral;
    } const faelle[] = {
        // (0,1) and (2,3) remain; no two neighbours remain, so the integral is 0.
        {"NaN and infinity in Y", {0, 1, 2, 3}, {1, nan, 3, inf}, 2, 2, 0},
        // The NaN X breaks the order: the curve is taken in point order.
        {"NaN in X", {0, nan, 1}, {4, 5, 6}, 2, 5, 0},
        {"sums overflow", {0, 1}, {1e308, 1e308}, 2, 1e308, kein},
        {"only NaN", {nan, nan}, {1, 2}, 0, kein, kein},
    };
    for (const TFall& f : faelle) {
        SCOPED_TRACE(f.Name);
        const TKurvenStatistik s = Statistik::KurveAuswerten(Kurve(f.X, f.Y), -10, 10, false);
        EXPECT_EQ(s.Anzahl, f.Anzahl);
        Vergleichen(s.Mittelwert, f.Mittelwert, "Mittelwert");
        Vergleichen(s.Integral, f.Integral, "Integral");
        KeinNaN(s);
    }
    const TKurvenStatistik s = Statistik::KurveAuswerten(Kurve({0, 1}, {2, 3}), nan, 1, false);
    EXPECT_EQ(s.Anzahl, 0);
    KeinNaN(s);
}

// Random curves and ranges, sorted and unsorted, against a plain computation in long double
// written here without the blocks, shifts and passes of the real one.
TEST(Statistik, RandomRangesMatchAPlainComputation) {
    std::mt19937_64 zufall(4711);
    std::uniform_real_distribution<double> wert(-50, 150);
    for (int runde = 0; runde < 40; ++runde) {
        SCOPED_TRACE(runde);
        const bool sortiert = runde % 2 == 0;
        const int n = 1 + int(zufall() % 3000);
        QVector<double> x(n), y(n);
        for (int i = 0; i < n; ++i) {
            x[i] = sortiert ? i * 0.25 : wert(zufall);
            y[i] = wert(zufall);
        }
        TKurve k = Kurve(x, y);
        k.Start = 3;
        k.Intervall = 1.5;
        k.YOffset = -7;
        k.YFaktor = 2.5;
        const double a = wert(zufall) * 10, b = wert(zufall) * 10;
        const double lo = std::min(a, b), hi = std::max(a, b);
        long double s = 0, sx = 0, flaeche = 0;
        qint64 m = 0;
        bool vorher = false;
        long double vx = 0, vy = 0;
        for (int i = 0; i < n; ++i) {
            const double gx = (k.Start + x[i]) * k.Intervall;
            const double gy = (k.YOffset + y[i]) * k.YFaktor;
            if (gx < lo || gx > hi) {
                vorher = false;
                continue;
            }
            if (vorher) {
                flaeche += (gx - vx) * (gy + vy) / 2;
            }
            vorher = true;
            vx = gx;
            vy = gy;
            s += gy;
            sx += gx;
            ++m;
        }
        const TKurvenStatistik st = Statistik::KurveAuswerten(k, b, a, false);
        ASSERT_EQ(st.Anzahl, m);
        if (m < 2) {
            continue;
        }
        const long double mittel = s / m, mx = sx / m;
        long double q = 0, qx = 0, qxy = 0;
        for (int i = 0; i < n; ++i) {
            const double gx = (k.Start + x[i]) * k.Intervall;
            const double gy = (k.YOffset + y[i]) * k.YFaktor;
            if (gx >= lo && gx <= hi) {
                q += (gy - mittel) * (gy - mittel);
                qx += (gx - mx) * (gx - mx);
                qxy += (gx - mx) * (gy - mittel);
            }
        }
        EXPECT_NEAR(*st.Mittelwert, double(mittel), 1e-11 * 400);
        EXPECT_NEAR(*st.Standardabweichung, double(std::sqrt(q / (m - 1))), 1e-11 * 400);
        EXPECT_NEAR(*st.Integral, double(flaeche), 1e-9 * std::max(1.0L, std::fabs(flaeche)));
        EXPECT_NEAR(*st.Steigung, double(qxy / qx), 1e-9 * std::max(1.0L, std::fabs(qxy / qx)));
    }
}

TEST(Statistik, ValueAtXAndNearestPoint) {
    const TKurve sortiert = Kurve({0, 1, 2, 3, 4}, {1, 3, 2, 5, 4});
    const TKurve ungeordnet = Kurve({3, 1, 2, 0}, {30, 10, 20, 0});
    struct TFall {
        const char* Name;
        const TKurve* K;
        double X;
        O Wert;
        qsizetype Naechster; // index of the nearest point
    } const faelle[] = {
        {"between two points: straight line", &sortiert, 0.5, 2, 0},
        {"on a point", &sortiert, 3, 5, 3},
        {"halfway: the first of equally near", &sortiert, 2.5, 3.5, 2},
        {"near the right neighbour", &sortiert, 2.6, 2 + 0.6 * 3, 3},
        {"before the first point", &sortiert, -1, kein, 0},
        {"beyond the last point", &sortiert, 4.5, kein, 4},
        {"unsorted: the nearest point", &ungeordnet, 1.2, 10, 1},
        {"unsorted: outside the X range", &ungeordnet, 3.5, kein, 0},
    };
    for (const TFall& f : faelle) {
        SCOPED_TRACE(f.Name);
        Vergleichen(Statistik::WertBei(*f.K, f.X), f.Wert, "WertBei");
        const auto p = Statistik::NaechsterPunkt(*f.K, f.X);
        ASSERT_TRUE(p);
        EXPECT_EQ(p->Index, f.Naechster);
        EXPECT_EQ(p->X, f.K->Werte[0][f.Naechster]);
        EXPECT_EQ(p->Y, f.K->Werte[1][f.Naechster]);
    }
    EXPECT_FALSE(Statistik::NaechsterPunkt(Kurve({}, {}), 1));
}

TEST(Statistik, DocumentTakesVisibleCurvesAndTheMarkersWhenBothAreSet) {
    TDiagramm d;
    d.Kurven << Kurve({0, 1, 2}, {1, 2, 3}) << Kurve({0, 1, 2}, {5, 5, 5})
             << Kurve({0, 1, 2}, {7, 8, 9});
    d.Kurven[1].Sichtbar = false;
    d.Kurven[2].Name = QStringLiteral("Rechts");
    d.Kurven[2].AchseRechts = true;
    const QVector<TKurvenStatistik> liste = Statistik::DiagrammAuswerten(d, 0, 1);
    ASSERT_EQ(liste.size(), 2);
    EXPECT_EQ(liste[0].Kurve, 0);
    EXPECT_EQ(liste[1].Kurve, 2);
    EXPECT_EQ(liste[1].Name, QStringLiteral("Rechts"));
    EXPECT_TRUE(liste[1].AchseRechts);
    EXPECT_EQ(*liste[1].Mittelwert, 7.5);

    d.Marker1X = 2;
    d.Marker2X = 1;
    d.Marker1Sichtbar = true;
    Statistik::TBereich b = Statistik::Bereich(d, -5, 5);
    EXPECT_FALSE(b.Marker);
    EXPECT_EQ(b.Von, -5);
    d.Marker2Sichtbar = true;
    b = Statistik::Bereich(d, -5, 5);
    EXPECT_TRUE(b.Marker);
    EXPECT_EQ(b.Von, 2);
    EXPECT_EQ(b.Bis, 1);
}

TEST(StatistikTabelle, RowsAsTabSeparatedText) {
    TKurve k = Kurve({46000, 46000.5}, {1, 3});
    k.Name = QStringLiteral("Temp\tA");
    const TKurvenStatistik s = Statistik::KurveAuswerten(k, 46000, 46000.5, true);
    StatistikTabelle::TFormat f;
    f.EinheitLinks = QStringLiteral("°C");
    f.DatumZeit = true;
    f.DatumZeitMuster = QStringLiteral("dd.mm.yyyy hh:nn");
    f.Cursor = true;
    const QString text = StatistikTabelle::TabText(
        {StatistikTabelle::BereichZeile({46000, 46000.5, true}, f), StatistikTabelle::Kopf(f),
         StatistikTabelle::Zeile(s, f, std::nullopt)});
    const QStringList zeilen = text.split(u'\n');
    ASSERT_EQ(zeilen.size(), 4); // three lines and the empty rest after the last line end
    EXPECT_EQ(zeilen[0], QStringLiteral("Bereich\tMarker\t09.12.2025 00:00\t09.12.2025 12:00"));
    const QStringList kopf = zeilen[1].split(u'\t');
    const QStringList zeile = zeilen[2].split(u'\t');
    ASSERT_EQ(kopf.size(), zeile.size());
    EXPECT_EQ(kopf.indexOf(QStringLiteral("Integral [Einheit·s]")), 13);
    EXPECT_EQ(kopf.indexOf(QStringLiteral("Steigung [Einheit/s]")), 14);
    EXPECT_EQ(zeile[0], QStringLiteral("Temp A"));
    EXPECT_EQ(zeile[1], QStringLiteral("°C"));
    EXPECT_EQ(zeile[2], QStringLiteral("2"));
    EXPECT_EQ(zeile[4], QStringLiteral("09.12.2025 00:00")); // X of the minimum as a date
    EXPECT_EQ(zeile[13], QStringLiteral("86400"));           // (1 + 3) / 2 * 43200 s
    EXPECT_EQ(zeile[15], QString());                         // no cursor value: empty field
}

namespace {

// The language texts of the shipped language file's "English" section.
TSprachTexte Englisch() {
    TSprachTexte t;
    QFile datei(QStringLiteral(ORVAN_SOURCE_DIR "/resources/Sprache.cfg"));
    EXPECT_TRUE(datei.open(QIODevice::ReadOnly));
    bool drin = false;
    for (const QString& zeile : QString::fromUtf8(datei.readAll()).split(u'\n')) {
        if (zeile.startsWith(u'[')) {
            drin = zeile.trimmed() == QStringLiteral("[English]");
        } else if (const qsizetype gleich = zeile.indexOf(u'='); drin && gleich > 0) {
            if (QString* text = t.Suchen(zeile.left(gleich))) {
                *text = zeile.mid(gleich + 1).trimmed();
            }
        }
    }
    return t;
}

} // namespace

// The table's captions: the fixed header that scripts read by default, the user's language
// in the window (full for copy and export, short on screen).
TEST(StatistikTabelle, CaptionsComeFromTheLanguageTexts) {
    StatistikTabelle::TFormat f;
    f.Cursor = true;
    f.XEinheit = QStringLiteral("mm");
    const QString fest =
        QStringLiteral("Kurve\tEinheit\tPunkte\tMinimum\tX Minimum\tMaximum\tX Maximum\t"
                       "Mittelwert\tStandardabweichung\tRMS\tErster\tLetzter\tDifferenz\t"
                       "Integral [Einheit·mm]\tSteigung [Einheit/mm]\tCursor\n");
    EXPECT_EQ(StatistikTabelle::TabText({StatistikTabelle::Kopf(f)}), fest);
    EXPECT_EQ(StatistikTabelle::BereichZeile({1, 2, false}, f)[1],
              QStringLiteral("Sichtbarer Bereich"));

    // The built-in German texts give the same header as the fixed one.
    StatistikTabelle::TFormat deutsch = f;
    deutsch.Texte = StatistikTabelle::Beschriftung(TSprachTexte());
    EXPECT_EQ(StatistikTabelle::TabText({StatistikTabelle::Kopf(deutsch)}), fest);

    const TSprachTexte englisch = Englisch();
    StatistikTabelle::TFormat e = f;
    e.Texte = StatistikTabelle::Beschriftung(englisch);
    const QStringList kopf = StatistikTabelle::Kopf(e);
    ASSERT_EQ(kopf.size(), StatistikTabelle::spAnzahl);
    EXPECT_EQ(kopf[StatistikTabelle::spKurve], QStringLiteral("Curve"));
    EXPECT_EQ(kopf[StatistikTabelle::spMittelwert], QStringLiteral("Mean"));
    EXPECT_EQ(kopf[StatistikTabelle::spStandardabweichung], QStringLiteral("Standard deviation"));
    EXPECT_EQ(kopf[StatistikTabelle::spIntegral], QStringLiteral("Integral [Unit·mm]"));
    EXPECT_EQ(kopf[StatistikTabelle::spSteigung], QStringLiteral("Slope [Unit/mm]"));
    EXPECT_EQ(StatistikTabelle::BereichZeile({1, 2, true}, e).mid(0, 2),
              QStringList({QStringLiteral("Range"), QStringLiteral("Markers")}));
    e.Texte = StatistikTabelle::Beschriftung(englisch, true);
    EXPECT_EQ(StatistikTabelle::Kopf(e)[StatistikTabelle::spStandardabweichung],
              QStringLiteral("Std. dev."));
}

// On screen a row shows four significant digits of its spread, or six of its value when
// all values are equal; copies keep every digit.
TEST(StatistikTabelle, NumbersOnScreenHaveTheDigitsTheValuesCallFor) {
    struct TFall {
        const char* Name;
        QVector<double> Y;
        int Stellen;
        const char* Mittelwert; // on screen
    } const faelle[] = {
        {"values near a million, spread 0.5",
         {1e6 + 0.25, 1e6 - 0.25, 1e6 + 0.125},
         4,
         "1000000.0417"},
        {"temperatures", {21.5, 23.25, 22.0}, 3, "22.250"},
        {"large spread", {-1500, 2500, 1000}, 0, "667"},
        {"all equal", {0.0123456789, 0.0123456789}, 7, "0.0123457"},
        {"all zero", {0, 0}, 0, "0"},
    };
    for (const TFall& f : faelle) {
        SCOPED_TRACE(f.Name);
        QVector<double> x;
        for (qsizetype i = 0; i < f.Y.size(); ++i) {
            x << double(i);
        }
        const TKurvenStatistik s = Statistik::KurveAuswerten(Kurve(x, f.Y), 0, 10, false);
        EXPECT_EQ(StatistikTabelle::AnzeigeStellen(s), f.Stellen);
        StatistikTabelle::TFormat format;
        format.Anzeige = true;
        const QStringList zeile = StatistikTabelle::Zeile(s, format);
        EXPECT_EQ(zeile[StatistikTabelle::spMittelwert], QLatin1String(f.Mittelwert));
        // Without the screen form: every digit.
        EXPECT_EQ(StatistikTabelle::Zeile(s, StatistikTabelle::TFormat())[7],
                  Zahlen::GleitzahlText(*s.Mittelwert));
    }
    EXPECT_EQ(StatistikTabelle::AnzeigeZahl(-0.0001, 2), QStringLiteral("0.00"));
    EXPECT_EQ(StatistikTabelle::AnzeigeZahl(1234567.0, std::nullopt),
              QStringLiteral("1.23457e+06"));
    EXPECT_EQ(StatistikTabelle::AnzeigeZahl(2020, std::nullopt), QStringLiteral("2020"));
}
