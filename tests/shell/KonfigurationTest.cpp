#include "TestHilfen.h"
#include "shell/Konfiguration.h"
#include "app/AnwendungStarten.h"
#include "shell/TIniDatei.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

const QStringList kAllgemeinSchluessel = {
    "Daten-Pfad",        "Hilfe-Pfad",       "Konfigurations-Pfad", "Firmen-Name",
    "Abteilung",         "Benutzer",         "LogFile",             "Alte File-Dialoge",
    "Links",             "Oben",             "Hoehe",               "Breite",
    "Maximiert",         "Fenster Links",    "Fenster Oben",        "Fenster Hoehe",
    "Fenster Breite",    "Fenster Maximiert", "Fenster Statistik", "Zeitformat kurz",    "Zeitformat lang",
    "Datumsformat kurz", "Datumsformat lang", "Zeit/Datumsformat",  "Dezimaltrenner",
    "Sprache"};

void Starten(TTestProgramm& t) { AnwendungStarten(t.App, QString(), t.Pfad()); }

TEST(ProgrammStart, FirstStartCreatesBothFilesWithEveryDefault) {
    TTestProgramm t;
    Starten(t);
    const QString config = t.Pfad("Config/");
    const TAppConst& a = t.App.AppConst;
    EXPECT_EQ(a.InternerName, "ORVAN");
    EXPECT_EQ(a.Beschreibung, "Kurven-Auswertungs-Software");
    EXPECT_EQ(a.Version, "0.31/29");
    EXPECT_EQ(a.PrgKonfigPfad, config);
    EXPECT_EQ(a.DatenPfad, t.Pfad("Daten/"));
    for (const QString& datei : {QStringLiteral("ORVANPrg.cfg"), QStringLiteral("ORVANUser.cfg")}) {
        const TIniDatei ini(config + datei);
        ASSERT_TRUE(ini.Vorhanden()) << datei.toStdString();
        EXPECT_EQ(ini.Abschnitte().mid(0, 2), QStringList({"Allgemein", "Hardware"}));
        EXPECT_FALSE(ini.AbschnittVorhanden("Einheiten"));
        EXPECT_EQ(ini.Schluessel("Allgemein"), kAllgemeinSchluessel);
        EXPECT_EQ(ini.Schluessel("Hardware"), QStringList({"Serielle Port-Nr.", "Geraet"}));
        EXPECT_EQ(ini.LiesText("Allgemein", "Konfigurations-Pfad", ""), config);
        EXPECT_EQ(ini.LiesText("Allgemein", "Zeit/Datumsformat", ""), "dd.MM.yyyy HH:mm:ss.zzz");
        EXPECT_EQ(ini.LiesText("Allgemein", "Maximiert", ""), "1");
        EXPECT_EQ(ini.LiesText("Hardware", "Geraet", ""), "unbekannt");
    }
}

TEST(ProgrammStart, UserFileOverridesWithFixedDefaultsButKeepsThePathsOfTheProgramFile) {
    TTestProgramm t;
    QDir().mkpath(t.Pfad("Config"));
    QDir().mkpath(t.Pfad("anderswo"));
    DateiSchreiben(t.Pfad("Config/ORVANPrg.cfg"),
                   "[Allgemein]\nKonfigurations-Pfad=" + t.Pfad("anderswo/tief/").toUtf8() +
                       "\nDaten-Pfad=/daten/prg/\nFirmen-Name=Programmfirma\n"
                       "[Einheiten]\nDigit=dig,1,0,Digit\nSekunde=s,1,0,Sekunde\n");
    QDir().mkpath(t.Pfad("anderswo/tief"));
    DateiSchreiben(t.Pfad("anderswo/tief/ORVANUser.cfg"),
                   "[Allgemein]\nBenutzer=Hans\n[Einheiten]\nDigit=D,4,0,Digit\n"
                   "ms=ms,0.001,0,Sekunde\n");
    Starten(t);
    const TAppConst& a = t.App.AppConst;
    EXPECT_EQ(a.KonfigurationsPfad, t.Pfad("anderswo/tief/"));
    EXPECT_EQ(a.DatenPfad, "/daten/prg/");
    EXPECT_EQ(a.FirmenName, "Ihre Firma");
    EXPECT_EQ(a.Benutzer, "Hans");
    ASSERT_EQ(a.Einheiten.size(), 3);
    EXPECT_EQ(a.Einheiten[0], (TEinheiten{"Digit", "dig", 1, 0, "Digit"}));
    EXPECT_EQ(a.Einheiten[1], (TEinheiten{"Sekunde", "s", 1, 0, "Sekunde"}));
    EXPECT_EQ(a.Einheiten[2], (TEinheiten{"ms", "ms", 0.001, 0, "Sekunde"}));
}

TEST(ProgrammStart, UserFileInAMissingDirectoryIsCreatedWithItsParents) {
    TTestProgramm t;
    QDir().mkpath(t.Pfad("Config"));
    const QString ziel = t.Pfad("neu/a/b/");
    DateiSchreiben(t.Pfad("Config/ORVANPrg.cfg"),
                   "[Allgemein]\nKonfigurations-Pfad=" + ziel.toUtf8() + "\n");
    Starten(t);
    EXPECT_TRUE(QFile::exists(ziel + "ORVANUser.cfg"));
    EXPECT_TRUE(t.Benutzer.Nummern().isEmpty() || !t.Benutzer.Nummern().contains(4));
}

