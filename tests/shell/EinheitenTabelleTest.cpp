// The rules of the units table: the check of a cell, the typing filter, sorting and the
// list the rows stand for.
#include "shell/EinheitenTabelle.h"
#include "shell/DatumZeit.h"
#include "shell/TSprachTexte.h"
#include "shell/UhrText.h"

#include <gtest/gtest.h>

using namespace EinheitenTabelle;

namespace {

TZeilen Beispiel() {
    return {{"Sekunde", "s", "1", "0", "Sekunde"},
            {"ms", "ms", "0.001", "0", "Sekunde"},
            {"Digit", "D", "1", "0", "Digit"}};
}

} // namespace

TEST(EinheitenTabelle, CellChecks) {
    const TSprachTexte t;
    const QString reason = t.EinheitNameUngueltigText;
    struct Fall {
        const char* Name;
        int Spalte;
        QString Text;
        int Nachricht;
        QString Meldung;
    } faelle[] = {
        {"factor 0", Faktor, "0", 36, " Zahlen >0"},
        {"factor -2", Faktor, "-2", 36, " Zahlen >0"},
        {"factor no number", Faktor, "1/2", 36, "Zahlen"},
        {"factor empty", Faktor, "", 36, "Zahlen"},
        {"factor 2.5", Faktor, "2.5", 0, ""},
        {"factor with exponent", Faktor, "1E-5", 0, ""},
        {"offset no number", Offset, "x", 36, "Zahlen"},
        {"offset negative", Offset, "-3", 0, ""},
        {"name empty", Name, "", 37, ""},
        {"name of another row", Name, "ms", 37, "ms"},
        {"name differs in case only", Name, "MS", 0, ""},
        {"name with =", Name, "a=b", 37, "a=b - " + reason},
        {"name starting with ;", Name, ";x", 37, ";x - " + reason},
        {"name starting with [", Name, "[x", 37, "[x - " + reason},
        {"name with comma", Name, "a,b", 37, "a,b - " + reason},
        {"name with ; inside", Name, "x;y", 0, ""},
        {"symbol takes anything", Zeichen, "=,;[", 0, ""},
        {"reference takes anything", Bezug, "", 0, ""},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.Name);
        TZeilen z = Beispiel();
        z[0][f.Spalte] = f.Text;
        const TPruefung p = ZellePruefen(z, 0, f.Spalte, t);
        EXPECT_EQ(p.Nachricht, f.Nachricht);
        EXPECT_EQ(p.Text, f.Meldung);
    }
}

TEST(EinheitenTabelle, TypingFilterKeepsWhatANumberCanHold) {
    EXPECT_EQ(ZahlFiltern("2,5"), "2.5");
    EXPECT_EQ(ZahlFiltern("1E5"), "15");
    EXPECT_EQ(ZahlFiltern("+-/.09"), "+-/.09");
    EXPECT_EQ(ZahlFiltern("a b\t€"), "");
}

TEST(EinheitenTabelle, SortingIsStableAndComparesTexts) {
    TZeilen z = {{"b", "1", "10", "", "x"},
                 {"A", "2", "9", "", "y"},
                 {"a", "3", "2", "", "x"},
                 {"B", "4", "1", "", "y"}};
    Sortieren(z, Name);
    // a and A have the same key: they keep their order, as do b and B.
    EXPECT_EQ((QStringList{z[0][Zeichen], z[1][Zeichen], z[2][Zeichen], z[3][Zeichen]}),
              (QStringList{"2", "3", "1", "4"}));
    Sortieren(z, Faktor);
    EXPECT_EQ((QStringList{z[0][Faktor], z[1][Faktor], z[2][Faktor], z[3][Faktor]}),
              (QStringList{"1", "10", "2", "9"}));
    Sortieren(z, Bezug);
    EXPECT_EQ((QStringList{z[0][Faktor], z[1][Faktor], z[2][Faktor], z[3][Faktor]}),
              (QStringList{"10", "2", "1", "9"}));
}

