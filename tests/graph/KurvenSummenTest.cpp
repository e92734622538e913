// Block summaries of a curve: a range taken from the summary gives the very figures of
// Statistik::KurveAuswerten (same bits), and agrees with the point-by-point evaluation in
// point order; a summary notices when its curve changed.
#include "graph/Statistik.h"
#include "graph/TKurvenSummen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace {

constexpr qsizetype B = TKurvenSummen::kBlock;
const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

// X 0, 1, 2, ... shown through Start/Intervall; Y random around a large value; `luecken`:
// indexes whose Y is NaN or infinite.
TKurve Kurve(qsizetype n, const QVector<qsizetype>& luecken = {}, unsigned saat = 1) {
    TKurve k;
    k.Name = QStringLiteral("K");
    k.Sichtbar = true;
    k.Werte[0].resize(n);
    k.Werte[1].resize(n);
    std::mt19937_64 zufall(saat);
    std::uniform_real_distribution<double> wert(-3, 3);
    for (qsizetype i = 0; i < n; ++i) {
        k.Werte[0][i] = double(i);
        k.Werte[1][i] = 1e5 + wert(zufall);
    }
    for (qsizetype i : luecken) {
        k.Werte[1][i] = i % 2 ? kNaN : -kInf;
    }
    k.Start = 10;
    k.Intervall = 0.5;
    k.YOffset = -1e5;
    k.YFaktor = 2;
    return k;
}

// Shown X of point i of the curves above.
double X(qsizetype i) {
    return (10 + double(i)) * 0.5;
}

void Gleich(const TKurvenStatistik& ist, const TKurvenStatistik& soll) {
    EXPECT_EQ(ist.Anzahl, soll.Anzahl);
    EXPECT_EQ(ist.Minimum, soll.Minimum);
    EXPECT_EQ(ist.MinimumX, soll.MinimumX);
    EXPECT_EQ(ist.Maximum, soll.Maximum);
    EXPECT_EQ(ist.MaximumX, soll.MaximumX);
    EXPECT_EQ(ist.Mittelwert, soll.Mittelwert);
    EXPECT_EQ(ist.Standardabweichung, soll.Standardabweichung);
    EXPECT_EQ(ist.RMS, soll.RMS);
    EXPECT_EQ(ist.Erster, soll.Erster);
    EXPECT_EQ(ist.Letzter, soll.Letzter);
    EXPECT_EQ(ist.Differenz, soll.Differenz);
    EXPECT_EQ(ist.Integral, soll.Integral);
    EXPECT_EQ(ist.Steigung, soll.Steigung);
}

void Nahe(const std::optional<double>& ist, const std::optional<double>& soll, const char* name) {
    SCOPED_TRACE(name);
    ASSERT_EQ(ist.has_value(), soll.has_value());
    if (soll) {
        EXPECT_NEAR(*ist, *soll, 1e-11 * std::max(1.0, std::fabs(*soll)));
    }
}

// Against the evaluation in point order, a different way of summing: counts, extremes and
// end points exact, sums to rounding.
void WiePunktweise(const TKurvenStatistik& ist, const TKurvenStatistik& soll) {
    EXPECT_EQ(ist.Anzahl, soll.Anzahl);
    EXPECT_EQ(ist.Minimum, soll.Minimum);
    EXPECT_EQ(ist.MinimumX, soll.MinimumX);
    EXPECT_EQ(ist.Maximum, soll.Maximum);
    EXPECT_EQ(ist.MaximumX, soll.MaximumX);
    EXPECT_EQ(ist.Erster, soll.Erster);
    EXPECT_EQ(ist.Letzter, soll.Letzter);
    Nahe(ist.Mittelwert, soll.Mittelwert, "Mittelwert");
    Nahe(ist.Standardabweichung, soll.Standardabweichung, "Standardabweichung");
    Nahe(ist.RMS, soll.RMS, "RMS");
    Nahe(ist.Differenz, soll.Differenz, "Differenz");
    Nahe(ist.Integral, soll.Integral, "Integral");
    Nahe(ist.Steigung, soll.Steigung, "Steigung");
}

} // namespace

