// Moving about in a graph: the zoom history, zooming about a point, the wheel step, the place
// the user asks to go to and the X range the data cover.
#include "graph/AnsichtNavigation.h"
#include "graph/TDiagramm.h"
#include "graph/TZoomVerlauf.h"
#include "shell/DatumZeit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace AnsichtNavigation;

namespace {

TAnsichtsStand Stand(double unten) {
    TAnsichtsStand s;
    s.Minimum = {0, unten, 0};
    s.Maximum = {1, unten + 10, 1};
    return s;
}

} // namespace

TEST(ZoomVerlauf, BackAndForthWalkTheRememberedViewsAndANewChangeForgetsTheWayForward) {
    TZoomVerlauf v;
    EXPECT_FALSE(v.KannZurueck());
    EXPECT_FALSE(v.Zurueck(Stand(0)).has_value());
    // Views 0 -> 1 -> 2, now showing 2.
    v.Merken(Stand(0));
    v.Merken(Stand(1));
    ASSERT_TRUE(v.KannZurueck());
    EXPECT_FALSE(v.KannVor());
    EXPECT_EQ(v.Zurueck(Stand(2)), Stand(1));
    EXPECT_EQ(v.Zurueck(Stand(1)), Stand(0));
    EXPECT_FALSE(v.KannZurueck());
    EXPECT_EQ(v.Vor(Stand(0)), Stand(1));
    EXPECT_EQ(v.Vor(Stand(1)), Stand(2));
    EXPECT_FALSE(v.Vor(Stand(2)).has_value());
    // Back once, then a new zoom: the way forward to 2 is gone.
    EXPECT_EQ(v.Zurueck(Stand(2)), Stand(1));
    v.Merken(Stand(1));
    EXPECT_FALSE(v.KannVor());
    EXPECT_EQ(v.Zurueck(Stand(3)), Stand(1));
    // The same view twice in a row is one step.
    v.Leeren();
    v.Merken(Stand(5));
    v.Merken(Stand(5));
    EXPECT_EQ(v.Zurueck(Stand(6)), Stand(5));
    EXPECT_FALSE(v.KannZurueck());
}

TEST(ZoomVerlauf, KeepsTheNewestViewsWhenFull) {
    TZoomVerlauf v;
    for (int i = 0; i < TZoomVerlauf::kTiefe + 5; ++i) {
        v.Merken(Stand(i));
    }
    TAnsichtsStand jetzt = Stand(-1);
    int schritte = 0;
    while (const auto s = v.Zurueck(jetzt)) {
        jetzt = *s;
        ++schritte;
    }
    EXPECT_EQ(schritte, TZoomVerlauf::kTiefe);
    EXPECT_EQ(jetzt, Stand(5)); // the five oldest went first
}

