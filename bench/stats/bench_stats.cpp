// The statistics table of four curves of ten million points each between two markers.
// The anchor is a bare loop that only adds up the same values in the same range (the least
// a statistics without kept sums must do: read every value once).
// Timed: building the block summaries of the four curves (once per change of a curve), the
// table from the summaries between the two markers and after a marker moved (what the
// graph window does), and the same table summed without summaries (what `orvan-cli stats`
// does for its one table). A curve with unsorted X (drawn in point order) is timed as
// well: it has no blocks and every point is tested.
// Prints each time in milliseconds and its ratio to the anchor measured in the same run.
#include "common/BenchKurven.h"
#include "graph/Statistik.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>

namespace {

using BenchKurven::Bestzeit;

// One second per point on a date/time axis, values near a million with a small variation.
TKurve Kurve(qsizetype n, int nummer) {
    TKurve k;
    k.Name = QStringLiteral("Kanal %1").arg(nummer);
    k.Sichtbar = true;
    k.Werte[0].resize(n);
    k.Werte[1].resize(n);
    for (qsizetype j = 0; j < n; ++j) {
        k.Werte[0][j] = 45418.0 + double(j) / 86400.0;
        k.Werte[1][j] =
            1e6 + nummer + 0.25 * std::sin(double(j) / 5000.0) + 0.01 * std::sin(double(j) / 37.0);
    }
    return k;
}

// The anchor: the shown values of the same points added up, nothing else.
double Summe(const TDiagramm& d, double von, double bis) {
    double gesamt = 0;
    for (const TKurve& k : d.Kurven) {
        const double* xs = k.Werte[0].constData();
        const auto anfang = std::lower_bound(xs, xs + k.Punkte(), von) - xs;
        const auto ende = std::upper_bound(xs, xs + k.Punkte(), bis) - xs;
        const double* ys = k.Werte[1].constData();
        double s = 0;
        for (qsizetype j = anfang; j < ende; ++j) {
            s += (k.YOffset + ys[j]) * k.YFaktor;
        }
        gesamt += s;
    }
    return gesamt;
}

volatile double senke = 0;

} // namespace

int main() {
    const qsizetype n = 10'000'000;
    TDiagramm d;
    d.DatumZeitAchse = true;
    for (int i = 0; i < 4; ++i) {
        d.Kurven << Kurve(n, i);
    }
    const double x0 = d.Kurven[0].Werte[0].first();
    const double x1 = d.Kurven[0].Werte[0].last();
    // Markers at 5 % and 95 % of the data: nine million points per curve between them.
    const double von = x0 + 0.05 * (x1 - x0);
    const double bis = x0 + 0.95 * (x1 - x0);
    long long punkte = 0;
    for (const TKurvenStatistik& s : Statistik::DiagrammAuswerten(d, von, bis)) {
        punkte += s.Anzahl;
    }

    const double anker = Bestzeit(7, [&] { senke = Summe(d, von, bis); });
    QVector<TKurvenSummen> summen;
    const double aufbau = Bestzeit(3, [&] {
        summen.clear();
        senke = double(Statistik::SummenNachfuehren(d, summen));
    });
    const double abfrage = Bestzeit(
        21, [&] { senke = *Statistik::DiagrammAuswerten(d, von, bis, summen).first().Mittelwert; });
    int schritt = 0;
    const double verschoben = Bestzeit(21, [&] {
        const double dx = ++schritt * 60.0 / 86400.0; // the marker moved by a minute
        senke = *Statistik::DiagrammAuswerten(d, von + dx, bis, summen).first().Mittelwert;
    });
    const double ohne =
        Bestzeit(5, [&] { senke = *Statistik::DiagrammAuswerten(d, von, bis).first().Mittelwert; });
    // The same figures either way.
    const auto a = Statistik::DiagrammAuswerten(d, von, bis, summen);
    const auto b = Statistik::DiagrammAuswerten(d, von, bis);
    bool gleich = a.size() == b.size();
    for (qsizetype i = 0; gleich && i < a.size(); ++i) {
        gleich = a[i].Mittelwert == b[i].Mittelwert &&
                 a[i].Standardabweichung == b[i].Standardabweichung &&
                 a[i].Integral == b[i].Integral && a[i].Steigung == b[i].Steigung &&
                 a[i].Minimum == b[i].Minimum && a[i].MaximumX == b[i].MaximumX;
    }

    // One curve in point order: swap two points so that the X are no longer sorted.
    TDiagramm ungeordnet;
    ungeordnet.Kurven << d.Kurven[0];
    std::swap(ungeordnet.Kurven[0].Werte[0][0], ungeordnet.Kurven[0].Werte[0][1]);
    TDiagramm einer;
    einer.Kurven << d.Kurven[0];
    const double ankerEiner = Bestzeit(7, [&] { senke = Summe(einer, von, bis); });
    const double sortiert = Bestzeit(
        7, [&] { senke = *Statistik::DiagrammAuswerten(einer, von, bis).first().Mittelwert; });
    const double unsortiert = Bestzeit(
        7, [&] { senke = *Statistik::DiagrammAuswerten(ungeordnet, von, bis).first().Mittelwert; });

    const double ordnung = Bestzeit(7, [&] {
        for (const TKurve& k : d.Kurven) {
            senke = Statistik::XAufsteigend(k);
        }
    });
    std::printf("order check alone, 4 curves:                %8.2f ms  ratio %.2f\n", ordnung,
                ordnung / anker);
    std::printf("points between the markers: %lld (4 curves)\n", punkte);
    std::printf("anchor, bare sum of the same values:        %8.2f ms\n", anker);
    std::printf("building the summaries, 4 curves:           %8.2f ms  ratio %.2f\n", aufbau,
                aufbau / anker);
    std::printf(
        "table from the summaries, 4 curves:         %8.3f ms  ratio %.4f  (goal < 50 ms)\n",
        abfrage, abfrage / anker);
    std::printf("table after one marker moved:               %8.3f ms  ratio %.4f  (goal < 5 ms)\n",
                verschoben, verschoben / anker);
    std::printf("table without summaries (one pass):         %8.2f ms  ratio %.2f\n", ohne,
                ohne / anker);
    std::printf("same figures with and without summaries:    %s\n", gleich ? "yes" : "NO");
    std::printf("anchor, one curve:                          %8.2f ms\n", ankerEiner);
    std::printf("one curve with sorted X:                    %8.2f ms  ratio %.2f\n", sortiert,
                sortiert / ankerEiner);
    std::printf("one curve with unsorted X:                  %8.2f ms  ratio %.2f\n", unsortiert,
                unsortiert / ankerEiner);
    return gleich ? 0 : 1;
}