TEST(KurvenSummen, RangesGiveTheFiguresOfTheFullEvaluation) {
    const qsizetype n = 5 * B + 300;
    // Gaps at and around block limits, a whole block without a value and one inside.
    QVector<qsizetype> luecken{0, B - 1, B, 2 * B + 17, 4 * B - 1};
    for (qsizetype i = 3 * B; i < 4 * B; ++i) {
        luecken << i;
    }
    const TKurve mitLuecken = Kurve(n, luecken);
    const TKurve glatt = Kurve(n, {}, 2);
    TKurve einer = Kurve(1);
    TKurve datum = Kurve(3 * B + 5, {B + 3}, 3);
    datum.Start = 46000 * 86400.0; // seconds, shown as TDateTime days
    datum.Intervall = 1 / 86400.0;
    struct TFall {
        const char* Name;
        const TKurve* K;
        double Von, Bis;
        bool DatumZeit;
    } const faelle[] = {
        {"whole curve", &glatt, -kInf, kInf, false},
        {"whole curve with gaps", &mitLuecken, X(0), X(n - 1), false},
        {"markers in reverse order", &mitLuecken, X(n - 10), X(5), false},
        {"inside one block", &glatt, X(B + 5), X(B + 900), false},
        {"across one block limit", &mitLuecken, X(B - 3), X(B + 3), false},
        {"exactly on block limits", &glatt, X(B), X(3 * B - 1), false},
        {"from a block limit into the next", &glatt, X(2 * B), X(2 * B), false},
        {"ends in the block without values", &mitLuecken, X(B + 7), X(3 * B + 500), false},
        {"only the block without values", &mitLuecken, X(3 * B), X(4 * B - 1), false},
        {"starts after the block without values", &mitLuecken, X(4 * B - 1), X(n), false},
        {"between two points", &glatt, X(7) + 0.1, X(8) - 0.1, false},
        {"beyond the last point", &glatt, X(n) + 1, X(n) + 2, false},
        {"one point", &einer, -kInf, kInf, false},
        {"NaN marker", &glatt, kNaN, X(9), false},
        {"date/time, seconds", &datum, 46000 + 10 / 86400.0, 46000 + 3000 / 86400.0, true},
    };
    for (const TFall& f : faelle) {
        SCOPED_TRACE(f.Name);
        const TKurvenSummen summen(*f.K);
        ASSERT_TRUE(summen.Aufsteigend());
        ASSERT_EQ(summen.Bloecke(), (f.K->Punkte() + B - 1) / B);
        const TKurvenStatistik voll = Statistik::KurveAuswerten(*f.K, f.Von, f.Bis, f.DatumZeit);
        Gleich(summen.Auswerten(f.Von, f.Bis, f.DatumZeit), voll);
        WiePunktweise(voll, Statistik::KurveAuswerten(*f.K, f.Von, f.Bis, f.DatumZeit, false));
    }
}

// Counts and figures that are known without a computer.
TEST(KurvenSummen, EdgeRangesHaveTheirKnownFigures) {
    const qsizetype n = 3 * B;
    const TKurve k = Kurve(n, {B + 1});
    const TKurvenSummen summen(k);
    EXPECT_EQ(summen.Auswerten(X(0), X(n - 1), false).Anzahl, n - 1);
    const TKurvenStatistik leer = summen.Auswerten(X(n) + 1, X(n) + 5, false);
    EXPECT_EQ(leer.Anzahl, 0);
    EXPECT_FALSE(leer.Mittelwert || leer.Minimum || leer.Integral || leer.Erster);
    // One point: no spread nor slope, an integral of 0.
    const TKurvenStatistik eins = summen.Auswerten(X(B + 5), X(B + 5), false);
    EXPECT_EQ(eins.Anzahl, 1);
    EXPECT_EQ(eins.Mittelwert, eins.Erster);
    EXPECT_FALSE(eins.Standardabweichung || eins.Steigung);
    EXPECT_EQ(eins.Integral, 0.0);
    // The NaN point cuts the path: the two segments beside it are left out.
    const TKurvenStatistik luecke = summen.Auswerten(X(B), X(B + 2), false);
    EXPECT_EQ(luecke.Anzahl, 2);
    EXPECT_EQ(luecke.Integral, 0.0);
}

