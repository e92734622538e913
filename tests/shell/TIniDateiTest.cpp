#include "shell/TIniDatei.h"
#include "TestHilfen.h"

#include <QDir>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

TEST(TIniDatei, NamesMatchWithoutRegardToCaseAndValuesAreReplacedInPlace) {
    TTestProgramm t;
    const QString pfad = t.Pfad("a.cfg");
    DateiSchreiben(pfad, "; Kommentar\n[Allgemein]\nErster=1\nZweiter = zwei \n"
                         "unbekannte Zeile\n\n[Hardware]\nGeraet=TypA\n");
    TIniDatei ini(pfad);
    EXPECT_EQ(ini.LiesText("ALLGEMEIN", "zweiter", "x"), "zwei");
    ini.SchreibeText("allgemein", "ERSTER", "eins");
    ini.SchreibeText("Allgemein", "Dritter", "3");
    ini.SchreibeText("Neu", "Schluessel", "wert");
    EXPECT_EQ(ini.Text(), "; Kommentar\n[Allgemein]\nErster=eins\nZweiter = zwei \nDritter=3\n"
                          "unbekannte Zeile\n\n[Hardware]\nGeraet=TypA\n[Neu]\nSchluessel=wert\n");
    EXPECT_EQ(ini.Schluessel("allgemein"), QStringList({"Erster", "Zweiter", "Dritter"}));
    EXPECT_EQ(ini.Abschnitte(), QStringList({"Allgemein", "Hardware", "Neu"}));
}

TEST(TIniDatei, ValuesAreTrimmedAndLoseOnePairOfQuotes) {
    struct Fall {
        const char* Zeile;
        const char* Erwartet;
    };
    const Fall faelle[] = {
        {"k=  text  ", "text"},
        {"k=\" ist besetzt!\"", " ist besetzt!"},
        {"k=\"\"innen\"\"", "\"innen\""},
        {"k=\"nur vorne", "\"nur vorne"},
        {"k=\"", "\""},
        {"k=", ""},
    };
    TTestProgramm t;
    for (const Fall& f : faelle) {
        DateiSchreiben(t.Pfad("q.cfg"), QByteArray("[S]\n") + f.Zeile + "\n");
        EXPECT_EQ(TIniDatei(t.Pfad("q.cfg")).LiesText("S", "k", "vorgabe"),
                  QString::fromUtf8(f.Erwartet))
            << f.Zeile;
    }
}

TEST(TIniDatei, MissingFileReadsAsEmptyAndIsCreatedOnSave) {
    TTestProgramm t;
    TIniDatei ini(t.Pfad("fehlt.cfg"));
    EXPECT_FALSE(ini.Vorhanden());
    EXPECT_EQ(ini.LiesText("A", "b", "vorgabe"), "vorgabe");
    EXPECT_EQ(ini.LiesGanzzahl("A", "b", 42), 42);
    ini.SchreibeGanzzahl("A", "b", 7);
    ASSERT_TRUE(ini.Speichern());
    EXPECT_EQ(TIniDatei(t.Pfad("fehlt.cfg")).LiesGanzzahl("a", "B", 0), 7);
}

TEST(TIniDatei, NumbersAndBooleansFallBackToTheDefaultWhenMalformed) {
    TTestProgramm t;
    DateiSchreiben(t.Pfad("n.cfg"), "[Z]\ndez=-12\nhex1=$1F\nhex2=0x10\nkaputt=12a\n"
                                    "leer=\nbool0=0\nboolx=7\nboolkaputt=ja\n"
                                    "f1=+2.5\nf2=1E-5\nf3=2,5\ngross=99999999999\n");
    const TIniDatei ini(t.Pfad("n.cfg"));
    EXPECT_EQ(ini.LiesGanzzahl("Z", "dez", 0), -12);
    EXPECT_EQ(ini.LiesGanzzahl("Z", "hex1", 0), 31);
    EXPECT_EQ(ini.LiesGanzzahl("Z", "hex2", 0), 16);
    EXPECT_EQ(ini.LiesGanzzahl("Z", "kaputt", 5), 5);
    EXPECT_EQ(ini.LiesGanzzahl("Z", "leer", 5), 5);
    EXPECT_EQ(ini.LiesGanzzahl("Z", "gross", 5), 5);
    EXPECT_FALSE(ini.LiesBool("Z", "bool0", true));
    EXPECT_TRUE(ini.LiesBool("Z", "boolx", false));
    EXPECT_TRUE(ini.LiesBool("Z", "boolkaputt", true));
    EXPECT_FALSE(ini.LiesBool("Z", "boolkaputt", false));
    EXPECT_DOUBLE_EQ(ini.LiesGleitzahl("Z", "f1", 0), 2.5);
    EXPECT_DOUBLE_EQ(ini.LiesGleitzahl("Z", "f2", 0), 1e-5);
    EXPECT_DOUBLE_EQ(ini.LiesGleitzahl("Z", "f3", 9), 9);
}

TEST(TIniDatei, ErasingASectionRemovesAllItsLines) {
    TTestProgramm t;
    DateiSchreiben(t.Pfad("e.cfg"), "[A]\nx=1\n[Einheiten]\nDigit=dig,1,0,Digit\n\n[B]\ny=2\n");
    TIniDatei ini(t.Pfad("e.cfg"));
    EXPECT_TRUE(ini.AbschnittLoeschen("einheiten"));
    EXPECT_FALSE(ini.AbschnittLoeschen("einheiten"));
    EXPECT_EQ(ini.Text(), "[A]\nx=1\n[B]\ny=2\n");
}

