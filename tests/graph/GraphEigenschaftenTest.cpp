// The rules of the graph properties dialog without a window: the up/down steps, the unit
// switch of an axis and the value grid's model.
#include "graph/GraphEigenschaften.h"
#include "graph/TWerteModell.h"
#include "shell/Einheiten.h"

#include <gtest/gtest.h>

namespace {

using namespace GraphEigenschaften;

TEST(GraphEigenschaften, StepsRoundHalvesToEvenAndStopOnlyAtTheLimit) {
    struct TFall {
        const char* Name;
        double Wert;
        bool Hoch;
        double Oben, Unten, Raster;
        std::optional<double> Ergebnis;
    } const faelle[] = {
        {"minimum 4.5 up below maximum 10 gives 6", 4.5, true, 10, -65535, 1, 6.0},
        {"minimum 10 up with maximum 10 does nothing", 10, true, 10, -65535, 1, std::nullopt},
        {"3.5 down gives 2.5, which rounds to even 2", 3.5, false, 10, -65535, 1, 2.0},
        {"point size 9.5 still goes up to 10.5", 9.5, true, 10, 1, 0.001, 10.5},
        {"point size 1 does not go down", 1, false, 10, 1, 0.001, std::nullopt},
        {"interval 0.00001 does not go down", 0.00001, false, 65535, 0.00001, 0.001, std::nullopt},
        {"interval 1.0005 down rounds to three decimals", 1.0005, false, 65535, 0.00001, 0.001,
         0.0},
        {"factor 2.0015 up keeps three decimals", 2.0015, true, 65535, -65535, 0.001, 3.002},
    };
    for (const TFall& f : faelle) {
        SCOPED_TRACE(f.Name);
        const std::optional<double> ergebnis = Schritt(f.Wert, f.Hoch, f.Oben, f.Unten, f.Raster);
        ASSERT_EQ(ergebnis.has_value(), f.Ergebnis.has_value());
        if (ergebnis) {
            EXPECT_NEAR(*ergebnis, *f.Ergebnis, 1e-12);
        }
    }
}

TEinheitenListe Einheiten() {
    return {NeutraleEinheit(),
            {QStringLiteral("Sekunde"), QStringLiteral("s"), 1, 0, QStringLiteral("Sekunde")},
            {QStringLiteral("ms"), QStringLiteral("ms"), 0.001, 0, QStringLiteral("Sekunde")},
            {QStringLiteral("V"), QStringLiteral("V"), 1, 0, QStringLiteral("Volt")},
            {QStringLiteral("mV"), QStringLiteral("mV"), 0.001, 0, QStringLiteral("Volt")}};
}

TDiagramm ZweiKurven() {
    TDiagramm d;
    d.AchseUnten = {QStringLiteral("Zeit"),   0, 10, false, 1, 10, 2, false, 0,
                    QStringLiteral("Sekunde")};
    d.AchseLinks = {QStringLiteral("U"), -1, 2, false, 1, 4, 2, false, 0, QStringLiteral("V")};
    d.AchseRechts = {QStringLiteral("R"), 0, 100, false, 10, 10, 2, false, 0, QString()};
    TKurve links;
    links.Intervall = 1;
    links.YFaktor = 1;
    TKurve rechts = links;
    rechts.AchseRechts = true;
    rechts.Intervall = 0.5;
    rechts.YFaktor = 2;
    d.Kurven = {links, rechts};
    return d;
}

TEST(GraphEigenschaften, UnitSwitchScalesTheAxisAndEveryCurveOrIsRefused) {
    const TEinheitenListe liste = Einheiten();
    {
        SCOPED_TRACE("Sekunde to ms on the bottom axis multiplies every Intervall by 1000");
        TDiagramm d = ZweiKurven();
        const TEinheitWechsel w = EinheitWechseln(d, 1, liste, 2);
        EXPECT_TRUE(w.Erlaubt);
        EXPECT_DOUBLE_EQ(d.Kurven[0].Intervall, 1000);
        EXPECT_DOUBLE_EQ(d.Kurven[1].Intervall, 500);
        EXPECT_DOUBLE_EQ(d.AchseUnten.Minimum, 0);
        EXPECT_DOUBLE_EQ(d.AchseUnten.Maximum, 10000);
        EXPECT_EQ(d.AchseUnten.Einheit, QStringLiteral("ms"));
        EXPECT_DOUBLE_EQ(d.Kurven[1].YFaktor, 2);
    }
    {
        SCOPED_TRACE("V to mV on the left axis scales the right-axis curve's YFaktor too");
        TDiagramm d = ZweiKurven();
        EXPECT_TRUE(EinheitWechseln(d, 0, liste, 4).Erlaubt);
        EXPECT_DOUBLE_EQ(d.Kurven[0].YFaktor, 1000);
        EXPECT_DOUBLE_EQ(d.Kurven[1].YFaktor, 2000);
        EXPECT_DOUBLE_EQ(d.AchseLinks.Minimum, -1000);
        EXPECT_DOUBLE_EQ(d.AchseRechts.Maximum, 100);
    }
    {
        SCOPED_TRACE("Sekunde to V is refused and changes nothing");
        TDiagramm d = ZweiKurven();
        const TDiagramm vorher = d;
        const TEinheitWechsel w = EinheitWechseln(d, 1, liste, 3);
        EXPECT_FALSE(w.Erlaubt);
        EXPECT_EQ(w.Meldung, QStringLiteral("Sekunde <> V"));
        EXPECT_EQ(w.Vorher, 1);
        EXPECT_EQ(d, vorher);
    }
    {
        SCOPED_TRACE("an axis without unit switches to ms keeping its values");
        TDiagramm d = ZweiKurven();
        EXPECT_TRUE(EinheitWechseln(d, 2, liste, 2).Erlaubt);
        EXPECT_DOUBLE_EQ(d.AchseRechts.Maximum, 100);
        EXPECT_EQ(d.AchseRechts.Einheit, QStringLiteral("ms"));
    }
}

TEST(WerteModell, SharesTheCurvesRowsUntilEditedAndKeepsEveryDigit) {
    TMesswerte werte{QVector<double>{0.1 + 0.2, 2, 3}, QVector<double>{10, 20, 30}};
    TWerteModell m;
    m.Setzen(werte);
    EXPECT_EQ(m.rowCount(), 3);
    EXPECT_EQ(m.Text(0, 0), QStringLiteral("0.3"));
    // Not edited: the very rows come back, with the digits the text form does not show.
    EXPECT_TRUE(m.Werte()[0].isSharedWith(werte[0]));
    EXPECT_EQ(m.Werte()[0][0], 0.1 + 0.2);

    m.TextSetzen(1, 1, QStringLiteral("2,5"));
    EXPECT_EQ(m.Text(1, 1), QStringLiteral("2.5"));
    EXPECT_TRUE(m.Geaendert());
    EXPECT_EQ(m.Werte()[1][1], 2.5);
    EXPECT_EQ(werte[1][1], 20) << "the document's rows are not touched";
}

TEST(WerteModell, ACurveWithoutPointsShowsOneRowAndStaysWithoutPoints) {
    TWerteModell m;
    m.Setzen(TMesswerte());
    EXPECT_EQ(m.rowCount(), 1);
    EXPECT_EQ(m.Text(0, 0), QStringLiteral("0"));
    EXPECT_TRUE(m.Werte()[0].isEmpty());
    m.TextSetzen(0, 1, QStringLiteral("4"));
    EXPECT_EQ(m.Werte()[1], QVector<double>{4});
}

TEST(WerteModell, FindsTypedCellsThatAreNoNumberOrOutOfRangeAndDuplicateX) {
    TWerteModell m;
    m.Setzen({QVector<double>{1, 2, 3}, QVector<double>{0, 0, 0}});
    EXPECT_FALSE(m.ErsteUngueltige());
    EXPECT_FALSE(m.ErsteDoppelteX());
    m.TextSetzen(2, 1, QStringLiteral("70000"));
    m.TextSetzen(1, 0, QString());
    ASSERT_TRUE(m.ErsteUngueltige());
    EXPECT_EQ(m.ErsteUngueltige()->Zeile, 1);
    EXPECT_EQ(m.ErsteUngueltige()->Spalte, 0);
    m.TextSetzen(1, 0, QStringLiteral("3"));
    ASSERT_TRUE(m.ErsteUngueltige());
    EXPECT_EQ(m.ErsteUngueltige()->Zeile, 2);
    m.TextSetzen(2, 1, QStringLiteral("-65535"));
    EXPECT_FALSE(m.ErsteUngueltige());
    EXPECT_EQ(m.ErsteDoppelteX(), 2) << "row 2 repeats the X of row 1";
}

TEST(WerteModell, RowsInsertDeleteAndSortAsAWhole) {
    TWerteModell m;
    m.Setzen({QVector<double>{3, 1, 2, 1}, QVector<double>{30, 10, 20, 11}});
    m.TextSetzen(0, 1, QStringLiteral("30.0")); // a typed text moves with its row
    EXPECT_FALSE(m.Sortieren(0));
    EXPECT_EQ(m.Werte()[0], (QVector<double>{1, 1, 2, 3}));
    EXPECT_EQ(m.Werte()[1], (QVector<double>{10, 11, 20, 30})) << "equal keys keep their order";
    EXPECT_EQ(m.Text(3, 1), QStringLiteral("30.0"));

    m.ZeileEinfuegen(1, 1.5, 0);
    EXPECT_EQ(m.Werte()[0], (QVector<double>{1, 1.5, 1, 2, 3}));
    EXPECT_EQ(m.Text(4, 1), QStringLiteral("30.0"));
    EXPECT_TRUE(m.ZeileLoeschen(3));
    EXPECT_EQ(m.Werte()[0], (QVector<double>{1, 1.5, 1, 3}));
    EXPECT_EQ(m.Text(3, 1), QStringLiteral("30.0"));

    m.TextSetzen(2, 1, QStringLiteral("x"));
    const auto fehler = m.Sortieren(1);
    ASSERT_TRUE(fehler);
    EXPECT_EQ(fehler->Zeile, 2);
    EXPECT_EQ(fehler->Spalte, 1);

    TWerteModell eine;
    EXPECT_FALSE(eine.ZeileLoeschen(0)) << "the only row stays";
    EXPECT_EQ(eine.rowCount(), 1);
}

} // namespace