TEST(EinheitenTabelle, FillingShowsTheGeneralNumberFormat) {
    const TZeilen z = Zeilen({{"ms", "ms", 0.001, 0, "s"}, {"us", "us", 1e-5, 2.5, "s"}});
    ASSERT_EQ(z.size(), 2);
    EXPECT_EQ(z[0], (QStringList{"ms", "ms", "0.001", "0", "s"}));
    EXPECT_EQ(z[1], (QStringList{"us", "us", "1E-5", "2.5", "s"}));
    EXPECT_EQ(Zeilen({}), (TZeilen{QStringList(SpaltenAnzahl, QString())}));
}

TEST(EinheitenTabelle, ListPutsTheNeutralUnitInFrontOnce) {
    const TSprachTexte t;
    const TListenErgebnis e = Liste(Beispiel(), t);
    ASSERT_TRUE(e.Fehler.Gut());
    ASSERT_EQ(e.Liste.size(), 4);
    EXPECT_EQ(e.Liste[0].Name, "<>");
    EXPECT_EQ(e.Liste[2].Name, "ms");
    EXPECT_DOUBLE_EQ(e.Liste[2].Faktor, 0.001);

    const TListenErgebnis nochmal = Liste(Zeilen(e.Liste), t);
    ASSERT_TRUE(nochmal.Fehler.Gut());
    EXPECT_EQ(nochmal.Liste, e.Liste);
}

TEST(EinheitenTabelle, ListCompletesRowsNeverVisitedAndStopsAtFaults) {
    const TSprachTexte t;
    TZeilen z = Beispiel();
    z.insert(1, QStringList(SpaltenAnzahl, QString())); // an empty row: left out
    z.append({"neu", "", "", "", ""});                  // numbers never typed
    TListenErgebnis e = Liste(z, t);
    ASSERT_TRUE(e.Fehler.Gut());
    ASSERT_EQ(e.Liste.size(), 5);
    EXPECT_EQ(e.Liste[4], (TEinheiten{"neu", "", 1.0, 0.0, ""}));

    z[4][Faktor] = "0";
    e = Liste(z, t);
    EXPECT_EQ(e.Fehler.Nachricht, 36);
    EXPECT_EQ(e.Zeile, 4);
    EXPECT_EQ(e.Spalte, Faktor);
    EXPECT_TRUE(e.Liste.isEmpty());

    z[4] = QStringList{"", "x", "", "", ""}; // a row with a symbol but no name
    e = Liste(z, t);
    EXPECT_EQ(e.Fehler.Nachricht, 37);
    EXPECT_EQ(e.Zeile, 4);
    EXPECT_EQ(e.Spalte, Name);
}

TEST(UhrText, ClockReplyIsReadInExactlyOneForm) {
    const double jetzt = *DatumZeit::Lesen("01.01.2026", "dd.mm.yyyy", 0);
    const auto wert = UhrText::AntwortLesen("08.12.2026 22:15:30", jetzt);
    ASSERT_TRUE(wert);
    EXPECT_EQ(DatumZeit::Formatieren("yyyy-mm-dd hh:nn:ss", *wert), "2026-12-08 22:15:30");
    for (const char* falsch : {"-", "", "8.12.2026 22:15:30", "08.12.26 22:15:30",
                               "08.12.2026 22:15", "08.12.2026 22:15:30x", "32.12.2026 22:15:30"}) {
        SCOPED_TRACE(falsch);
        EXPECT_FALSE(UhrText::AntwortLesen(falsch, jetzt));
    }
}

TEST(UhrText, FieldTextBecomesTheSetParameter) {
    const double jetzt = *DatumZeit::Lesen("01.01.2026", "dd.mm.yyyy", 0);
    struct Fall {
        const char* Feld;
        const char* Parameter;
    } faelle[] = {
        {"08.12.26 22:15:30", "22:15:30 08.12.26"},
        {"08.12.2026 22:15:30.000", "22:15:30 08.12.26"},
        {"08.12.26", "00:00:00 08.12.26"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.Feld);
        const auto wert = UhrText::FeldLesen(f.Feld, "dd.MM.yy", "HH:mm:ss", jetzt);
        ASSERT_TRUE(wert);
        EXPECT_EQ(UhrText::SetzenParameter(*wert), f.Parameter);
    }
    EXPECT_FALSE(UhrText::FeldLesen("gestern", "dd.MM.yy", "HH:mm:ss", jetzt));
    EXPECT_FALSE(UhrText::FeldLesen("31.02.26 10:00:00", "dd.MM.yy", "HH:mm:ss", jetzt));
}
