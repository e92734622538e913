#include "shell/Einheiten.h"
#include "TestHilfen.h"
#include "shell/Konfiguration.h"
#include "shell/TIniDatei.h"

#include <gtest/gtest.h>

namespace {

const TEinheiten kNeutral = NeutraleEinheit();
const TEinheiten kSekunde{"Sekunde", "s", 1, 0, "Sekunde"};
const TEinheiten kMs{"ms", "ms", 0.001, 0, "Sekunde"};
const TEinheiten kBit{"Bit", "bit", 1, 0, "Bit"};
const TEinheiten kDigit1{"Digit", "dig", 1, 0, "Digit"};
const TEinheiten kDigit4{"Digit4", "4dig", 4, 5, "Digit"};
const TEinheiten kDigitNull{"DigitNull", "0dig", 0, 0, "Digit"};
const TEinheiten kOhneBezug{"Volt", "V", 1000, 0, ""};

TEST(Einheiten, SwitchScaleOrRefusal) {
    const struct {
        const char* Fall;
        TEinheiten Von, Nach;
        std::optional<double> Faktor;
    } faelle[] = {
        {"neutral to a unit", kNeutral, kSekunde, 1.0},
        {"a unit to neutral", kMs, kNeutral, 1.0},
        {"no reference unit keeps the values", kOhneBezug, kMs, 1.0},
        {"Digit 1 to Digit 4", kDigit1, kDigit4, 0.25},
        {"Digit 4 to Digit 1", kDigit4, kDigit1, 4.0},
        {"Sekunde to ms", kSekunde, kMs, 1000.0},
        {"same unit", kMs, kMs, 1.0},
        {"target factor 0", kDigit4, kDigitNull, 1.0},
        // A source factor of 0 would turn every value into 0 with no way back.
        {"source factor 0", kDigitNull, kDigit4, 1.0},
        {"different reference units", kSekunde, kBit, std::nullopt},
        {"reference units differ in case", kSekunde, TEinheiten{"m", "m", 1, 0, "sekunde"},
         std::nullopt},
        {"overflowing scale", TEinheiten{"a", "", 1e300, 0, "X"},
         TEinheiten{"b", "", 1e-300, 0, "X"}, 1.0},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(EinheitenWechselFaktor(f.Von, f.Nach), f.Faktor) << f.Fall;
    }
    // 2.5 s are 2500 ms.
    EXPECT_DOUBLE_EQ(2.5 * EinheitenWechselFaktor(kSekunde, kMs).value(), 2500.0);
}

TEST(Einheiten, RefusedSwitchShowsMessage38WithBothNames) {
    TTestProgramm t;
    EXPECT_EQ(EinheitenWechselPruefen(t.App, kSekunde, kBit), std::nullopt);
    ASSERT_EQ(t.Benutzer.Nummern(), QList<int>{38});
    EXPECT_EQ(t.Benutzer.Gezeigt[0].Text, "(38) Ungleiche Bezugs - Einheiten\rSekunde <> "
                                          "Bit\rEinheiten - Wechsel ist nicht möglich!");

    EXPECT_EQ(EinheitenWechselPruefen(t.App, kDigit1, kDigit4), 0.25);
    EXPECT_EQ(t.Benutzer.Nummern().size(), 1);
}

TEST(Einheiten, DisplayFormAndSelection) {
    const TEinheitenListe liste{kNeutral, kSekunde, kMs};
    EXPECT_EQ(EinheitenAnzeigeListe(liste), QStringList({"<> / ", "Sekunde / s", "ms / ms"}));
    EXPECT_EQ(EinheitenAuswahlIndex(liste, "ms / ms"), 2);
    // The remembered entry was deleted or renamed: the first entry.
    EXPECT_EQ(EinheitenAuswahlIndex(liste, "ms / msec"), 0);
    EXPECT_EQ(EinheitenAuswahlIndex({}, "ms / ms"), -1);
}

TEST(Einheiten, SearchByExactNameFindsTheLastMatch) {
    const TEinheitenListe liste{{"A", "a1", 1, 0, ""}, kSekunde, {"A", "a2", 2, 0, ""}};
    EXPECT_EQ(EinheitSuchen(liste, "A"), 2);
    EXPECT_EQ(EinheitSuchen(liste, "Sekunde"), 1);
    EXPECT_EQ(EinheitSuchen(liste, "a"), -1);
    EXPECT_EQ(EinheitSuchen(liste, "sekunde"), -1);
    EXPECT_EQ(EinheitSuchen(liste, ""), -1);
}

TEST(Einheiten, NeutralUnitIsInsertedAtTheFrontOnlyOnce) {
    TEinheitenListe liste{kSekunde};
    NeutraleEinheitEinfuegen(liste);
    EXPECT_EQ(liste, (TEinheitenListe{TEinheiten{"<>", "", 1, 0, ""}, kSekunde}));
    NeutraleEinheitEinfuegen(liste);
    EXPECT_EQ(liste.size(), 2);

    TEinheitenListe spaeter{kSekunde, kNeutral};
    NeutraleEinheitEinfuegen(spaeter);
    EXPECT_EQ(spaeter, (TEinheitenListe{kSekunde, kNeutral}));
}

// Units written into the configuration and read back are the units that were written.
TEST(Einheiten, StoredUnitsReadBackUnchanged) {
    TTestProgramm t;
    TAppConst a;
    a.Einheiten = {
        kNeutral,
        kMs,
        {"Grad C", "deg C", 1, -273.15, "Kelvin absolut"},
        {"Liste", "m,s", 1E-5, 0, ""},
        {"Zoll", "\"", 0.0254, 0, "Meter"},
        {"Zitat", "\"x\"", 2, 0, "\"y\""},
        {"Leer", "", 1, 0, ""},
    };
    TIniDatei ini(t.Pfad("u.cfg"));
    AppConstSchreiben(ini, a);
    ASSERT_TRUE(ini.Speichern());
    // Plain units keep their plain form.
    EXPECT_EQ(ini.LiesText("Einheiten", "ms", ""), "ms,0.001,0,Sekunde");
    EXPECT_EQ(ini.LiesText("Einheiten", "<>", ""), ",1,0,");

    TAppConst gelesen;
    AppConstLesen(TIniDatei(t.Pfad("u.cfg")), gelesen);
    ASSERT_EQ(gelesen.Einheiten.size(), a.Einheiten.size());
    for (qsizetype i = 0; i < a.Einheiten.size(); ++i) {
        EXPECT_EQ(gelesen.Einheiten[i], a.Einheiten[i]) << a.Einheiten[i].Name.toStdString();
    }
}

TEST(Einheiten, NamesDifferingInCaseShareOneKeyAndTheLaterWins) {
    TTestProgramm t;
    TAppConst a;
    a.Einheiten = {{"Volt", "V", 1, 0, "Volt"}, {"volt", "v", 2, 0, "Volt"}};
    TIniDatei ini(t.Pfad("u.cfg"));
    AppConstSchreiben(ini, a);
    TAppConst gelesen;
    AppConstLesen(ini, gelesen);
    EXPECT_EQ(gelesen.Einheiten, (TEinheitenListe{{"Volt", "v", 2, 0, "Volt"}}));
}

} // namespace
