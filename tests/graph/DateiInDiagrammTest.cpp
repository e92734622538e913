#include "graph/DateiInDiagramm.h"
#include "app/TAnwendung.h"
#include "formula/TParser.h"
#include "graph/Farben.h"
#include "shell/TSkriptBenutzer.h"

#include <gtest/gtest.h>

namespace {

// A measurement with the given channel types; one active series per channel, Kanal = index,
// series i with n_i points at times 100 + i + j.
TMessDatei Messung(const QVector<quint8>& typen, const QVector<int>& punkte) {
    TMessDatei m;
    m.KanalAnzahl = quint8(typen.size());
    m.KanalInfo = {typen, QVector<quint8>(typen.size(), 12), QVector<quint8>(typen.size(), 255),
                   QVector<quint8>(typen.size(), 1)};
    m.Auftrag.AuftragName = QStringLiteral("Auftrag 7");
    m.Auftrag.Kommentar = QStringLiteral("Kommentar");
    for (int i = 0; i < punkte.size(); ++i) {
        TMessreihe r;
        r.Aktiv = 1;
        r.Kanal = quint8(i);
        r.Messkonstante = 1;
        r.Name = QStringLiteral("Reihe %1").arg(i);
        r.Anzahl = quint32(punkte[i]);
        for (int j = 0; j < punkte[i]; ++j) {
            r.Messwerte[0].append(100 + i + j);
            r.Messwerte[1].append(10 * i + j);
        }
        m.Messreihen.append(r);
    }
    return m;
}

class DateiInDiagrammTest : public ::testing::Test {
protected:
    DateiInDiagrammTest() {
        App.DefaultKurve.Name = QStringLiteral("Default");
        App.DefaultKurve.Sichtbar = true;
        App.DefaultKurve.AchseRechts = true;
        App.DefaultKurve.Linienstil = 2;
        App.DefaultKurve.Linienbreite = 4;
        App.DefaultKurve.Punktstil = 6;
        App.DefaultKurve.Intervall = 9;
        App.DefaultKurve.YFaktor = 9;
        App.DefaultKurve.Start = 9;
        App.DefaultKurve.YOffset = 9;
    }
    QStringList Namen() const {
        QStringList n;
        for (const TKurve& k : D.Kurven) {
            n << k.Name;
        }
        return n;
    }

