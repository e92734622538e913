#include "measurement/MessDateiLeser.h"
#include "MessTestHilfen.h"
#include "measurement/MessDateiFormat.h"

#include <gtest/gtest.h>

namespace {

// The job file of the small example, as the instrument family defines it.
const QByteArray kBeispielAuftrag =
    Hex("FFFFFFFF 0000 0000 2020202020202020202020 0000 010044"
        "00800000 E8030000 0A000000 00 01 020CFF01 0001010000000000"
        "01004A 0000 0000 0000 0000 0000 01 00000000 E8030000 2405060708090000"
        "01 00 000000000000F03F 0000000000000000 01000000 010053 0300426974");

struct TLesen : ::testing::Test {
    TMessProgramm P;
    QString Datei = P.Pfad("m.ome");

    TLeseErgebnis Lesen(const QByteArray& inhalt, bool nurAuftrag = false) {
        DateiSchreiben(Datei, inhalt);
        return MessDateiLesen(P.App, Datei, nurAuftrag, P.App.ArbeitsDatei);
    }
    const TMessreihe& Gelesen(int i) const { return P.App.ArbeitsDatei.Messreihen[i]; }
    double Periode() const { return 1.0 / (100.0 * 86400.0); }
};

TEST_F(TLesen, ExampleJobFileIs110BytesAndReadsBack) {
    QByteArray b;
    ASSERT_TRUE(MessDateiKodieren(BeispielAuftrag(), true, b));
    EXPECT_EQ(b.size(), 110);
    EXPECT_EQ(b.toHex(' '), kBeispielAuftrag.toHex(' '));

    // Read as a job, whatever Gesamtlaenge holds.
    QByteArray anders = kBeispielAuftrag;
    anders[0] = 0x12;
    ASSERT_TRUE(Lesen(anders, true));
    TMessDatei erwartet = BeispielAuftrag();
    erwartet.VarekSNr = QString(11, u' ');
    EXPECT_EQ(P.App.ArbeitsDatei, erwartet);
    EXPECT_TRUE(P.Benutzer.Nummern().isEmpty());
}

TEST_F(TLesen, ThreeValuesWithTheirTimeStamps) {
    TMessDatei k = BeispielAuftrag();
    k.Auftrag.MessTakte = 3;
    k.Messreihen[0].Messkonstante = 2.0;
    k.Messreihen[0].Nullwert = 1.0;
    const QByteArray daten = Stempel(2024, 5, 6, 7, 8, 9, 10) + Hex("FF0F 34F2 0000");
    ASSERT_TRUE(Lesen(Messdatei(k, daten)));
    const TMessreihe& r = Gelesen(0);
    EXPECT_EQ(r.Anzahl, 3u);
    EXPECT_EQ(r.Messwerte[1], (QVector<double>{8192.0, 1130.0, 2.0}));
    const double t0 = Zeit(2024, 5, 6, 7, 8, 9, 10);
    ASSERT_EQ(r.Messwerte[0].size(), 3);
    double t = t0;
    for (int i = 0; i < 3; ++i) {
        t += Periode();
        EXPECT_EQ(r.Messwerte[0][i], t) << i;
    }
    EXPECT_NEAR((r.Messwerte[0][2] - t0) * 86400.0, 0.03, 1e-6);
    EXPECT_TRUE(P.Benutzer.Nummern().isEmpty()) << "E = 3 * 2 + 8 = 14 = D";
}

TEST_F(TLesen, SeriesWithDifferentSpacing) {
    TMessDatei k = BeispielAuftrag();
    Kanaele(k, 2);
    k.Auftrag.AnzahlReihen = 2;
    k.Auftrag.MessTakte = 3;
    k.Messreihen = {Reihe(1, "a"), Reihe(2, "b")};
    // cycle 0: a, b; cycle 1: a; cycle 2: a, b
    const QByteArray daten = Stempel(2024, 1, 1, 0, 0, 0, 0) + Hex("0100 0200 0300 0400 0500");
    ASSERT_TRUE(Lesen(Messdatei(k, daten)));
    EXPECT_EQ(Gelesen(0).Messwerte[1], (QVector<double>{1, 3, 4}));
    EXPECT_EQ(Gelesen(1).Messwerte[1], (QVector<double>{2, 5}));
    EXPECT_EQ(Gelesen(1).Anzahl, 2u);
    EXPECT_EQ(Gelesen(1).Messwerte[0][1], Gelesen(0).Messwerte[0][2]);
    EXPECT_TRUE(P.Benutzer.Nummern().isEmpty());
}

// Intermediate stamps every 10 cycles: one equal to the computed time is taken, one a
// millisecond earlier keeps the computed time and brings message 39 (and 40, since the
// expected count leaves out the first stamp).
TEST_F(TLesen, IntermediateTimeStamps) {
    for (const int frueher : {0, 1}) {
        TMessProgramm p;
        TMessDatei k = BeispielAuftrag();
        k.Auftrag.AbstandZeitstempel = 10;
        k.Auftrag.MessTakte = 20;
        k.Takt = 1000;
        k.Teiler = 1; // 1 ms per cycle
        QByteArray daten = Stempel(2024, 1, 1, 0, 0, 0, 0);
        for (int c = 0; c < 20; ++c) {
            if (c % 10 == 0) {
                // cycle c carries start + (c + 1) ms; cycle 10 is announced 5 ms later
                const int ms = c == 0 ? 1 : c + 1 + 5 - frueher * 6;
                daten += Stempel(2024, 1, 1, 0, 0, 0, ms);
            }
            daten += Hex("0100");
        }
        const QString datei = p.Pfad("z.ome");
        DateiSchreiben(datei, Messdatei(k, daten));
        ASSERT_TRUE(MessDateiLesen(p.App, datei, false, p.App.ArbeitsDatei));
        const QVector<double>& t = p.App.ArbeitsDatei.Messreihen[0].Messwerte[0];
        ASSERT_EQ(t.size(), 20);
        auto ms = [&](int c) { return std::llround((t[c] - Zeit(2024, 1, 1)) * 86400000.0); };
        EXPECT_EQ(ms(0), 1);
        EXPECT_EQ(ms(9), 10);
        EXPECT_EQ(ms(10), frueher ? 11 : 16);
        EXPECT_EQ(ms(19), frueher ? 20 : 25);
        if (frueher) {
            EXPECT_EQ(p.Benutzer.Nummern(), (QList<int>{39, 40}));
        } else {
            EXPECT_EQ(p.Benutzer.Nummern(), (QList<int>{40}));
        }
    }
}

TEST_F(TLesen, Message40NamesBothCounts) {
    TMessDatei k = BeispielAuftrag();
    k.Auftrag.MessTakte = 5;
    const QByteArray daten = Stempel(2024, 1, 1, 0, 0, 0, 0) + Hex("0100 0200");
    ASSERT_TRUE(Lesen(Messdatei(k, daten)));
    EXPECT_EQ(Gelesen(0).Messwerte[1], (QVector<double>{1, 2}));
    ASSERT_EQ(P.Benutzer.Nummern(), (QList<int>{40}));
    EXPECT_EQ(P.Benutzer.Gezeigt[0].Text, QStringLiteral("(40) Auftrag wurde nicht erfüllt!\n\r"
                                                         "Messwerte berechnet: 18\n\r"
                                                         "Messwerte übertragen: 12"));
}

TEST_F(TLesen, DataEndingInTheMiddleOfACycle) {
    TMessDatei k = BeispielAuftrag();
    Kanaele(k, 3, 1, 8); // three BIN channels
    k.Auftrag.AnzahlReihen = 3;
    k.Auftrag.MessTakte = 2;
    k.Messreihen = {Reihe(1), Reihe(1), Reihe(1)};
    // Gesamtlaenge ends after the second value of cycle 1; the file is padded behind it.
    const QByteArray daten = Stempel(2024, 1, 1, 0, 0, 0, 0) + Hex("01 02 03 04 05 06 0000");
    ASSERT_TRUE(Lesen(Messdatei(k, daten, -3)));
    EXPECT_EQ(Gelesen(0).Messwerte[1], (QVector<double>{1, 4}));
    EXPECT_EQ(Gelesen(1).Messwerte[1], (QVector<double>{2, 5}));
    EXPECT_EQ(Gelesen(2).Messwerte[1], (QVector<double>{3}));
    EXPECT_EQ(Gelesen(2).Messwerte[0].size(), 1);
}

TEST_F(TLesen, JobFileReadAsMeasurementStopsAfterFirstSeries) {
    ASSERT_TRUE(Lesen(kBeispielAuftrag));
    EXPECT_EQ(Gelesen(0).Messwerte[1], (QVector<double>{0.0}));
    EXPECT_EQ(Gelesen(0).Messwerte[0], (QVector<double>{Zeit(2024, 5, 6, 7, 8, 9) + Periode()}));
    ASSERT_EQ(P.Benutzer.Nummern(), (QList<int>{40}));
    EXPECT_TRUE(P.Benutzer.Gezeigt[0].Text.endsWith("Messwerte übertragen: -111"));
}

// A file that claims far more than it holds ends where its bytes end, without reserving
// memory for what it claims.
TEST_F(TLesen, ClaimedLengthsBeyondTheFile) {
    TMessDatei k = BeispielAuftrag();
    Kanaele(k, 1, 2, 16);
    k.Auftrag.MessTakte = 1000000000;
    QByteArray datei = Messdatei(k, Stempel(2024, 1, 1, 0, 0, 0, 0) + Hex("0100 0200 03"));
    qToLittleEndian<qint32>(0x7FFFFFFF, datei.data());
    ASSERT_LT(datei.size(), 200);
    ASSERT_TRUE(Lesen(datei));
    EXPECT_EQ(Gelesen(0).Messwerte[1], (QVector<double>{1, 2, 3}));
    EXPECT_LE(Gelesen(0).Messwerte[1].capacity(), 8);
    EXPECT_EQ(P.Benutzer.Nummern(), (QList<int>{40}));
}

// Layouts in which the data part is used up slowly or never: the parse still ends at once.
TEST_F(TLesen, ParseEndsForSparseOrEmptyLayouts) {
    const struct {
        const char* Name;
        quint32 Abstand;
        quint8 Typ;
        quint32 AbstandZeitstempel;
        int Werte;
        quint8 Aktiv = 1;
        qsizetype Bytes = 4000;
    } faelle[] = {
        {"spacing of four billion cycles", 0xFFFFFFFF, 2, 0, 2000},
        {"parameter channel only", 1, 5, 0, 0},
        {"stamps only, every four billion cycles", 1, 5, 0xFFFFFFFF, 0},
        // Each stamp lies 2^20 - 1 empty cycles behind the last: a megabyte of stamps once
        // took more than a minute, counting the cycles one by one.
        {"stamps every 2^20-1 cycles, series inactive, 1 MB", 1, 2, 0xFFFFF, 0, 0, 1 << 20},
    };
    for (const auto& f : faelle) {
        TMessDatei k = BeispielAuftrag();
        Kanaele(k, 1, f.Typ, 12);
        k.Auftrag.MessTakte = 0xFFFFFFFF;
        k.Auftrag.AbstandZeitstempel = f.AbstandZeitstempel;
        k.Messreihen[0].Abstand = f.Abstand;
        k.Messreihen[0].Aktiv = f.Aktiv;
        const QByteArray daten = Stempel(2024, 1, 1, 0, 0, 0, 0) + QByteArray(f.Bytes, '\1');
        ASSERT_TRUE(Lesen(Messdatei(k, daten))) << f.Name;
        EXPECT_EQ(Gelesen(0).Messwerte[1].size(), f.Werte) << f.Name;
    }
}

// Faults of a file: a clear message with the file and the position, and the working record
// exactly as it was.
TEST_F(TLesen, DamagedFilesChangeNothing) {
    auto mit = [](auto aendern) {
        TMessDatei k = BeispielAuftrag();
        aendern(k);
        return Messdatei(k, Stempel(2024, 1, 1, 0, 0, 0, 0) + Hex("0100"));
    };
    const struct {
        const char* Name;
        QByteArray Inhalt;
        bool NurAuftrag;
        const char* ImFehler;
        qint64 Position;
    } faelle[] = {
        {"MessTakte 0", mit([](TMessDatei& k) { k.Auftrag.MessTakte = 0; }), true, "MessTakte", 68},
        {"spacing 0", mit([](TMessDatei& k) { k.Messreihen[0].Abstand = 0; }), true, "Abstand 0",
         98},
        {"divider 0", mit([](TMessDatei& k) { k.Teiler = 0; }), false, "Messfrequenz", 110},
        {"32-bit channel", mit([](TMessDatei& k) { k.KanalInfo[1][0] = 32; }), false,
         "Auflösung 32", 39},
        {"name running past the end",
         Hex("00000000 0000 0000 2020202020202020202020 0000 0500"
             "4142"),
         true, "Name", 21},
        {"header cut off", kBeispielAuftrag.left(60), true, "endet", 59},
        {"data length out of range",
         [] {
             QByteArray b = kBeispielAuftrag;
             b.replace(0, 4, Hex("00000080")); // Gesamtlaenge -2^31
             return b;
         }(),
         false, "Länge des Datenteils", 0},
    };
    for (const auto& f : faelle) {
        TMessProgramm p;
        p.App.ArbeitsDatei = BeispielAuftrag();
        p.App.ArbeitsDatei.Messreihen[0].Messwerte = {QVector<double>{1}, {2}};
        const TMessDatei vorher = p.App.ArbeitsDatei;
        const QString datei = p.Pfad("kaputt.ome");
        DateiSchreiben(datei, f.Inhalt);
        const TLeseErgebnis e = MessDateiLesen(p.App, datei, f.NurAuftrag, p.App.ArbeitsDatei);
        EXPECT_FALSE(e) << f.Name;
        EXPECT_TRUE(e.Meldung.startsWith(datei)) << e.Meldung.toStdString();
        EXPECT_TRUE(e.Meldung.contains(QString::fromUtf8(f.ImFehler))) << e.Meldung.toStdString();
        EXPECT_EQ(e.Position, f.Position) << f.Name;
        EXPECT_EQ(p.App.ArbeitsDatei, vorher) << f.Name;
        EXPECT_TRUE(p.Benutzer.Nummern().isEmpty()) << f.Name;
    }
    TMessDatei vorher = P.App.ArbeitsDatei;
    EXPECT_FALSE(MessDateiLesen(P.App, P.Pfad("gibtesnicht.ome"), false, P.App.ArbeitsDatei));
    EXPECT_EQ(P.App.ArbeitsDatei, vorher);
}

TEST(MessDateiPruefen, AcceptsKnownDevicesOnly) {
    const struct {
        const char* Name;
        QByteArray Inhalt;
        bool Ergebnis;
    } faelle[] = {
        {"example job", kBeispielAuftrag, true},
        {"20 bytes", kBeispielAuftrag.left(20), false},
        {"name cut off", kBeispielAuftrag.left(23), false},
        {"letter case", QByteArray(kBeispielAuftrag).replace(23, 1, "d"), true},
        {"unknown device", QByteArray(kBeispielAuftrag).replace(23, 1, "E"), false},
    };
    for (const auto& f : faelle) {
        TMessProgramm p("[D]\nSpeicher=77\nAuftragSendFlags=101\n");
        DateiSchreiben(p.Pfad("x.ome"), f.Inhalt);
        EXPECT_EQ(MessDateiPruefen(p.App, p.Pfad("x.ome"), p.App.ArbeitsDatei), f.Ergebnis)
            << f.Name;
        // On success the selected device's catalogue entry is in the working record.
        EXPECT_EQ(p.App.ArbeitsDatei.Speicher, f.Ergebnis ? 77u : 0u) << f.Name;
        EXPECT_TRUE(p.Benutzer.Nummern().isEmpty());
    }
    TMessProgramm p;
    EXPECT_FALSE(MessDateiPruefen(p.App, p.Pfad("fehlt.ome"), p.App.ArbeitsDatei));
}

TEST(RohDateiLesen, BytesBecomeValues) {
    TMessProgramm p;
    p.App.ArbeitsDatei = BeispielAuftrag();
    const QString datei = p.Pfad("roh.bin");
    DateiSchreiben(datei, Hex("0102FF"));
    ASSERT_TRUE(RohDateiLesen(p.App, datei, p.App.ArbeitsDatei));
    const TMessDatei& d = p.App.ArbeitsDatei;
    ASSERT_EQ(d.Messreihen.size(), 1);
    const TMessreihe& r = d.Messreihen[0];
    EXPECT_EQ(r.Name, "Messreihe Kanal Nr. 0");
    EXPECT_EQ(r.Einheit, "Bit");
    EXPECT_EQ(r.Messwerte[1], (QVector<double>{1, 2, 255}));
    EXPECT_EQ(d.Auftrag.MessTakte, 3u);
    EXPECT_EQ(r.Anzahl, 3u);
    EXPECT_EQ(d.Auftrag.AuftragName, "J") << "other job fields stay";
    EXPECT_EQ(d.Name, "D");
    const DatumZeit::TTeile t = DatumZeit::Zerlegen(d.Auftrag.Start);
    EXPECT_EQ(t.Sekunde % 2, 0);
    EXPECT_EQ(t.Millisekunde, 0);
    EXPECT_EQ(r.Messwerte[0][0], d.Auftrag.Start);
    EXPECT_NEAR((r.Messwerte[0][2] - d.Auftrag.Start) * 86400.0, 0.02, 1e-6);

    DateiSchreiben(datei, QByteArray());
    ASSERT_TRUE(RohDateiLesen(p.App, datei, p.App.ArbeitsDatei));
    EXPECT_EQ(d.Messreihen[0].Messwerte[1], (QVector<double>{0}));
    EXPECT_EQ(d.Messreihen[0].Messwerte[0], (QVector<double>{d.Auftrag.Start}));
    EXPECT_EQ(d.Auftrag.MessTakte, 1u);

    // Nothing read yet: no measuring frequency, one value per second.
    TMessProgramm leer;
    DateiSchreiben(datei, Hex("0102"));
    ASSERT_TRUE(RohDateiLesen(leer.App, datei, leer.App.ArbeitsDatei));
    const TMesswerte& w = leer.App.ArbeitsDatei.Messreihen[0].Messwerte;
    EXPECT_NEAR((w[0][1] - w[0][0]) * 86400.0, 1.0, 1e-6);
}

// Without a plain channel 0 the graph import would take the series name for a formula;
// the raw series is described as the 8-bit channel it is.
TEST(RohDateiLesen, RawSeriesHasAPlainChannel) {
    struct Fall {
        const char* Name;
        quint8 Kanaele;
        quint8 Typ0;
        quint8 Erwartet;
    };
    const Fall faelle[] = {
        {"no channels", 0, 0, ktAna},
        {"parameter first", 3, ktPara, ktAna},
        {"computed first", 2, ktComp, ktAna},
        {"binary first stays", 2, ktBin, ktBin},
    };
    for (const Fall& f : faelle) {
        TMessProgramm p;
        TMessDatei& d = p.App.ArbeitsDatei;
        d.KanalAnzahl = f.Kanaele;
        for (auto& zeile : d.KanalInfo) {
            zeile = QVector<quint8>(f.Kanaele, 1);
        }
        if (f.Kanaele > 0) {
            d.KanalInfo[KanalInfoZeile::KanalTyp][0] = f.Typ0;
        }
        const QString datei = p.Pfad("roh.bin");
        DateiSchreiben(datei, Hex("0102"));
        ASSERT_TRUE(RohDateiLesen(p.App, datei, d)) << f.Name;
        EXPECT_GE(d.KanalAnzahl, 1) << f.Name;
        EXPECT_EQ(d.KanalAnzahl, qMax<quint8>(f.Kanaele, 1)) << f.Name;
        EXPECT_EQ(d.KanalInfo[KanalInfoZeile::KanalTyp][0], f.Erwartet) << f.Name;
        for (const auto& zeile : d.KanalInfo) {
            EXPECT_EQ(zeile.size(), d.KanalAnzahl) << f.Name;
        }
    }
}

TEST(MessDateiEinlesen, ForeignFileOffersRawImport) {
    for (const int antwort : {mrYes, mrNo}) {
        TMessProgramm p;
        p.Benutzer.FrageAntwort = antwort;
        DateiSchreiben(p.Pfad("fremd.txt"), "kein Messformat");
        const TEinleseErgebnis e =
            MessDateiEinlesen(p.App, p.Pfad("fremd.txt"), false, p.App.ArbeitsDatei);
        EXPECT_EQ(p.Benutzer.Nummern(), (QList<int>{3, 16}));
        EXPECT_TRUE(p.Benutzer.Gezeigt[0].Text.contains("???"));
        EXPECT_EQ(e.Weg, antwort == mrYes ? TEinleseWeg::RohGelesen : TEinleseWeg::Abgelehnt);
        EXPECT_EQ(p.App.ArbeitsDatei.Messreihen.size(), antwort == mrYes ? 1 : 0);
    }
}

} // namespace
