// A still picture (orvan-cli render) hands the chart only the points its drawing shows; it
// must look exactly like the window's drawing of every point, spikes and gaps included.
#include "graph/TAnsichtZustand.h"
#include "graph/TGraphAnsicht.h"
#include "graph/ui/TGraphAbbildung.h"

#include <qcustomplot.h>

#include <QImage>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

constexpr TColor kLinie = 0x0000C0; // dark red
constexpr qsizetype kDicht = 200'000;

TKurve Linie(qsizetype n, const std::function<double(qsizetype)>& x,
             const std::function<double(qsizetype)>& y) {
    TKurve k;
    k.Name = QStringLiteral("Kanal");
    k.Sichtbar = true;
    k.LinieSichtbar = true;
    k.Linienbreite = 1;
    k.Linienfarbe = kLinie;
    for (qsizetype j = 0; j < n; ++j) {
        k.Werte[0] << x(j);
        k.Werte[1] << y(j);
    }
    return k;
}

// Noise that changes from point to point, so every pixel column holds a range of values.
double Rauschen(qsizetype j) {
    return std::sin(j * 0.001) + ((j * 7919) % 101) * 0.004;
}

TDiagramm Dokument(QVector<TKurve> kurven) {
    TDiagramm d;
    d.Titel = QStringLiteral("Standbild");
    d.Hintergrundfarbe = Farbe::clWhite;
    d.Rahmenfarbe = Farbe::clWhite;
    d.Legende = false;
    for (TAchse* a : {&d.AchseLinks, &d.AchseUnten, &d.AchseRechts}) {
        a->MinMaxAutomatik = true;
        a->GitterAutomatik = true;
        a->Gitterfarbe = Farbe::clSilver;
    }
    d.Kurven = kurven;
    return d;
}

struct TZeichnung {
    QImage Bild;
    qsizetype Punkte = 0; // handed to the chart, over all curves
};

TZeichnung Zeichnen(const TDiagramm& d, TGraphAbbildung::TVerwendung verwendung, QSize groesse,
                    double skala) {
    TAnsichtZustand zustand;
    zustand.AchsenUebernehmen(d);
    zustand.KurvenUebernehmen(d);
    zustand.Einpassen(d);
    QCustomPlot chart;
    chart.resize(groesse);
    TGraphAbbildung abbildung(&chart, verwendung);
    abbildung.Anwenden(
        TGraphAnsicht::Berechnen(d, zustand, {}, QStringLiteral("M1"), QStringLiteral("M2")), d,
        true);
    TZeichnung z;
    z.Bild = abbildung.Bild(groesse, skala);
    for (qsizetype i = 0; i < d.Kurven.size(); ++i) {
        z.Punkte += abbildung.Punktzahl(i);
    }
    return z;
}

// Pixels where the two pictures differ.
int Unterschiede(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) {
        return -1;
    }
    int n = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            n += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
        }
    }
    return n;
}

QRect LinienUmriss(const QImage& bild) {
    QRect r;
    const QRgb linie = QColor(0xC0, 0, 0).rgb();
    for (int y = 0; y < bild.height(); ++y) {
        for (int x = 0; x < bild.width(); ++x) {
            if (bild.pixel(x, y) == linie) {
                r |= QRect(x, y, 1, 1);
            }
        }
    }
    return r;
}

} // namespace