TEST(Konfiguration, DamagedUnitEntriesDoNotStopReadingAndAreKept) {
    TTestProgramm t;
    DateiSchreiben(t.Pfad("u.cfg"), "[Einheiten]\nGrad C=deg C,1,0,K\nKurz=k\nLeer=\n"
                                    "Gut=g,2.5,1,Gramm\nFalsch=f,x,y,F\n");
    TAppConst a;
    AppConstLesen(t.Pfad(), "u.cfg", a);
    ASSERT_EQ(a.Einheiten.size(), 5);
    // "deg C" without quotes splits into one field more: factor "C" is no number.
    EXPECT_EQ(a.Einheiten[0], (TEinheiten{"Grad C", "deg", 1, 1, "0"}));
    EXPECT_EQ(a.Einheiten[1], (TEinheiten{"Kurz", "k", 1, 0, ""}));
    EXPECT_EQ(a.Einheiten[2], (TEinheiten{"Leer", "", 1, 0, ""}));
    EXPECT_EQ(a.Einheiten[3], (TEinheiten{"Gut", "g", 2.5, 1, "Gramm"}));
    EXPECT_EQ(a.Einheiten[4], (TEinheiten{"Falsch", "f", 1, 0, "F"}));
}

TEST(Konfiguration, MalformedNumbersReadAsDefaults) {
    TTestProgramm t;
    DateiSchreiben(t.Pfad("m.cfg"), "[Allgemein]\nLinks=zehn\nMaximiert=ja\nFenster Hoehe=$40\n"
                                    "[Hardware]\nSerielle Port-Nr.=2.5\n");
    TAppConst a;
    a.Links = 99;
    AppConstLesen(t.Pfad(), "m.cfg", a);
    EXPECT_EQ(a.Links, 10);
    EXPECT_TRUE(a.Maximiert);
    EXPECT_EQ(a.FensterHoehe, 64);
    EXPECT_EQ(a.SeriellePortNr, 1);
}

TEST(Konfiguration, CommaAsDecimalSeparatorIsKeptButNotUsed) {
    TTestProgramm t;
    Starten(t);
    TAppConst& a = t.App.AppConst;
    a.Dezimaltrenner = ",";
    a.Einheiten.append({"ms", "ms", 0.001, 1e-5, "Sekunde"});
    ASSERT_TRUE(KonfigurationSchreiben(t.App, a.KonfigurationsPfad, a.UserKonfigDatei));
    const TIniDatei ini(a.KonfigurationsPfad + a.UserKonfigDatei);
    EXPECT_EQ(ini.LiesText("Allgemein", "Dezimaltrenner", ""), ",");
    EXPECT_EQ(ini.LiesText("Einheiten", "ms", ""), "ms,0.001,1E-5,Sekunde");
}

TEST(Konfiguration, WindowPositionWritesOnlyTheWindowKeysAndTheLanguage) {
    TTestProgramm t;
    Starten(t);
    TAppConst& a = t.App.AppConst;
    const QString user = a.KonfigurationsPfad + a.UserKonfigDatei;
    {
        TIniDatei ini(user);
        ini.SchreibeText("Allgemein", "Benutzer", "von Hand");
        ini.SchreibeText("Allgemein", "Fremd", "bleibt");
        ASSERT_TRUE(ini.Speichern());
    }
    const QByteArray vorher = DateiLesen(user);
    a.Benutzer = "im Speicher";
    a.Links = 123;
    a.FensterMaximiert = true;
    a.Sprache = "English";
    ASSERT_TRUE(FensterPositionSpeichern(t.App));
    const TIniDatei ini(user);
    EXPECT_EQ(ini.LiesText("Allgemein", "Benutzer", ""), "von Hand");
    EXPECT_EQ(ini.LiesText("Allgemein", "Fremd", ""), "bleibt");
    EXPECT_EQ(ini.LiesGanzzahl("Allgemein", "Links", 0), 123);
    EXPECT_TRUE(ini.LiesBool("Allgemein", "Fenster Maximiert", false));
    EXPECT_EQ(ini.LiesText("Allgemein", "Sprache", ""), "English");
    // Exactly three lines changed: Links, Fenster Maximiert and Sprache.
    const auto alt = vorher.split('\n');
    const auto neu = DateiLesen(user).split('\n');
    ASSERT_EQ(alt.size(), neu.size());
    int geaendert = 0;
    for (qsizetype i = 0; i < alt.size(); ++i) {
        geaendert += alt[i] != neu[i];
    }
    EXPECT_EQ(geaendert, 3);
}

TEST(Konfiguration, DirectoryThatCannotBeCreatedShowsMessage4AndWritesNothing) {
    TTestProgramm t;
    DateiSchreiben(t.Pfad("blockiert"), "eine Datei, kein Verzeichnis");
    t.App.AppConst.UserKonfigDatei = "ORVANUser.cfg";
    EXPECT_FALSE(KonfigurationSchreiben(t.App, t.Pfad("blockiert/unter/"), "ORVANUser.cfg"));
    ASSERT_EQ(t.Benutzer.Nummern(), QList<int>({4}));
    EXPECT_TRUE(t.Benutzer.Gezeigt[0].Text.contains(t.Pfad("blockiert/unter/")));
}

TEST(Konfiguration, FileThatCannotBeWrittenIsReportedAndStartUpGoesOn) {
    TTestProgramm t;
    // A directory where the user file should be: the directory exists, the file cannot be
    // written.
    QDir().mkpath(t.Pfad("Config/ORVANUser.cfg"));
    Starten(t);
    EXPECT_TRUE(t.Benutzer.Nummern().contains(29));
    EXPECT_TRUE(QFile::exists(t.Pfad("Config/ORVANPrg.cfg")));
    EXPECT_EQ(t.App.AppConst.Sprache, "Deutsch");
}

} // namespace
