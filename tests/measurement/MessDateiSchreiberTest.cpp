#include "MessTestHilfen.h"
#include "measurement/MessDateiFormat.h"
#include "measurement/MessDateiLeser.h"
#include "measurement/Wertbreite.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

TEST(MessDateiSchreiben, FieldEncodings) {
    TMessDatei d = BeispielAuftrag();
    Kanaele(d, 2);
    d.Auftrag.AnzahlReihen = 2;
    d.Auftrag.Start = Zeit(2024, 5, 6, 7, 8, 9, 123);
    d.Zustand = 7;
    d.Messreihen = {Reihe(1, "Temp"), Reihe(1, "x")};
    d.Messreihen[0].Einheit = QStringLiteral("°C");
    QByteArray b;
    ASSERT_TRUE(MessDateiKodieren(d, true, b));
    EXPECT_EQ(b.left(4), Hex("FFFFFFFF"));
    EXPECT_EQ(b.mid(8, 11), QByteArray(11, ' '));
    EXPECT_EQ(b.mid(36, 2), Hex("00 02")) << "Zustand is written as 0";
    EXPECT_EQ(b.mid(38, 8), Hex("020CFF01 020CFF01"));
    EXPECT_EQ(b.mid(46, 8), Hex("0001010000000000"));
    EXPECT_TRUE(b.contains(Hex("2405060708090123")));
    EXPECT_TRUE(b.contains(Hex("0400") + "Temp" + Hex("0200B043")));

    ASSERT_TRUE(MessDateiKodieren(d, false, b));
    EXPECT_EQ(b.left(4), Hex("00000000"));
    d.VarekSNr = "AB";
    ASSERT_TRUE(MessDateiKodieren(d, false, b));
    EXPECT_EQ(b.mid(8, 11), QByteArray("AB         "));
}

// Written and read back as a job, a record comes back with the documented differences only.
TEST(MessDateiSchreiben, ReaderAndWriterAgree) {
    TMessProgramm p;
    TMessDatei d = BeispielAuftrag();
    Kanaele(d, 3, 4, 16);
    d.KanalInfo[KanalInfoZeile::KanalAbstand] = {1, 5, 200};
    d.Name = QStringLiteral("VL-8 Analog");
    d.Version = 201;
    d.Firmware = 0xFFFF;
    d.VarekSNr = "12345";
    d.SerienNummer = QStringLiteral("SN-€-7");
    d.Speicher = 0xFFFFFFFF;
    d.Takt = 32768;
    d.Teiler = 32;
    d.Messfrequenz = 1024;
    d.Zustand = 4;
    d.Datum = Zeit(2099, 12, 31, 23, 59, 59, 999);
    d.Auftrag = {"Auftrag", "Firma", "Abt.", "Bärbel", "Kommentar mit ÄÖÜß",
                 "Nr. 1A",  3,       10,     5000,     Zeit(2024, 2, 29, 12, 0, 0, 1)};
    d.Messreihen = {Reihe(1, "a"), Reihe(7, "b"), Reihe(3, "c")};
    d.Messreihen[1].Aktiv = 0;
    d.Messreihen[2].Messkonstante = -0.125;
    d.Messreihen[2].Nullwert = 1e300;
    for (int i = 0; i < 3; ++i) {
        d.Messreihen[i].Kanal = quint8(i);
        d.Messreihen[i].Anzahl = (5000 - 1) / d.Messreihen[i].Abstand + 1;
        d.Messreihen[i].Messwerte = {QVector<double>{1, 2}, {3, 4}};
    }
    const QString datei = p.Pfad("rund.oor");
    ASSERT_TRUE(MessDateiSchreiben(datei, true, d));
    TMessDatei gelesen;
    ASSERT_TRUE(MessDateiLesen(p.App, datei, true, gelesen));

    TMessDatei erwartet = d;
    erwartet.Zustand = 0;
    erwartet.VarekSNr = "12345      ";
    for (TMessreihe& r : erwartet.Messreihen) {
        r.Messwerte = {};
    }
    EXPECT_EQ(gelesen, erwartet);

    // Outside 2000..2099 a date cannot come back.
    d.Auftrag.Start = Zeit(1999, 6, 1);
    ASSERT_TRUE(MessDateiSchreiben(datei, true, d));
    ASSERT_TRUE(MessDateiLesen(p.App, datei, true, gelesen));
    EXPECT_NE(gelesen.Auftrag.Start, d.Auftrag.Start);
}

TEST(MessDateiSchreiben, FailedWriteLeavesTheOldFile) {
    TMessProgramm p;
    const QString datei = p.Pfad("alt.oor");
    DateiSchreiben(datei, "alter Inhalt");
    TMessDatei d = BeispielAuftrag();
    d.Auftrag.Kommentar = QString(70000, u'x');
    const TLeseErgebnis e = MessDateiSchreiben(datei, true, d);
    EXPECT_FALSE(e);
    EXPECT_TRUE(e.Meldung.contains("Kommentar"));
    EXPECT_EQ(DateiLesen(datei), "alter Inhalt");

    d = BeispielAuftrag();
    d.Auftrag.AnzahlReihen = 2;
    EXPECT_FALSE(MessDateiSchreiben(datei, true, d)) << "would not read back";
    EXPECT_EQ(DateiLesen(datei), "alter Inhalt");

    const TLeseErgebnis ohneVerzeichnis =
        MessDateiSchreiben(p.Pfad("gibtesnicht/neu.oor"), true, BeispielAuftrag());
    EXPECT_FALSE(ohneVerzeichnis);
    EXPECT_TRUE(ohneVerzeichnis.Meldung.contains("neu.oor"));
}

TEST(Wertbreite, WidthsAndMasks) {
    const struct {
        quint8 Typ;
        quint8 Aufloesung;
        int Breite;
        std::optional<quint32> Maske;
    } faelle[] = {
        {2, 12, 2, 4095},
        {2, 16, 2, 65535},
        {2, 17, 3, 131071},
        {4, 8, 1, 255},
        {2, 0, 1, 0},
        {2, 31, 4, 0x7FFFFFFF},
        {2, 32, 4, std::nullopt},
        {1, 3, 1, 255},
        {3, 20, 1, 255},
        {5, 16, 0, std::nullopt},
        {6, 16, 0, std::nullopt},
        {0, 8, 0, std::nullopt},
        {9, 8, 0, std::nullopt},
    };
    for (const auto& f : faelle) {
        TGeraet g;
        g.KanalAnzahl = 1;
        g.KanalInfo = {QVector<quint8>{f.Typ}, {f.Aufloesung}, {255}, {1}};
        EXPECT_EQ(WertBreite(g, 0), f.Breite) << int(f.Typ) << "/" << int(f.Aufloesung);
        EXPECT_EQ(WertMaske(g, 0), f.Maske) << int(f.Typ) << "/" << int(f.Aufloesung);
        EXPECT_EQ(WertBreite(g, 1), 0) << "a series without a channel stores nothing";
    }
}

TEST(TMessDatei, CopiesAreIndependent) {
    TMessDatei a = BeispielAuftrag();
    a.Messreihen[0].Messwerte = {QVector<double>{1}, {2}};
    TMessDatei b = a;
    b.Messreihen[0].Name = "anders";
    b.Messreihen[0].Messwerte[1][0] = 5;
    b.KanalInfo[0][0] = 1;
    EXPECT_EQ(a.Messreihen[0].Name, "S");
    EXPECT_EQ(a.Messreihen[0].Messwerte[1][0], 2);
    EXPECT_EQ(a.KanalInfo[0][0], 2);
}

} // namespace
