#include "measurement/Auftrag.h"
#include "MessTestHilfen.h"

#include <gtest/gtest.h>

namespace {

TMessDatei Sendbar(const char* flags) {
    TMessDatei d = BeispielAuftrag();
    d.Auftrag.AuftragName = "A";
    d.Auftrag.Start = Zeit(2031, 2, 3, 4, 5, 6);
    d.Messreihen[0].Name = "B";
    for (const char* c = flags; *c; ++c) {
        d.AuftragSendFlags.append(*c == '1');
    }
    return d;
}

const double kJetzt = Zeit(2025, 1, 1, 12, 0, 0);

TEST(AuftragErzeugen, EveryFlagSet) {
    TMessDatei d = Sendbar("111111111111111111");
    const TAuftragErgebnis e = AuftragErzeugen(d, kJetzt);
    ASSERT_TRUE(e) << e.Fehler.toStdString();
    EXPECT_EQ(e.Auftrag.toHex(' '),
              Hex("FFFFFFFF 010041 0000 0000 0000 0000 0000 01 00000000 E8030000"
                  "3102030405060000 01 00 000000000000F03F 0000000000000000 01000000"
                  "010042 0300426974")
                  .toHex(' '));
    EXPECT_EQ(d.Auftrag.Start, Zeit(2031, 2, 3, 4, 5, 6)) << "a start in the future stays";
}

TEST(AuftragErzeugen, FlagsChooseFieldsAndStartMovesToNow) {
    TMessDatei d = Sendbar("100000010000000000");
    EXPECT_EQ(AuftragErzeugen(d, kJetzt).Auftrag, Hex("FFFFFFFF 01"));

    d = Sendbar("000000000010000000");
    d.Auftrag.Start = Zeit(2024, 1, 1, 0, 0, 0, 500);
    const TAuftragErgebnis e = AuftragErzeugen(d, Zeit(2025, 1, 1, 12, 0, 0, 700));
    EXPECT_EQ(e.Auftrag, Hex("2501011200000000")) << "milliseconds are never sent";
    EXPECT_EQ(d.Auftrag.Start, Zeit(2025, 1, 1, 12, 0, 0, 700));

    // Flags 11 to 17 again for every channel.
    d = Sendbar("000000000000000011");
    Kanaele(d, 2);
    d.Messreihen = {Reihe(1, "a"), Reihe(1, "b")};
    d.Messreihen[1].Einheit = QString();
    EXPECT_EQ(AuftragErzeugen(d, kJetzt).Auftrag, Hex("010061 0300426974 010062 0000"));
}

TEST(AuftragErzeugen, JobsThatCannotBeBuilt) {
    const struct {
        const char* Name;
        const char* Flags;
        void (*Aendern)(TMessDatei&);
        const char* ImFehler;
    } faelle[] = {
        {"default flags of the catalogue", "11111111111111111", [](TMessDatei&) {},
         "Eintrag 17 fehlt"},
        {"empty flags", "", [](TMessDatei&) {}, "Eintrag 0 fehlt"},
        {"text too long", "111111111111111111",
         [](TMessDatei& d) { d.Auftrag.Kommentar = QString(65536, u'k'); }, "Kommentar"},
        {"channel without series", "111111111111111111", [](TMessDatei& d) { Kanaele(d, 2); },
         "Kanal 1"},
    };
    for (const auto& f : faelle) {
        TMessDatei d = Sendbar(f.Flags);
        f.Aendern(d);
        const TAuftragErgebnis e = AuftragErzeugen(d, kJetzt);
        EXPECT_FALSE(e) << f.Name;
        EXPECT_TRUE(e.Auftrag.isEmpty()) << f.Name;
        EXPECT_TRUE(e.Fehler.contains(QString::fromUtf8(f.ImFehler))) << e.Fehler.toStdString();
    }
}

TEST(Berechnungen, MemoryShareAndColour) {
    TMessDatei d = BeispielAuftrag();
    Kanaele(d, 3, 2, 16);
    d.Auftrag.AbstandZeitstempel = 10;
    d.Messreihen = {Reihe(1), Reihe(1), Reihe(1)};
    d.Messreihen[0].Anzahl = d.Messreihen[1].Anzahl = d.Messreihen[2].Anzahl = 1000;
    d.Messreihen[2].Aktiv = 0;
    TSprachTexte texte;
    d.Speicher = 4096;
    TBerechnungen b = Berechnungen(d, texte);
    ASSERT_TRUE(b) << b.Fehler.toStdString();
    EXPECT_EQ(b.Speicherbedarf, 4080u);
    EXPECT_EQ(b.Fortschritt, 99);
    EXPECT_FALSE(b.Rot);
    EXPECT_EQ(b.AnzahlReihen, 2);
    d.Speicher = 4000;
    b = Berechnungen(d, texte);
    EXPECT_EQ(b.Speicherbedarf, 4080u);
    EXPECT_EQ(b.Fortschritt, 102);
    EXPECT_TRUE(b.Rot);
    // A series met when the memory is already full adds nothing.
    d.Speicher = 1000;
    d.Messreihen[2].Aktiv = 1;
    EXPECT_EQ(Berechnungen(d, texte).Speicherbedarf, 2080u);
    EXPECT_EQ(Berechnungen(d, texte).AnzahlReihen, 3);
}

TEST(Berechnungen, Duration) {
    TSprachTexte texte;
    const struct {
        quint32 Takte;
        quint32 Takt, Teiler;
        const char* Text;
    } faelle[] = {
        {129600, 1, 1, "1 Tage 12 Std 0 Min 0.000 Sek"},
        {1000, 1000, 10, "0 Tage 0 Std 0 Min 10.000 Sek"},
        {5, 1000, 1, "0 Tage 0 Std 0 Min 0.005 Sek"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.Text);
        TMessDatei d = BeispielAuftrag();
        d.Auftrag.MessTakte = f.Takte;
        d.Messfrequenz = double(f.Takt) / f.Teiler;
        EXPECT_EQ(Berechnungen(d, texte).Messdauer.toStdString(), f.Text);
    }
}

TEST(Berechnungen, FiguresThatCannotBeComputed) {
    TSprachTexte texte;
    TMessDatei d = BeispielAuftrag();
    d.Speicher = 0;
    TBerechnungen b = Berechnungen(d, texte);
    EXPECT_FALSE(b);
    EXPECT_TRUE(b.Fehler.contains("Speicher"));
    EXPECT_TRUE(b.Messdauer.isEmpty());
    d = BeispielAuftrag();
    d.Messfrequenz = 0;
    b = Berechnungen(d, texte);
    EXPECT_FALSE(b);
    EXPECT_TRUE(b.Fehler.contains("Messfrequenz"));
    d = BeispielAuftrag();
    d.Speicher = 0xFFFFFFFF;
    d.Auftrag.AbstandZeitstempel = 0xFFFFFFFF;
    EXPECT_FALSE(Berechnungen(d, texte));
}

} // namespace