TEST(TIniDatei, KeepsTheEncodingAndLineEndsItWasReadIn) {
    TTestProgramm t;
    // "Geräte" in Windows-1252, with CR LF line ends: not valid UTF-8.
    DateiSchreiben(t.Pfad("alt.cfg"), "[S]\r\nName=Ger\xE4te \x80\r\n");
    TIniDatei alt(t.Pfad("alt.cfg"));
    EXPECT_EQ(alt.LiesText("S", "Name", ""), QString::fromUtf8("Geräte €"));
    alt.SchreibeText("S", "Neu", QString::fromUtf8("Öl"));
    ASSERT_TRUE(alt.Speichern());
    EXPECT_EQ(DateiLesen(t.Pfad("alt.cfg")), "[S]\r\nName=Ger\xE4te \x80\r\nNeu=\xD6l\r\n");

    DateiSchreiben(t.Pfad("neu.cfg"), "[S]\nName=Geräte\n");
    TIniDatei neu(t.Pfad("neu.cfg"));
    EXPECT_EQ(neu.LiesText("S", "Name", ""), QString::fromUtf8("Geräte"));
    ASSERT_TRUE(neu.Speichern());
    EXPECT_EQ(DateiLesen(t.Pfad("neu.cfg")), "[S]\nName=Geräte\n");
}

// A UTF-8 file with one stray Windows-1252 byte: only that line is read as Windows-1252, the
// umlauts of every other line stay what they are, and the file goes back as UTF-8.
TEST(TIniDatei, AStrayByteSpoilsOnlyItsOwnLine) {
    TTestProgramm t;
    DateiSchreiben(t.Pfad("s.cfg"), "[Deutsch]\nA=Geräte\nB=Ger\xE4t\nC=Öl und Übung\n");
    TIniDatei ini(t.Pfad("s.cfg"));
    EXPECT_EQ(ini.LiesText("Deutsch", "A", ""), QString::fromUtf8("Geräte"));
    EXPECT_EQ(ini.LiesText("Deutsch", "B", ""), QString::fromUtf8("Gerät"));
    EXPECT_EQ(ini.LiesText("Deutsch", "C", ""), QString::fromUtf8("Öl und Übung"));
    EXPECT_EQ(ini.Windows1252Zeile(), 3);
    ASSERT_TRUE(ini.Speichern());
    EXPECT_EQ(DateiLesen(t.Pfad("s.cfg")), "[Deutsch]\nA=Geräte\nB=Gerät\nC=Öl und Übung\n");
}

// Files far beyond any INI file of the program are refused with a reason before they cost
// time and memory, read as empty, and are never written over.
TEST(TIniDatei, HugeFilesAreRefusedAndKept) {
    const struct {
        const char* Name;
        QByteArray Inhalt;
    } faelle[] = {
        {"one line of 5 MB", "[S]\nk=" + QByteArray(5 << 20, 'x') + "\n"},
        {"150000 short lines", "[S]\n" + QByteArray(150000, '\n')},
    };
    TTestProgramm t;
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.Name);
        DateiSchreiben(t.Pfad("g.cfg"), f.Inhalt);
        TIniDatei ini(t.Pfad("g.cfg"));
        EXPECT_TRUE(ini.Vorhanden());
        EXPECT_FALSE(ini.Lesefehler().isEmpty());
        EXPECT_FALSE(ini.AbschnittVorhanden("S"));
        ini.SchreibeText("S", "k", "neu");
        QString fehler;
        const TErgebnis ergebnis = ini.Speichern();
        EXPECT_FALSE(ergebnis);
        fehler = ergebnis.Meldung;
        EXPECT_EQ(fehler, ini.Lesefehler());
        EXPECT_EQ(DateiLesen(t.Pfad("g.cfg")), f.Inhalt);
    }
    // Just below the limits the file is read.
    DateiSchreiben(t.Pfad("g.cfg"), "[S]\nk=v" + QByteArray(TIniDatei::kMeisteZeilen - 2, '\n'));
    const TIniDatei ini(t.Pfad("g.cfg"));
    EXPECT_TRUE(ini.Lesefehler().isEmpty());
    EXPECT_EQ(ini.LiesText("S", "k", ""), "v");
}

TEST(TIniDatei, AFailedWriteLeavesThePreviousFileIntact) {
    if (geteuid() == 0) {
        // root writes into read-only directories; use a directory that cannot exist instead
        TTestProgramm t;
        DateiSchreiben(t.Pfad("datei"), "kein Verzeichnis");
        TIniDatei ini(t.Pfad("datei/x.cfg"));
        ini.SchreibeText("A", "b", "c");
        QString fehler;
        const TErgebnis ergebnis = ini.Speichern();
        EXPECT_FALSE(ergebnis);
        fehler = ergebnis.Meldung;
        EXPECT_FALSE(fehler.isEmpty());
        EXPECT_EQ(DateiLesen(t.Pfad("datei")), "kein Verzeichnis");
        return;
    }
    TTestProgramm t;
    QDir().mkpath(t.Pfad("ro"));
    DateiSchreiben(t.Pfad("ro/x.cfg"), "[A]\nb=alt\n");
    QFile::setPermissions(t.Pfad("ro"), QFile::ReadOwner | QFile::ExeOwner);
    TIniDatei ini(t.Pfad("ro/x.cfg"));
    ini.SchreibeText("A", "b", "neu");
    EXPECT_FALSE(ini.Speichern());
    QFile::setPermissions(t.Pfad("ro"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(DateiLesen(t.Pfad("ro/x.cfg")), "[A]\nb=alt\n");
}

} // namespace