TEST(AnsichtNavigation, ZoomAboutAPointKeepsThePointInPlace) {
    struct TFall {
        const char* Name;
        TBereich Vorher;
        double Punkt, Faktor;
        TBereich Nachher;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const TFall faelle[] = {
        {"in about the middle", {0, 100}, 50, 0.8, {10, 90}},
        {"in about the left end", {0, 100}, 0, 0.5, {0, 50}},
        {"in about a point off centre", {0, 100}, 80, 0.5, {40, 90}},
        {"out about a point", {0, 100}, 25, 1.25, {-6.25, 118.75}},
        {"negative range", {-20, -10}, -12, 0.5, {-16, -11}},
        {"a span that would vanish stays", {1e6, 1e6 + 1e-7}, 1e6, 1e-3, {1e6, 1e6 + 1e-7}},
        {"an infinite result stays", {-1e307, 1e307}, 0, 1e10, {-1e307, 1e307}},
        {"a point that is no number stays", {0, 100}, nan, 0.8, {0, 100}},
    };
    for (const TFall& f : faelle) {
        SCOPED_TRACE(f.Name);
        const TBereich b = UmPunktZoomen(f.Vorher, f.Punkt, f.Faktor);
        EXPECT_NEAR(b.Minimum, f.Nachher.Minimum, 1e-9 * std::fabs(f.Nachher.Minimum) + 1e-12);
        EXPECT_NEAR(b.Maximum, f.Nachher.Maximum, 1e-9 * std::fabs(f.Nachher.Maximum) + 1e-12);
        if (std::isfinite(f.Punkt) && b != f.Vorher) {
            // Same fraction of the axis before and after.
            EXPECT_NEAR((f.Punkt - b.Minimum) / b.Spanne(),
                        (f.Punkt - f.Vorher.Minimum) / f.Vorher.Spanne(), 1e-12);
        }
    }
}

TEST(AnsichtNavigation, WheelNotchesMultiplyAndUndoEachOther) {
    EXPECT_DOUBLE_EQ(RadFaktor(120), 0.8);
    EXPECT_DOUBLE_EQ(RadFaktor(-120), 1.25);
    EXPECT_DOUBLE_EQ(RadFaktor(240), 0.64);
    EXPECT_DOUBLE_EQ(RadFaktor(0), 1.0);
    EXPECT_NEAR(RadFaktor(60) * RadFaktor(60), 0.8, 1e-15); // a fine wheel adds up
    const TBereich b =
        UmPunktZoomen(UmPunktZoomen({0, 100}, 30, RadFaktor(120)), 30, RadFaktor(-120));
    EXPECT_NEAR(b.Minimum, 0, 1e-12);
    EXPECT_NEAR(b.Maximum, 100, 1e-12);
}

TEST(AnsichtNavigation, APlaceIsReadAsDateAndTimeOrAsANumber) {
    const QString muster = QStringLiteral("dd.MM.yyyy HH:mm:ss.zzz");
    const QString datum = QStringLiteral("dd.MM.yyyy");
    const QString zeit = QStringLiteral("HH:mm:ss");
    const double jetzt = *DatumZeit::Kodieren({2026, 12, 10, 12, 0, 0, 0});
    struct TFall {
        const char* Name;
        const char* Text;
        bool DatumZeit;
        std::optional<double> Wert;
    };
    const TFall faelle[] = {
        {"full format", "03.02.2025 10:20:30.500", true,
         DatumZeit::Kodieren({2025, 2, 3, 10, 20, 30, 500})},
        {"without milliseconds", " 03.02.2025 10:20:30 ", true,
         DatumZeit::Kodieren({2025, 2, 3, 10, 20, 30, 0})},
        {"date alone", "03.02.2025", true, DatumZeit::Kodieren({2025, 2, 3, 0, 0, 0, 0})},
        {"impossible date", "31.02.2025 10:00:00", true, std::nullopt},
        {"text on a date axis", "gestern", true, std::nullopt},
        {"empty", "  ", true, std::nullopt},
        {"number on a relative axis", "12.5", false, 12.5},
        {"negative number", "-3", false, -3.0},
        {"date on a relative axis", "03.02.2025", false, std::nullopt},
        {"comma is no decimal separator", "12,5", false, std::nullopt},
    };
    for (const TFall& f : faelle) {
        SCOPED_TRACE(f.Name);
        const auto wert =
            ZeitpunktLesen(QString::fromUtf8(f.Text), f.DatumZeit, muster, datum, zeit, jetzt);
        ASSERT_EQ(wert.has_value(), f.Wert.has_value());
        if (wert) {
            EXPECT_NEAR(*wert, *f.Wert, 1e-9);
        }
    }
}

TEST(AnsichtNavigation, CentringKeepsTheWidthAndTheDataRangeCoversAllCurvesAsShown) {
    EXPECT_EQ(Zentrieren({0, 10}, 100), (TBereich{95, 105}));
    TDiagramm d;
    EXPECT_FALSE(DatenBereichX(d).has_value());
    TKurve a;
    a.Werte = {QVector<double>{0, 1, 2}, QVector<double>{5, 5, 5}};
    a.Start = 10;
    a.Intervall = 2; // shown 20 .. 24
    TKurve b;
    b.Werte = {QVector<double>{std::nan(""), -1, 3}, QVector<double>{1, 2, 3}}; // -1 .. 3
    TKurve leer;
    d.Kurven = {a, leer, b};
    const auto bereich = DatenBereichX(d);
    ASSERT_TRUE(bereich.has_value());
    EXPECT_EQ(*bereich, (TBereich{-1, 24}));
}

TEST(ZoomVerlauf, AChangeThatLeftTheViewAsItWasIsNoStep) {
    TZoomVerlauf v;
    v.Merken(Stand(0));
    v.Merken(Stand(1)); // e.g. a right click without a drag: the view stayed 1
    EXPECT_EQ(v.Zurueck(Stand(1)), Stand(0));
    EXPECT_FALSE(v.KannZurueck());
}
