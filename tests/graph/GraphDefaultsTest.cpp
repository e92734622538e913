#include "graph/GraphDefaults.h"
#include "app/AnwendungStarten.h"
#include "app/TAnwendung.h"
#include "graph/Farben.h"
#include "shell/TIniDatei.h"
#include "shell/TSkriptBenutzer.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class GraphDefaultsTest : public ::testing::Test {
protected:
    TIniDatei Ini(const QByteArray& inhalt) {
        const QString pfad = Dir.filePath(QStringLiteral("ORVANUser.cfg"));
        QFile f(pfad);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(inhalt);
        f.close();
        return TIniDatei(pfad);
    }
    QTemporaryDir Dir;
};

TEST_F(GraphDefaultsTest, EmptyFileGivesTheBuiltInDefaults) {
    const TIniDatei ini = Ini("");
    TDiagramm d;
    d.Kurven.resize(2); // not kept in the configuration: untouched
    d.XMin = 3;
    GraphDefaults::DiagrammDefaultLesen(ini, d);
    TKurve k;
    GraphDefaults::KurveDefaultLesen(ini, k);

    TDiagramm e;
    e.Kurven.resize(2);
    e.XMin = 3;
    e.Titel = QStringLiteral("Titel");
    e.Fusszeile = QStringLiteral("Fusszeile");
    e.Rahmenfarbe = Farbe::clSilver;
    e.Hintergrundfarbe = Farbe::clWhite;
    e.Schriftfarbe = Farbe::clBlack;
    e.Legende = true;
    e.AchseLinks = {
        QStringLiteral("Achse Links"), -10, 10, false, 5, 4, 2, false, Farbe::clGray, QString()};
    e.AchseUnten = {
        QStringLiteral("Achse Unten"), 0, 100, false, 10, 10, 2, false, Farbe::clGray, QString()};
    e.AchseRechts = {
        QStringLiteral("Achse Rechts"), 0, 100, false, 10, 10, 2, false, Farbe::clGray, QString()};
    e.MarkerStil = 2;
    e.MarkerFarbe = Farbe::clRed; // reads on white, unlike yellow
    EXPECT_EQ(d, e);

    TKurve ek;
    ek.Name = QStringLiteral("Default-Kurve");
    ek.Sichtbar = true;
    ek.AchseRechts = false;
    ek.Intervall = 1;
    ek.Start = 0;
    ek.YOffset = 0;
    ek.YFaktor = 1;
    ek.Linienfarbe = Farbe::clBlack;
    ek.Linienstil = 0;
    ek.Linienbreite = 1;
    ek.LinieSichtbar = true;
    ek.Punktfarbe = Farbe::clBlack;
    ek.Punktstil = 8;
    ek.Punktbreite = 3;
    ek.PunktSichtbar = true;
    EXPECT_EQ(k, ek);
}

TEST_F(GraphDefaultsTest, WrittenValuesReadBackAndUseTheFileSpelling) {
    TDiagramm d;
    d.Titel = QStringLiteral("Mein Titel");
    d.Fusszeile = QString();
    d.Rahmenfarbe = 0x00123456; // no name: "$" and eight hex digits
    d.Hintergrundfarbe = 0xF0CAA6;
    d.Schriftfarbe = 0x8000000F;
    d.Legende = false;
    d.AchseLinks = {QStringLiteral("T"), -2.5, 1e-7, true, 0.1, 7, 4, true, Farbe::clRed,
                    QStringLiteral("°C")};
    d.AchseUnten.Titel = QStringLiteral("U");
    d.AchseRechts.Titel = QStringLiteral("R");
    d.MarkerStil = 6;
    d.MarkerFarbe = Farbe::clAqua;
    TKurve k;
    k.Name = QStringLiteral("K");
    k.Sichtbar = false;
    k.AchseRechts = true;
    k.Intervall = 0.5;
    k.Start = -4;
    k.YOffset = 2;
    k.YFaktor = 3;
    k.Linienfarbe = 0xFEDCBA;
    k.Linienstil = 3;
    k.Linienbreite = 2;
    k.LinieSichtbar = false;
    k.Punktfarbe = Farbe::clLime;
    k.Punktstil = 7;
    k.Punktbreite = 9;
    k.PunktSichtbar = false;

    TIniDatei ini = Ini("");
    GraphDefaults::DiagrammDefaultSchreiben(ini, d);
    GraphDefaults::KurveDefaultSchreiben(ini, k);
    ASSERT_TRUE(ini.Speichern());
    const QString text = ini.Text();
    for (const char* zeile :
         {"Rahmenfarbe=$00123456", "Hintergrundfarbe=clSkyBlue", "Schriftfarbe=clBtnFace",
          "Gitteranzahl=7", "Gitterstil=psDashDotDot", "Linienstil=psInsideFrame",
          "Linienfarbe=$00FEDCBA", "Punktstil=psDiamond", "Y - Faktor=3", "Minimum=-2.5",
          "Maximum=1E-7"}) {
        EXPECT_TRUE(text.contains(QLatin1String(zeile))) << zeile << "\n" << text.toStdString();
    }

    const TIniDatei zurueck(ini.Pfad());
    TDiagramm d2;
    GraphDefaults::DiagrammDefaultLesen(zurueck, d2);
    TKurve k2;
    GraphDefaults::KurveDefaultLesen(zurueck, k2);
    EXPECT_EQ(d2, d);
    EXPECT_EQ(k2, k);
}