    TSkriptBenutzer Benutzer;
    TAnwendung App{Benutzer};
    TParser Parser;
    TDiagramm D;
};

TEST_F(DateiInDiagrammTest, CurvesByChannelTypeColouredBySeriesIndex) {
    TMessDatei m = Messung({ktAna, ktPara, ktAna}, {3, 3, 3});
    ASSERT_TRUE(DateiInDiagramm(App, App.DefaultKurve, Parser, m, D));
    ASSERT_EQ(Namen(), (QStringList{"Reihe 0", "Reihe 2"}));
    EXPECT_EQ(D.Kurven[0].Linienfarbe, Farbe::clBlack);
    EXPECT_EQ(D.Kurven[1].Linienfarbe, Farbe::clGreen);
    EXPECT_EQ(D.Kurven[1].Punktfarbe, Farbe::clGreen);
    EXPECT_EQ(D.Titel, QStringLiteral("Auftrag 7"));
    EXPECT_EQ(D.Fusszeile, QStringLiteral("Kommentar"));
    EXPECT_TRUE(D.Legende && D.DatumZeitAchse);
    EXPECT_TRUE(D.AchseLinks.MinMaxAutomatik && D.AchseUnten.MinMaxAutomatik &&
                D.AchseRechts.MinMaxAutomatik);

    const TKurve& k = D.Kurven[1];
    EXPECT_EQ(k.Werte[0], (QVector<double>{102, 103, 104}));
    EXPECT_EQ(k.Werte[1], (QVector<double>{20, 21, 22}));
    EXPECT_EQ(k.Anzahl, 3u);
    // Neutral factors; the rest from DefaultKurve.
    EXPECT_EQ(k.Intervall, 1);
    EXPECT_EQ(k.YFaktor, 1);
    EXPECT_EQ(k.Start, 0);
    EXPECT_EQ(k.YOffset, 0);
    EXPECT_TRUE(k.Sichtbar && k.AchseRechts);
    EXPECT_EQ(k.Linienstil, 2);
    EXPECT_EQ(k.Linienbreite, 4);
    EXPECT_EQ(k.Punktstil, 6);
}

TEST_F(DateiInDiagrammTest, InactiveAndUnknownSeriesGiveNoCurve) {
    TMessDatei m = Messung({ktNul, ktBin, ktSBin, ktSAna, 7, ktAna}, {1, 1, 1, 1, 1, 1});
    m.Messreihen[1].Aktiv = 0;
    m.Messreihen[5].Aktiv = 2; // only the lowest bit counts
    ASSERT_TRUE(DateiInDiagramm(App, App.DefaultKurve, Parser, m, D));
    EXPECT_EQ(Namen(), (QStringList{"Reihe 0", "Reihe 2", "Reihe 3"}));
}

TEST_F(DateiInDiagrammTest, SeventeenthSeriesIsBlackAgain) {
    TMessDatei m = Messung(QVector<quint8>(17, ktAna), QVector<int>(17, 1));
    ASSERT_TRUE(DateiInDiagramm(App, App.DefaultKurve, Parser, m, D));
    ASSERT_EQ(D.Kurven.size(), 17);
    for (int i = 0; i < 17; ++i) {
        EXPECT_EQ(D.Kurven[i].Linienfarbe, Farben::KurvenFarben[i % 16]) << i;
    }
    EXPECT_EQ(D.Kurven[16].Linienfarbe, Farbe::clBlack);
}

TEST_F(DateiInDiagrammTest, SeriesWithoutChannelAreCalculated) {
    TMessDatei m = Messung({ktAna, ktAna}, {5, 5, 0, 0});
    m.Messreihen[2].Name = QStringLiteral("Summe=M0+M1");
    m.Messreihen[2].Anzahl = 77; // set to 0 by the import
    m.Messreihen[3].Name = QStringLiteral("Flaeche=IGR(M0)");
    ASSERT_TRUE(DateiInDiagramm(App, App.DefaultKurve, Parser, m, D));
    ASSERT_EQ(D.Kurven.size(), 4);
    EXPECT_EQ(D.Kurven[2].Werte[0], (QVector<double>{100, 101, 102, 103}));
    EXPECT_EQ(D.Kurven[2].Werte[1], (QVector<double>{10, 12, 14, 16}));
    EXPECT_EQ(D.Kurven[2].Anzahl, 0u);
    EXPECT_EQ(D.Kurven[3].Werte[1], (QVector<double>{0, 1, 3, 6}));
    // The caller's record holds the computed values too.
    EXPECT_EQ(m.Messreihen[2].Messwerte, D.Kurven[2].Werte);
    EXPECT_EQ(m.Messreihen[2].Anzahl, 0u);
}

TEST_F(DateiInDiagrammTest, CompChannelIsCalculatedAndAFaultyFormulaStillMakesACurve) {
    TMessDatei m = Messung({ktAna, ktComp, ktComp}, {3, 0, 0});
    m.Messreihen[1].Name = QStringLiteral("Doppelt=M0*2");
    m.Messreihen[2].Name = QStringLiteral("Falsch=M0**");
    m.Messreihen[2].Nullwert = 1;
    m.Messreihen[2].Messkonstante = 5;
    ASSERT_TRUE(DateiInDiagramm(App, App.DefaultKurve, Parser, m, D));
    ASSERT_EQ(D.Kurven.size(), 3);
    EXPECT_EQ(D.Kurven[1].Werte[1], (QVector<double>{0, 2}));
    EXPECT_EQ(D.Kurven[2].Werte[1], (QVector<double>{5, 5}));
    EXPECT_EQ(Benutzer.Nummern(), (QList<int>{35}));
}

TEST_F(DateiInDiagrammTest, XMinComesFromThisCallsFirstPointOnwards) {
    D.XMin = -50; // from an earlier read: not kept
    TKurve alt;
    alt.Name = QStringLiteral("alt");
    D.Kurven = {alt};
    TMessDatei m = Messung({ktAna, ktAna, ktAna}, {0, 2, 3});
    m.Messreihen[2].Messwerte[0][2] = 90;
    ASSERT_TRUE(DateiInDiagramm(App, App.DefaultKurve, Parser, m, D));
    EXPECT_EQ(Namen(), (QStringList{"alt", "Reihe 0", "Reihe 1", "Reihe 2"}));
    EXPECT_TRUE(D.Kurven[1].Werte[0].isEmpty() && D.Kurven[1].Werte[1].isEmpty());
    EXPECT_EQ(D.XMin, 90);

    // Importing the same measurement again appends every curve a second time.
    ASSERT_TRUE(DateiInDiagramm(App, App.DefaultKurve, Parser, m, D));
    EXPECT_EQ(D.Kurven.size(), 7);

    // No point at all: XMin stays.
    TMessDatei leer = Messung({ktAna}, {0});
    ASSERT_TRUE(DateiInDiagramm(App, App.DefaultKurve, Parser, leer, D));
    EXPECT_EQ(D.XMin, 90);
}

TEST_F(DateiInDiagrammTest, ErrorInACalculatedSeriesLeavesTheDocument) {
    D.Titel = QStringLiteral("vorher");
    TMessDatei m = Messung({ktAna, ktAna}, {3, 3, 0});
    m.Messreihen[2].Name = QStringLiteral("Q=M0/M1");
    m.Messreihen[1].Messwerte[1][0] = 0; // division by zero in the first point
    const TDiagramm vorher = D;
    const TErgebnis e = DateiInDiagramm(App, App.DefaultKurve, Parser, m, D);
    EXPECT_FALSE(e);
    EXPECT_FALSE(e.Meldung.isEmpty());
    EXPECT_EQ(D, vorher);
}

} // namespace

