// The graph window's view model and view state, without a window: what is shown, zoom,
// scroll and fitting, the date/time switch with markers, the picture size of an export.
#include "graph/DatumZeitSchalter.h"
#include "graph/GraphBildFormat.h"
#include "graph/TAnsichtZustand.h"
#include "graph/TGraphAnsicht.h"

#include <gtest/gtest.h>

namespace {

TKurve Kurve(const QString& name, bool rechts, QVector<double> x, QVector<double> y) {
    TKurve k;
    k.Name = name;
    k.Sichtbar = true;
    k.AchseRechts = rechts;
    k.Intervall = 1;
    k.YFaktor = 1;
    k.Werte = {x, y};
    return k;
}

TGraphAnsicht Ansicht(const TDiagramm& d) {
    TAnsichtZustand z;
    z.AchsenUebernehmen(d);
    z.KurvenUebernehmen(d);
    z.Einpassen(d);
    return TGraphAnsicht::Berechnen(d, z, {}, QStringLiteral("Marker1"), QStringLiteral("Marker2"));
}

void Grenzen(TAchse& a, double min, double max) {
    a.Minimum = min;
    a.Maximum = max;
}

} // namespace

TEST(GraphAnsicht, RightAxisAndLegendOnlyWhenCurvesUseThem) {
    struct TFall {
        const char* Name;
        QVector<bool> Rechts; // one curve per entry, on the right axis or not
        bool RechtsSichtbar, LegendeSichtbar;
    } const faelle[] = {
        {"no curves", {}, false, false},
        {"left only", {false, false}, false, true},
        {"one on the right", {false, true}, true, true},
    };
    for (const TFall& f : faelle) {
        SCOPED_TRACE(f.Name);
        TDiagramm d;
        d.Legende = true;
        d.AchseRechts.Titel = QStringLiteral("Strom");
        d.AchseRechts.Minimum = 0;
        d.AchseRechts.Maximum = 5;
        for (bool r : f.Rechts) {
            d.Kurven << Kurve(QStringLiteral("K"), r, {0, 1}, {1, 2});
        }
        const TGraphAnsicht a = Ansicht(d);
        EXPECT_EQ(a.Achsen[2].Sichtbar, f.RechtsSichtbar);
        EXPECT_TRUE(a.Achsen[0].Sichtbar);
        EXPECT_EQ(a.LegendeSichtbar, f.LegendeSichtbar);
        EXPECT_EQ(a.Legende.size(), f.Rechts.size());
        // The right axis keeps its title and limits, drawn or not.
        EXPECT_EQ(a.Achsen[2].Beschriftung, QStringLiteral("Strom"));
        EXPECT_EQ(a.Achsen[2].Bereich, (TAnsichtZustand::TBereich{0, 5}));
    }
}

TEST(GraphAnsicht, MarkerColourReadsOnThePlotBackground) {
    struct TFall {
        const char* Name;
        TColor Marker, Hintergrund, Erwartet;
    } const faelle[] = {
        {"red on white stays", Farbe::clRed, Farbe::clWhite, Farbe::clRed},
        {"yellow on white becomes red", Farbe::clYellow, Farbe::clWhite, Farbe::clRed},
        {"white on white becomes red", Farbe::clWhite, Farbe::clWhite, Farbe::clRed},
        {"yellow on black stays", Farbe::clYellow, Farbe::clBlack, Farbe::clYellow},
        {"black on black becomes red", Farbe::clBlack, Farbe::clBlack, Farbe::clRed},
        {"red on red becomes black", Farbe::clRed, Farbe::clRed, Farbe::clBlack},
    };
    for (const TFall& f : faelle) {
        SCOPED_TRACE(f.Name);
        TDiagramm d;
        d.MarkerFarbe = f.Marker;
        d.Hintergrundfarbe = f.Hintergrund;
        EXPECT_EQ(Ansicht(d).MarkerFarbe, f.Erwartet);
        EXPECT_EQ(d.MarkerFarbe, f.Marker) << "the document keeps its own colour";
    }
}

TEST(GraphAnsicht, AxisCaptionCarriesTheUnitSymbolOfTheLastMatch) {
    TEinheitenListe liste(3);
    liste[0].Name = QStringLiteral("Volt"); // entry 0 is never used
    liste[0].Zeichen = QStringLiteral("X");
    liste[1].Name = QStringLiteral("Volt");
    liste[1].Zeichen = QStringLiteral("V");
    liste[2].Name = QStringLiteral("Volt");
    liste[2].Zeichen = QStringLiteral("mV");
    TAchse a;
    a.Titel = QStringLiteral("Spannung");
    a.Einheit = QStringLiteral("Volt");
    EXPECT_EQ(TGraphAnsicht::AchsenBeschriftung(a, liste), QStringLiteral("Spannung / mV"));
    a.Einheit = QStringLiteral("Ampere");
    EXPECT_EQ(TGraphAnsicht::AchsenBeschriftung(a, liste), QStringLiteral("Spannung"));
}

TEST(GraphAnsicht, LegendShrinksThenGoesWhenThePlotIsSmall) {
    using P = TGraphAnsicht::TLegendenPlatz;
    EXPECT_EQ(TGraphAnsicht::LegendenPlatz({900, 500}, {120, 60}, {90, 45}), P::Voll);
    EXPECT_EQ(TGraphAnsicht::LegendenPlatz({300, 100}, {120, 60}, {90, 45}), P::Klein);
    EXPECT_EQ(TGraphAnsicht::LegendenPlatz({200, 80}, {120, 60}, {90, 45}), P::Keiner);
}

