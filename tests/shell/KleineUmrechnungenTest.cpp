// Small conversions of the shell: style names, instrument versions, checks of typed numbers,
// packed BCD bytes and directory texts.
#include "TestHilfen.h"
#include "shell/Bcd.h"
#include "shell/Eingabepruefung.h"
#include "shell/Geraeteversion.h"
#include "shell/Stilnamen.h"
#include "shell/Verzeichnis.h"

#include <gtest/gtest.h>

namespace {

using namespace Bcd;
using namespace Eingabepruefung;
using namespace Geraeteversion;
using namespace Stilnamen;
using namespace Verzeichnis;

TEST(KleineUmrechnungen, StyleNames) {
    EXPECT_EQ(LinienstilText(0), "psSolid");
    EXPECT_EQ(LinienstilText(6), "psInsideFrame");
    EXPECT_EQ(LinienstilText(0x80 | 2), "psDot"); // only the low seven bits count
    EXPECT_EQ(LinienstilText(7), "");
    EXPECT_EQ(PunktstilText(8), "psSmallDot");
    EXPECT_EQ(PunktstilText(9), "");
    for (quint8 i = 0; i < 7; ++i) {
        EXPECT_EQ(LinienstilWert(LinienstilText(i)), i);
    }
    for (quint8 i = 0; i < 9; ++i) {
        EXPECT_EQ(PunktstilWert(PunktstilText(i)), i);
    }
    EXPECT_EQ(LinienstilWert("pssolid"), 0);
    EXPECT_EQ(LinienstilWert("psdash"), 0);
    EXPECT_EQ(LinienstilWert(""), 0);
    EXPECT_EQ(PunktstilWert("psStar "), 0);
}

TEST(KleineUmrechnungen, VersionTexts) {
    EXPECT_EQ(VersionText(103), "V1_03");
    EXPECT_EQ(VersionText(5), "V0_05");
    EXPECT_EQ(VersionText(0), "V0_00");
    EXPECT_EQ(VersionText(1234), "V1_23");
    for (int n = 0; n <= 999; ++n) {
        ASSERT_EQ(VersionWert(VersionText(n)), n) << n;
    }
    EXPECT_EQ(VersionWert("V1_0"), std::nullopt);
    EXPECT_EQ(VersionWert("Vx_03"), std::nullopt);
    EXPECT_EQ(VersionWert("V1_0a"), std::nullopt);
}

TEST(KleineUmrechnungen, BitTexts) {
    EXPECT_EQ(BitTextWert("00000101"), 5u);
    EXPECT_EQ(BitTextWert("1x1"), 5u);
    EXPECT_EQ(BitTextWert(""), 0u);
    EXPECT_EQ(BitTextWert(QString(33, u'0').replace(0, 1, "1")), 1u); // bit 32 wraps to bit 0
    EXPECT_EQ(BitTextWert(QString(255, u'1')), 0xFFFFFFFFu);
    EXPECT_EQ(BitTextWert(QString(256, u'0')), std::nullopt);
}

TEST(KleineUmrechnungen, BcdBytes) {
    EXPECT_EQ(ZahlZuBcd(99), 0x99);
    EXPECT_EQ(ZahlZuBcd(47), 0x47);
    EXPECT_EQ(ZahlZuBcd(100), 0);
    EXPECT_EQ(BcdZuZahl(0x64), 64);
    EXPECT_EQ(BcdZuZahl(0x99), 99);
    EXPECT_EQ(BcdZuZahl(0xA0), 0);
    EXPECT_EQ(BcdZuZahl(0x1A), 20);
    for (int n = 0; n < 100; ++n) {
        ASSERT_EQ(BcdZuZahl(ZahlZuBcd(quint8(n))), n);
    }
}

TEST(KleineUmrechnungen, BackslashAnhaengen) {
    QString leer;
    BackslashAnhaengen(leer);
    EXPECT_EQ(leer, "/");
    QString mit = "/daten/";
    BackslashAnhaengen(mit);
    EXPECT_EQ(mit, "/daten/");
    QString ohne = "/daten";
    BackslashAnhaengen(ohne);
    EXPECT_EQ(ohne, "/daten/");
}

// Every range check: which message it shows (0 = none) and with which text.
TEST(KleineUmrechnungen, RangeChecksShowMessage5Or6) {
    struct Fall {
        const char* Name;
        std::function<bool(TAnwendung&)> Pruefung;
        bool Ergebnis;
        int Nachricht;
        const char* Text;
    };
    const Fall faelle[] = {
        {"bit in range", [](TAnwendung& a) { return BitTextPruefen(a, 0, 255, "101", true); }, true,
         0, ""},
        {"bit 511", [](TAnwendung& a) { return BitTextPruefen(a, 0, 255, "111111111", true); },
         false, 5, "0 ... 255"},
        {"bit too long",
         [](TAnwendung& a) { return BitTextPruefen(a, 0, 255, QString(256, u'1'), true); }, false,
         6, ""},
        {"int hex", [](TAnwendung& a) { return GanzzahlPruefen(a, 0, 300, "$FF", true); }, true, 0,
         ""},
        {"int negative out", [](TAnwendung& a) { return GanzzahlPruefen(a, -5, 5, "-6", true); },
         false, 5, "-5 ... 5"},
        {"int letters", [](TAnwendung& a) { return GanzzahlPruefen(a, 0, 9, "12a", true); }, false,
         6, ""},
        {"card -1", [](TAnwendung& a) { return KardinalzahlPruefen(a, 0, 10, "-1", true); }, false,
         6, ""},
        {"card too big",
         [](TAnwendung& a) { return KardinalzahlPruefen(a, 0, 4294967295u, "4294967296", true); },
         false, 6, ""},
        {"card max",
         [](TAnwendung& a) { return KardinalzahlPruefen(a, 1, 4000000000u, "4000000001", true); },
         false, 5, "1 ... 4000000000"},
        {"float 1e10",
         [](TAnwendung& a) {
             return GleitzahlPruefen(a, "1e10", true, -4294967294.0, 4294967294.0);
         },
         false, 5, "-4294967294 ... 4294967294"},
        {"float comma", [](TAnwendung& a) { return GleitzahlPruefen(a, "2,5", true, 0, 10); },
         false, 6, ""},
        {"float small bounds",
         [](TAnwendung& a) { return GleitzahlPruefen(a, "1", true, 1e-5, 0.5); }, false, 5,
         "1E-5 ... 0.5"},
        {"silent", [](TAnwendung& a) { return GanzzahlPruefen(a, 0, 9, "x", false); }, false, 0,
         ""},
    };
    for (const Fall& f : faelle) {
        TTestProgramm t;
        EXPECT_EQ(f.Pruefung(t.App), f.Ergebnis) << f.Name;
        if (f.Nachricht == 0) {
            EXPECT_TRUE(t.Benutzer.Gezeigt.isEmpty()) << f.Name;
            continue;
        }
        ASSERT_EQ(t.Benutzer.Nummern(), QList<int>({f.Nachricht})) << f.Name;
        if (f.Nachricht == 5) {
            EXPECT_EQ(t.Benutzer.Gezeigt[0].Text,
                      QString("(5) Zahl muß im Bereich\r%1\rliegen!").arg(f.Text))
                << f.Name;
        } else {
            EXPECT_EQ(t.Benutzer.Gezeigt[0].Text, "(6) Bitte nur ganze Zahlen eingeben!");
        }
    }
}

} // namespace