TEST_F(DateiInDiagrammTest, AddingToAGraphKeepsItsTextsAndGivesUnusedColours) {
    TMessDatei erste = Messung({ktAna, ktAna}, {2, 2});
    ASSERT_TRUE(DateiInDiagramm(App, App.DefaultKurve, Parser, erste, D));
    TMessDatei zweite = Messung({ktAna, ktAna, ktAna}, {2, 2, 2});
    zweite.Auftrag.AuftragName = QStringLiteral("Anderer Auftrag");
    zweite.Auftrag.Kommentar = QStringLiteral("Anderer Kommentar");
    ASSERT_TRUE(DateiInDiagramm(App, App.DefaultKurve, Parser, zweite, D));

    EXPECT_EQ(D.Titel, QStringLiteral("Auftrag 7"));
    EXPECT_EQ(D.Fusszeile, QStringLiteral("Kommentar"));
    ASSERT_EQ(D.Kurven.size(), 5);
    // Black and maroon are taken: each new curve takes the first colour from its own on that
    // no curve has yet, counting the ones this import has just given.
    QVector<TColor> farben;
    for (const TKurve& k : D.Kurven) {
        farben.append(k.Linienfarbe);
        EXPECT_EQ(k.Punktfarbe, k.Linienfarbe) << k.Name.toStdString();
    }
    EXPECT_EQ(farben, (QVector<TColor>{Farbe::clBlack, Farbe::clMaroon, Farbe::clGreen,
                                       Farbe::clOlive, Farbe::clNavy}));
}

TEST_F(DateiInDiagrammTest, RawBytesAreShownOverTheirIndexUnderTheFilesName) {
    TMessDatei m = Messung({ktAna}, {3});
    m.Auftrag.AuftragName = QStringLiteral("vom letzten Auftrag");
    m.Auftrag.Kommentar = QStringLiteral("alter Kommentar");
    D.Titel = QStringLiteral("Vorlage");
    ASSERT_TRUE(DateiInDiagramm(App, App.DefaultKurve, Parser, m, D,
                                TImportQuelle{QStringLiteral("/tmp/x/notiz.ome"), true}));
    EXPECT_EQ(D.Titel, QStringLiteral("notiz.ome"));
    EXPECT_TRUE(D.Fusszeile.isEmpty());
    EXPECT_FALSE(D.DatumZeitAchse);
    EXPECT_EQ(D.XMin, 0);
    ASSERT_EQ(D.Kurven.size(), 1);
    EXPECT_EQ(D.Kurven[0].Werte[0], (QVector<double>{0, 1, 2}));
    EXPECT_EQ(D.Kurven[0].Werte[1], (QVector<double>{0, 1, 2}));
    // The measurement itself keeps its time stamps.
    EXPECT_EQ(m.Messreihen[0].Messwerte[0], (QVector<double>{100, 101, 102}));
}