TEST_F(GraphDefaultsTest, OddValuesInTheFile) {
    const TIniDatei ini = Ini("[achse links]\n"
                              "gitteranzahl=7\n"
                              "Maximum=+10\n"
                              "Minimum=abc\n"
                              "Gitterabstand=2\n"
                              "Gitterstil=psdot\n"
                              "Gitterfarbe=clgreen\n"
                              "[Achse Unten]\n"
                              "Gitterfarbe=255\n"
                              "[Achse Rechts]\n"
                              "Gitterfarbe=nichts\n"
                              "[Kurve]\n"
                              "Punktstil=Kreis\n"
                              "Punktfarbe=$0000FF00\n"
                              "Linienbreite=x\n"
                              "Punktbreite=4\n");
    TDiagramm d;
    GraphDefaults::DiagrammDefaultLesen(ini, d);
    EXPECT_EQ(d.AchseLinks.GitterAnzahl, 7);
    EXPECT_EQ(d.AchseLinks.Maximum, 10);
    // A value that is no number reads as its default, and the keys after it are still read.
    EXPECT_EQ(d.AchseLinks.Minimum, -10);
    EXPECT_EQ(d.AchseLinks.Gitterabstand, 2);
    EXPECT_EQ(d.AchseLinks.Gitterstil, 0); // style names are matched exactly
    EXPECT_EQ(d.AchseLinks.Gitterfarbe, Farbe::clGreen);
    EXPECT_EQ(d.AchseUnten.Gitterfarbe, 255u);
    EXPECT_EQ(d.AchseRechts.Gitterfarbe, Farbe::clGray);
    TKurve k;
    GraphDefaults::KurveDefaultLesen(ini, k);
    EXPECT_EQ(k.Punktstil, 0);
    EXPECT_EQ(k.Punktfarbe, Farbe::clLime);
    EXPECT_EQ(k.Linienbreite, 1);
    EXPECT_EQ(k.Punktbreite, 4);
}

TEST(Farben, EveryNameReadsBackAndOtherValuesAsHex) {
    for (TColor f : Farben::KurvenFarben) {
        const QString name = Farben::FarbeText(f);
        EXPECT_TRUE(name.startsWith(QStringLiteral("cl"))) << name.toStdString();
        EXPECT_EQ(Farben::FarbeWert(name), f) << name.toStdString();
    }
    EXPECT_EQ(Farben::FarbeText(Farbe::clGreen), QStringLiteral("clGreen"));
    EXPECT_EQ(Farben::FarbeText(0x00FF8000), QStringLiteral("$00FF8000"));
    EXPECT_EQ(Farben::FarbeWert(QStringLiteral("$00FF8000")), 0x00FF8000u);
    EXPECT_EQ(Farben::FarbeWert(QStringLiteral("16711680")), Farbe::clBlue);
    EXPECT_EQ(Farben::FarbeWert(QStringLiteral("-2147483633")), 0x8000000Fu);
    EXPECT_EQ(Farben::FarbeWert(QStringLiteral("CLWHITE")), Farbe::clWhite);
    EXPECT_FALSE(Farben::FarbeWert(QStringLiteral("clPink")));
    EXPECT_FALSE(Farben::FarbeWert(QString()));
    EXPECT_EQ(Farben::Darstellungsfarbe(Farbe::clTeal), Farbe::clTeal);
    EXPECT_EQ(Farben::Darstellungsfarbe(*Farben::FarbeWert(QStringLiteral("clWindow"))),
              Farbe::clWhite);
}

TEST_F(GraphDefaultsTest, TheUserFileCarriesTheDefaults) {
    TSkriptBenutzer benutzer;
    TAnwendung app(benutzer);
    const QString verzeichnis = Dir.path() + u'/';
    app.AppConst.UserKonfigDatei = QStringLiteral("ORVANUser.cfg");
    app.DefaultDiagramm.Titel = QStringLiteral("Vorlage");
    app.DefaultDiagramm.MarkerFarbe = 0x00ABCDEF;
    app.DefaultKurve.Punktbreite = 6;
    ASSERT_TRUE(EinstellungenSchreiben(app, verzeichnis, app.AppConst.UserKonfigDatei));

    TAnwendung neu(benutzer);
    neu.AppConst.UserKonfigDatei = app.AppConst.UserKonfigDatei;
    EinstellungenLesen(neu, verzeichnis, neu.AppConst.UserKonfigDatei);
    EXPECT_EQ(neu.DefaultDiagramm.Titel, QStringLiteral("Vorlage"));
    EXPECT_EQ(neu.DefaultDiagramm.MarkerFarbe, 0x00ABCDEFu);
    EXPECT_EQ(neu.DefaultKurve.Punktbreite, 6);
}

} // namespace