// One hour of seconds with Y = elapsed seconds on a date/time axis: integral 3600^2 / 2
// per second and slope 1 (to the rounding of X held in days), whether the range lies in one block or spans several.
TEST(KurvenSummen, DateTimeIntegralInSeconds) {
    TKurve k;
    k.Sichtbar = true;
    for (int i = 0; i <= 3600; ++i) {
        k.Werte[0] << 46000.25 + i / 86400.0;
        k.Werte[1] << i;
    }
    const TKurvenSummen summen(k);
    ASSERT_EQ(summen.Bloecke(), 4);
    const TKurvenStatistik s = summen.Auswerten(46000.25 + 1.0 / 24, 46000.25, true);
    EXPECT_EQ(s.Anzahl, 3601);
    EXPECT_NEAR(*s.Integral, 3600.0 * 3600 / 2, 1e-6 * 3600 * 3600 / 2);
    EXPECT_NEAR(*s.Steigung, 1, 1e-9);
    const TKurvenStatistik teil = summen.Auswerten(46000.25, 46000.25 + 100 / 86400.0, true);
    EXPECT_EQ(teil.Anzahl, 101);
    EXPECT_NEAR(*teil.Integral, 100.0 * 100 / 2, 1e-6 * 100 * 100 / 2);
}

// An unsorted curve has no blocks and is taken point by point, with the same figures.
TEST(KurvenSummen, UnsortedCurveIsSummedInPointOrder) {
    TKurve k = Kurve(2 * B + 3);
    std::swap(k.Werte[0][5], k.Werte[0][B + 9]);
    const TKurvenSummen summen(k);
    EXPECT_FALSE(summen.Aufsteigend());
    EXPECT_EQ(summen.Bloecke(), 0);
    Gleich(summen.Auswerten(X(3), X(2 * B), false),
           Statistik::KurveAuswerten(k, X(3), X(2 * B), false));
}

// A summary belongs to the values and factors it was built from; the document's summaries
// are built again only for the curves that changed.
TEST(KurvenSummen, ChangedCurvesAreSummedAgain) {
    TDiagramm d;
    d.Kurven << Kurve(B + 10, {}, 1) << Kurve(B + 10, {}, 2) << Kurve(B + 10, {}, 3);
    d.Kurven[2].Sichtbar = false;
    QVector<TKurvenSummen> summen;
    EXPECT_EQ(Statistik::SummenNachfuehren(d, summen), 2);
    EXPECT_EQ(Statistik::SummenNachfuehren(d, summen), 0);
    EXPECT_TRUE(summen[0].Passt(d.Kurven[0]));
    EXPECT_FALSE(summen[2].Passt(d.Kurven[2]));

    d.Kurven[0].Werte[1][B + 2] = 1e6; // a changed value
    d.Kurven[1].YFaktor = 3;           // a changed factor
    EXPECT_FALSE(summen[0].Passt(d.Kurven[0]));
    EXPECT_FALSE(summen[1].Passt(d.Kurven[1]));
    // Stale summaries are not used: the figures are those of the changed curves.
    const auto vorher = Statistik::DiagrammAuswerten(d, -kInf, kInf, summen);
    ASSERT_EQ(vorher.size(), 2);
    EXPECT_EQ(vorher[0].Maximum, (1e6 - 1e5) * 2);
    EXPECT_EQ(Statistik::SummenNachfuehren(d, summen), 2);
    const auto nachher = Statistik::DiagrammAuswerten(d, -kInf, kInf, summen);
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        Gleich(nachher[i], vorher[i]);
        EXPECT_EQ(nachher[i].Name, d.Kurven[i].Name);
        EXPECT_EQ(nachher[i].Kurve, i);
    }
}

// Infinite shown X at the ends of a rising curve do not count, like any non-finite value.
TEST(KurvenSummen, InfiniteXAtTheEndsAreLeftOut) {
    TKurve k = Kurve(B + 4);
    k.Werte[0].first() = -kInf;
    k.Werte[0].last() = kInf;
    const TKurvenSummen summen(k);
    ASSERT_TRUE(summen.Aufsteigend());
    const TKurvenStatistik s = summen.Auswerten(-kInf, kInf, false);
    EXPECT_EQ(s.Anzahl, B + 2);
    ASSERT_TRUE(s.Integral);
    ASSERT_TRUE(s.Steigung);
    Gleich(s, Statistik::KurveAuswerten(k, -kInf, kInf, false));
}
