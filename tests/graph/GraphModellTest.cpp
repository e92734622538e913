#include "graph/Kurvenwerte.h"
#include "graph/TDiagramm.h"

#include <gtest/gtest.h>

namespace {

TKurve Kurve(double start, double intervall, double yOffset, double yFaktor) {
    TKurve k;
    k.Start = start;
    k.Intervall = intervall;
    k.YOffset = yOffset;
    k.YFaktor = yFaktor;
    return k;
}

struct TAnzeigeFall {
    double Start, Intervall, YOffset, YFaktor;
    double X, Y;
    double GezeigtX, GezeigtY;
};

TEST(Kurvenwerte, ShownValuesAddTheOffsetFirstThenScale) {
    const TAnzeigeFall faelle[] = {
        {0, 1, 0, 1, 7.5, -3, 7.5, -3}, // neutral factors show the curve's own values
        {-4, 0.5, 0, 1, 10, 0, 3, 0},   // (-4 + 10) * 0.5
        {10, 2, 0, 1, 1, 0, 22, 0},     // not 12: offset before scale
        {0, 1, 5, -2, 0, 1, 0, -12},    // (5 + 1) * -2
    };
    for (const auto& f : faelle) {
        const TKurve k = Kurve(f.Start, f.Intervall, f.YOffset, f.YFaktor);
        EXPECT_DOUBLE_EQ(Kurvenwerte::GezeigtX(k, f.X), f.GezeigtX)
            << f.Start << " " << f.Intervall;
        EXPECT_DOUBLE_EQ(Kurvenwerte::GezeigtY(k, f.Y), f.GezeigtY)
            << f.YOffset << " " << f.YFaktor;
    }
}

TEST(Kurvenwerte, WayBackInvertsTheShownValues) {
    TKurve k = Kurve(10, 2, -1, 4);
    k.Werte = {QVector<double>{1, 2, 3}, QVector<double>{5, 6, 7}};
    QVector<double> x, y;
    for (int j = 0; j < 3; ++j) {
        x << Kurvenwerte::GezeigtX(k, k.Werte[0][j]);
        y << Kurvenwerte::GezeigtY(k, k.Werte[1][j]);
    }
    const auto vorher = k.Werte;
    k.Werte = {};
    Kurvenwerte::GezeigteWerteUebernehmen(k, x, y);
    EXPECT_EQ(k.Werte, vorher);
}

TEST(Kurvenwerte, ZeroFactorOnTheWayBackKeepsTheStoredValues) {
    // Every shown value of a zero factor is 0; dividing would give infinities.
    TKurve k = Kurve(0, 0, 0, 0);
    k.Werte = {QVector<double>{1, 2}, QVector<double>{3, 4}};
    Kurvenwerte::GezeigteWerteUebernehmen(k, {0, 0}, {0, 0});
    EXPECT_EQ(k.Werte[0], (QVector<double>{1, 2}));
    EXPECT_EQ(k.Werte[1], (QVector<double>{3, 4}));

    // Only the zero row is kept; the other one is converted back.
    TKurve m = Kurve(1, 2, 0, 0);
    m.Werte = {QVector<double>{1, 2}, QVector<double>{3, 4}};
    Kurvenwerte::GezeigteWerteUebernehmen(m, {10, 20}, {0, 0});
    EXPECT_EQ(m.Werte[0], (QVector<double>{4, 9}));
    EXPECT_EQ(m.Werte[1], (QVector<double>{3, 4}));
}

TEST(DiagrammKopieren, CopiesDeeplyAndKeepsTheTargetsXMin) {
    TDiagramm quelle;
    quelle.Titel = QStringLiteral("Quelle");
    quelle.XMin = 5;
    quelle.Marker2YRechts = 8;
    quelle.MarkerStil = 3;
    quelle.DatumZeitAchse = true;
    quelle.AchseRechts.Einheit = QStringLiteral("°C");
    TKurve k;
    k.Name = QStringLiteral("A");
    k.Anzahl = 4;
    k.Reserve1 = 1;
    k.Reserve2 = 2;
    k.Reserve3 = 3;
    k.Werte = {QVector<double>{1, 2}, QVector<double>{10, 20}};
    quelle.Kurven = {k, TKurve{}};

    TDiagramm ziel;
    ziel.XMin = -7;
    ziel.Kurven.resize(5);
    DiagrammKopieren(quelle, ziel);

    EXPECT_EQ(ziel.XMin, -7);
    TDiagramm erwartet = quelle;
    erwartet.XMin = -7;
    EXPECT_EQ(ziel, erwartet);

    ziel.Kurven[0].Werte[1][0] = 99;
    ziel.Kurven[0].Name = QStringLiteral("B");
    EXPECT_EQ(quelle.Kurven[0].Werte[1][0], 10);
    EXPECT_EQ(quelle.Kurven[0].Name, QStringLiteral("A"));
}

TEST(DiagrammKopieren, CopiedCurveHasRowsOfRowZerosLength) {
    TDiagramm quelle;
    TKurve k;
    k.Werte = {QVector<double>{1, 2, 3}, QVector<double>{10}};
    quelle.Kurven = {k};
    TDiagramm ziel;
    DiagrammKopieren(quelle, ziel);
    EXPECT_EQ(ziel.Kurven[0].Werte[0].size(), 3);
    EXPECT_EQ(ziel.Kurven[0].Werte[1], (QVector<double>{10, 0, 0}));
}

} // namespace