TEST(Standbild, DrawsTheSamePictureAsEveryPointFromFarFewerPoints) {
    struct TFall {
        const char* Name;
        std::function<TDiagramm()> Dokument;
        bool Duenner; // the picture gets far fewer points than the curves hold
    };
    const auto dicht = [] {
        return Linie(
            kDicht, [](qsizetype j) { return j; }, Rauschen);
    };
    const TFall faelle[] = {
        {"dense noise", [&] { return Dokument({dicht()}); }, true},
        {"spike of one sample",
         [] {
             return Dokument({Linie(
                 kDicht, [](qsizetype j) { return j; },
                 [](qsizetype j) { return j == 123'457 ? 40.0 : Rauschen(j); })});
         },
         true},
        {"gap in time bridged by a line",
         [] {
             return Dokument({Linie(
                 kDicht, [](qsizetype j) { return j < kDicht / 2 ? j : j + 3 * kDicht; },
                 Rauschen)});
         },
         true},
        {"values that are not numbers",
         [] {
             return Dokument({Linie(
                 kDicht, [](qsizetype j) { return j; },
                 [](qsizetype j) {
                     return (j > 60'000 && j < 60'100) || j == 150'001 ? qQNaN() : Rauschen(j);
                 })});
         },
         true},
        {"fixed X range inside the data",
         [&] {
             TDiagramm d = Dokument({dicht()});
             d.AchseUnten.MinMaxAutomatik = false;
             d.AchseUnten.Minimum = 50'000.5;
             d.AchseUnten.Maximum = 120'000.25;
             return d;
         },
         true},
        {"fixed X range with far points just outside it",
         [] {
             TKurve k = Linie(
                 kDicht, [](qsizetype j) { return j; }, Rauschen);
             k.Werte[0].prepend(-double(kDicht));
             k.Werte[1].prepend(6);
             k.Werte[0].append(3.0 * kDicht);
             k.Werte[1].append(-6);
             TDiagramm d = Dokument({k});
             d.AchseUnten.MinMaxAutomatik = false;
             d.AchseUnten.Minimum = 0;
             d.AchseUnten.Maximum = kDicht - 1;
             return d;
         },
         true},
        {"offset, falling factor and time scale",
         [&] {
             TKurve k = dicht();
             k.Start = 45'418 * 86'400.0;
             k.Intervall = 1 / 86'400.0;
             k.YOffset = 3;
             k.YFaktor = -2.5;
             TDiagramm d = Dokument({k});
             d.DatumZeitAchse = true;
             return d;
         },
         true},
        {"two curves, one on the right axis, one hidden",
         [&] {
             TKurve rechts = dicht();
             rechts.AchseRechts = true;
             rechts.Linienfarbe = 0x008000;
             TKurve versteckt = dicht();
             versteckt.Sichtbar = false;
             versteckt.Linienfarbe = 0x800080;
             return Dokument({dicht(), rechts, versteckt});
         },
         true},
        {"fewer points than pixels",
         [] {
             return Dokument({Linie(
                 300, [](qsizetype j) { return j * j; }, [](qsizetype j) { return j % 7; })});
         },
         false},
        {"points drawn as symbols",
         [&] {
             TKurve k = Linie(
                 20'000, [](qsizetype j) { return j; }, Rauschen);
             k.PunktSichtbar = true;
             k.Punktstil = 1;
             k.Punktbreite = 3;
             k.Punktfarbe = kLinie;
             return Dokument({k});
         },
         false},
    };
    struct TGroesse {
        QSize Pixel;
        double Skala;
    } const groessen[] = {{{900, 500}, 1.0}, {{640, 360}, 2.0}};
    for (const TFall& f : faelle) {
        const TDiagramm d = f.Dokument();
        qsizetype alle = 0;
        for (const TKurve& k : d.Kurven) {
            alle += k.Punkte();
        }
        for (const TGroesse& g : groessen) {
            SCOPED_TRACE(std::string(f.Name) + (g.Skala > 1 ? " at 2x" : " at 1x"));
            const TZeichnung fenster =
                Zeichnen(d, TGraphAbbildung::TVerwendung::Fenster, g.Pixel, g.Skala);
            const TZeichnung still =
                Zeichnen(d, TGraphAbbildung::TVerwendung::Standbild, g.Pixel, g.Skala);
            ASSERT_EQ(fenster.Punkte, alle);
            EXPECT_EQ(Unterschiede(fenster.Bild, still.Bild), 0);
            if (f.Duenner) {
                EXPECT_LT(still.Punkte, alle / 10);
            } else {
                EXPECT_EQ(still.Punkte, alle);
            }
        }
    }
}

TEST(Standbild, SpikeOfOneSampleIsDrawnAtItsPlace) {
    const qsizetype spitze = 123'457;
    const TDiagramm d = Dokument({Linie(
        kDicht, [](qsizetype j) { return j; },
        [&](qsizetype j) { return j == spitze ? 40.0 : Rauschen(j); })});
    const TZeichnung still =
        Zeichnen(d, TGraphAbbildung::TVerwendung::Standbild, QSize(900, 500), 1.0);
    ASSERT_LT(still.Punkte, kDicht / 10);
    const QRect umriss = LinienUmriss(still.Bild);
    ASSERT_FALSE(umriss.isEmpty());
    // The noise stays within 1.4 of 41 units: the top tenth of the line's height is the spike
    // alone, a column or two wide, at its place along the curve.
    const QRect oben(umriss.left(), umriss.top(), umriss.width(), umriss.height() / 10);
    const QRect spitzenPixel = LinienUmriss(still.Bild.copy(oben));
    ASSERT_FALSE(spitzenPixel.isEmpty());
    EXPECT_LE(spitzenPixel.width(), 3);
    const double anteil = (spitzenPixel.center().x()) / double(umriss.width() - 1);
    EXPECT_NEAR(anteil, double(spitze) / (kDicht - 1), 0.01);
}