TEST(AnsichtZustand, ZoomScrollAndRefreshWorkOnTheViewAlone) {
    TDiagramm d;
    d.Kurven = {Kurve(QStringLiteral("A"), false, {1, 2, 3}, {10, 30, 20})};
    Grenzen(d.AchseUnten, 0, 100);
    d.AchseLinks.MinMaxAutomatik = true;
    TAnsichtZustand z;
    z.AchsenUebernehmen(d);
    z.KurvenUebernehmen(d);
    z.Einpassen(d);
    EXPECT_EQ(z.Bereich[0], (TAnsichtZustand::TBereich{10, 30}));
    EXPECT_EQ(z.Bereich[1], (TAnsichtZustand::TBereich{0, 100}));

    z.Zoomen(110);
    EXPECT_EQ(z.Bereich[1], (TAnsichtZustand::TBereich{10, 90}));
    EXPECT_FALSE(z.Automatik[0]);
    z.Verschieben(1, 5);
    EXPECT_EQ(z.Bereich[1], (TAnsichtZustand::TBereich{15, 95}));

    // The refresh undoes the zoom's flags, fits every axis and keeps the flags.
    z.Einpassen_Alle(d);
    EXPECT_EQ(z.Bereich[1], (TAnsichtZustand::TBereich{1, 3}));
    EXPECT_TRUE(z.Automatik[0]);
    EXPECT_FALSE(z.Automatik[1]);
    z.InsDiagramm(d);
    EXPECT_EQ(d.AchseUnten.Minimum, 1);
    EXPECT_EQ(d.AchseUnten.Maximum, 3);
    EXPECT_TRUE(d.AchseLinks.MinMaxAutomatik);

    // A single value gets a span around it; a hidden curve does not count.
    d.Kurven << Kurve(QStringLiteral("B"), false, {5}, {7});
    d.Kurven[0].Sichtbar = false;
    z.KurvenUebernehmen(d);
    z.Einpassen_Alle(d);
    EXPECT_EQ(z.Bereich[0], (TAnsichtZustand::TBereich{7 - 0.07, 7 + 0.07}));
    EXPECT_FALSE(z.DatenBereich(d, 2).has_value());
}

TEST(DatumZeitSchalter, MarkersMoveWithTheAxisAndComeBack) {
    const double t0 = 45418.25;
    TDiagramm d;
    d.Kurven = {Kurve(QStringLiteral("T"), false, {t0, t0 + 0.5, t0 + 1}, {1, 2, 3})};
    d.XMin = t0;
    d.DatumZeitAchse = true;
    Grenzen(d.AchseUnten, t0, t0 + 1);
    d.Marker1Sichtbar = true;
    d.Marker1X = t0 + 0.5;
    d.Marker1YLinks = 2;
    d.Marker2X = 0; // not set: stays 0
    const TDiagramm vorher = d;
    double intervall = 1;

    DatumZeitSchalter::Umschalten(d, intervall);
    EXPECT_FALSE(d.DatumZeitAchse);
    EXPECT_NEAR(d.Marker1X, 0.5, 1e-9);
    EXPECT_EQ(d.Marker1YLinks, 2);
    EXPECT_EQ(d.Marker2X, 0);
    EXPECT_NEAR(d.AchseUnten.Minimum, 0, 1e-9);

    DatumZeitSchalter::Umschalten(d, intervall);
    EXPECT_TRUE(d.DatumZeitAchse);
    EXPECT_NEAR(d.Marker1X, vorher.Marker1X, 1e-9);
    EXPECT_NEAR(d.Kurven[0].Start, 0, 1e-9);
    EXPECT_NEAR(d.AchseUnten.Maximum, vorher.AchseUnten.Maximum, 1e-9);
}

TEST(GraphBildFormat, SizeTextsAndExtensions) {
    using G = GraphBildFormat::TGroesse;
    struct TFall {
        const char* Text;
        std::optional<G> Erwartet;
    } const faelle[] = {
        {"1200x700", G{QSize(1200, 700), 1}},
        {" 800 X 600 @2x", G{QSize(800, 600), 2}},
        {"800x600 2x", G{QSize(800, 600), 2}},
        {"800x600@1x", G{QSize(800, 600), 1}},
        {"800x600@3x", std::nullopt},
        {"49x600", std::nullopt},
        {"800x10001", std::nullopt},
        {"800", std::nullopt},
        {"", std::nullopt},
        {"-800x600", std::nullopt},
    };
    for (const TFall& f : faelle) {
        SCOPED_TRACE(f.Text);
        EXPECT_EQ(GraphBildFormat::GroesseLesen(QString::fromUtf8(f.Text)), f.Erwartet);
    }
    EXPECT_EQ(GraphBildFormat::GroesseText(G{QSize(640, 480), 2}), QStringLiteral("640x480@2x"));
    EXPECT_EQ(GraphBildFormat::ArtNachEndung(QStringLiteral("a.png")), GraphBildFormat::TArt::Png);
    EXPECT_EQ(GraphBildFormat::ArtNachEndung(QStringLiteral("a.svg")), GraphBildFormat::TArt::Svg);
    EXPECT_EQ(GraphBildFormat::ArtNachEndung(QStringLiteral("a.pdf")), GraphBildFormat::TArt::Pdf);
    EXPECT_EQ(GraphBildFormat::ArtNachEndung(QStringLiteral("a.PNG")),
              GraphBildFormat::TArt::Keine);
}
