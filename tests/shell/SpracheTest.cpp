#include "shell/Sprache.h"
#include "TestHilfen.h"
#include "app/AnwendungStarten.h"
#include "shell/Nachricht.h"
#include "shell/TIniDatei.h"

#include <QDir>
#include <QSet>
#include <gtest/gtest.h>

namespace {

const QString kSprachDatei = QStringLiteral(ORVAN_SOURCE_DIR "/resources/Sprache.cfg");

QString Key(const TSprachTexte::TEintrag& e) {
    return QString::fromLatin1(e.Schluessel);
}

// The keys whose text differs from the built-in default.
QStringList Geaendert(const TSprachTexte& texte) {
    const TSprachTexte vorgabe;
    QStringList namen;
    for (const auto& e : TSprachTexte::Liste()) {
        if (texte.*e.Text != vorgabe.*e.Text) {
            namen.append(Key(e));
        }
    }
    return namen;
}

// Every text set to a value that no language file holds, to see which ones a load replaced.
void AllesUeberschreiben(TSprachTexte& texte) {
    for (const auto& e : TSprachTexte::Liste()) {
        texte.*e.Text = QStringLiteral("\x01");
    }
}

// A program whose configuration directory holds the given language file.
void SprachDateiAnlegen(TTestProgramm& t, const QByteArray& inhalt) {
    QDir().mkpath(t.Pfad("Config"));
    t.App.AppConst.PrgKonfigPfad = t.Pfad("Config/");
    DateiSchreiben(t.Pfad("Config/Sprache.cfg"), inhalt);
}

void MitAusgelieferterDatei(TTestProgramm& t) {
    SprachDateiAnlegen(t, DateiLesen(kSprachDatei));
}

TEST(SprachDatei, BothLanguagesHoldExactlyTheKeysOfTheProgram) {
    QStringList programm;
    QSet<QString> klein;
    for (const auto& e : TSprachTexte::Liste()) {
        programm.append(Key(e));
        // Keys are looked up without regard to case, so two may not differ only in case.
        EXPECT_FALSE(klein.contains(Key(e).toLower())) << "key twice: " << e.Schluessel;
        klein.insert(Key(e).toLower());
    }

    const TIniDatei ini(kSprachDatei);
    ASSERT_TRUE(ini.Vorhanden()) << kSprachDatei.toStdString();
    EXPECT_EQ(ini.Abschnitte(), QStringList({"Deutsch", "English"}));
    for (const QString& sprache : ini.Abschnitte()) {
        const QStringList datei = ini.Schluessel(sprache);
        QStringList fehlend, fremd, doppelt;
        for (const QString& k : programm) {
            if (!datei.contains(k)) {
                fehlend.append(k);
            }
        }
        QSet<QString> gesehen;
        for (const QString& k : datei) {
            if (!programm.contains(k)) {
                fremd.append(k);
            }
            if (gesehen.contains(k)) {
                doppelt.append(k);
            }
            gesehen.insert(k);
        }
        EXPECT_TRUE(fehlend.isEmpty())
            << sprache.toStdString() << " lacks: " << fehlend.join(", ").toStdString();
        EXPECT_TRUE(fremd.isEmpty())
            << sprache.toStdString() << " has unknown keys: " << fremd.join(", ").toStdString();
        EXPECT_TRUE(doppelt.isEmpty())
            << sprache.toStdString() << " repeats: " << doppelt.join(", ").toStdString();
    }
}

TEST(SprachDatei, DeutschReadsBackAsTheBuiltInDefaults) {
    TTestProgramm t;
    MitAusgelieferterDatei(t);
    AllesUeberschreiben(t.App.Texte);
    SpracheLesen(t.App, "Deutsch");
    EXPECT_TRUE(t.Benutzer.Nummern().isEmpty());
    const TSprachTexte vorgabe;
    for (const auto& e : TSprachTexte::Liste()) {
        EXPECT_EQ((t.App.Texte.*e.Text).toStdString(), (vorgabe.*e.Text).toStdString())
            << e.Schluessel;
    }
}

TEST(SprachDatei, EnglishReplacesEveryTextAndKeepsTheBlanksAtItsEnds) {
    TTestProgramm t;
    MitAusgelieferterDatei(t);
    AllesUeberschreiben(t.App.Texte);
    SpracheLesen(t.App, "English");
    const TSprachTexte deutsch;
    for (const auto& e : TSprachTexte::Liste()) {
        const QString& englisch = t.App.Texte.*e.Text;
        const QString& vorgabe = deutsch.*e.Text;
        ASSERT_NE(englisch, "\x01") << e.Schluessel << " was not read";
        SCOPED_TRACE(englisch.toStdString());
        EXPECT_FALSE(englisch.trimmed().isEmpty()) << e.Schluessel;
        // Composed texts rely on these blanks.
        EXPECT_EQ(englisch.startsWith(u' '), vorgabe.startsWith(u' ')) << e.Schluessel;
        EXPECT_EQ(englisch.endsWith(u' '), vorgabe.endsWith(u' ')) << e.Schluessel;
    }
    // Quotes at one end of a text survive the file, as the composed message shows.
    EXPECT_EQ(NachrichtZusammensetzen(9, "Temp", t.App.Texte).Text,
              "(9) Curve named \" Temp \" already exists!\rPlease enter another name!");
    EXPECT_EQ(NachrichtZusammensetzen(18, "3", t.App.Texte).Text,
              "(18) The serial port no.  3  is busy!");
}

TEST(SprachDatei, BlanksAtTheEndsOfTheDefaultsAreKept) {
    const TSprachTexte t;
    const struct {
        const QString* Text;
        const char* Erwartet;
    } faelle[] = {
        {&t.Nachricht4Text1, "Pfad: "},
        {&t.Nachricht18Text1, " ist besetzt!"},
        {&t.NeuerAuftragText1, " vom "},
        {&t.DruckDatumText, " Ausdruck vom "},
        {&t.ProtokollFehlerText, "Protokollfehler: "},
        {&t.GraphEigenschaftenFormCaption, "Graph Eigenschaften von "},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(f.Text->toStdString(), f.Erwartet);
    }
}

// One line of a language section and the text it gives; every other text stays as it was.
TEST(SpracheLesen, ValueFormsOfTheFile) {
    const struct {
        const char* Zeile;
        const char* OnlineText;
    } faelle[] = {
        {"OnlineText=Verbunden", "Verbunden"},
        {"oNLINEtEXT=Verbunden", "Verbunden"},
        {"  OnlineText  =   Verbunden   ", "Verbunden"},
        {"OnlineText=\" ist besetzt!\"", " ist besetzt!"},
        {"OnlineText= ist besetzt!", "ist besetzt!"},
        {"OnlineText=\"\"zitiert\"\"", "\"zitiert\""},
        {"OnlineText=\" offen", "\" offen"},
        {"OnlineText=zu \"", "zu \""},
    };
    for (const auto& f : faelle) {
        TTestProgramm t;
        SprachDateiAnlegen(t, QByteArray("[Probe]\n") + f.Zeile + "\n");
        SpracheLesen(t.App, "Probe");
        EXPECT_EQ(t.App.Texte.OnlineText.toStdString(), f.OnlineText) << f.Zeile;
        EXPECT_EQ(Geaendert(t.App.Texte), QStringList{"OnlineText"}) << f.Zeile;
        EXPECT_TRUE(t.Benutzer.Nummern().isEmpty()) << f.Zeile;
    }
}

TEST(SpracheLesen, ALanguageTheFileLacksChangesNothingSilently) {
    TTestProgramm t;
    SprachDateiAnlegen(t, "[English]\nOnlineText=Connected\nNachricht5Text=(5) Range\n");
    SpracheLesen(t.App, "Deutsch");
    EXPECT_TRUE(Geaendert(t.App.Texte).isEmpty());
    EXPECT_TRUE(t.Benutzer.Nummern().isEmpty());
    // The section name matches without regard to case, as every INI name does.
    SpracheLesen(t.App, "english");
    EXPECT_EQ(t.App.Texte.OnlineText, "Connected");
    EXPECT_EQ(NachrichtZusammensetzen(5, "1 ... 2", t.App.Texte).Text,
              "(5) Range\r1 ... 2\rliegen!");
}

TEST(SpracheLesen, KeysTheNextLanguageLacksKeepThePreviousLanguage) {
    TTestProgramm t;
    SprachDateiAnlegen(t, "[English]\nOnlineText=Online\nOfflineText=Not connected\n"
                          "[Bairisch]\nOnlineText=Verbundn\n");
    SpracheLesen(t.App, "English");
    SpracheLesen(t.App, "Bairisch");
    EXPECT_EQ(t.App.Texte.OnlineText, "Verbundn");
    EXPECT_EQ(t.App.Texte.OfflineText, "Not connected");
}

TEST(SpracheLesen, WithoutLanguageFileMessage27AndNothingChanges) {
    TTestProgramm t;
    t.App.AppConst.PrgKonfigPfad = t.Pfad("Config/");
    t.App.Texte.OnlineText = "Connected";
    QStringList liste{"alt"};
    SprachListeLesen(t.App, liste);
    SpracheLesen(t.App, "English");
    EXPECT_TRUE(liste.isEmpty());
    EXPECT_EQ(t.App.Texte.OnlineText, "Connected");
    ASSERT_EQ(t.Benutzer.Nummern(), QList<int>({27, 27}));
    EXPECT_EQ(t.Benutzer.Gezeigt[1].Text, "(27) Keine Sprach-Datei vorhanden!\rSprache.cfg");
}

// The shipped file with one stray Windows-1252 byte in a comment line: every text still
// reads as the built-in default, umlauts included.
TEST(SprachDatei, OneStrayByteLeavesTheOtherTextsIntact) {
    TTestProgramm t;
    SprachDateiAnlegen(t, "; Stra\xDF"
                          "e\n" +
                              DateiLesen(kSprachDatei));
    AllesUeberschreiben(t.App.Texte);
    SpracheLesen(t.App, "Deutsch");
    const TSprachTexte vorgabe;
    for (const auto& e : TSprachTexte::Liste()) {
        EXPECT_EQ((t.App.Texte.*e.Text).toStdString(), (vorgabe.*e.Text).toStdString())
            << e.Schluessel;
    }
}

// A language file of absurd size is not read; the list of languages says why.
TEST(SprachListeLesen, AHugeFileIsRefusedWithAMessage) {
    TTestProgramm t;
    SprachDateiAnlegen(t, "[Deutsch]\nOnlineText=" + QByteArray(5 << 20, 'x') + "\n");
    QStringList liste{"alt"};
    SprachListeLesen(t.App, liste);
    EXPECT_TRUE(liste.isEmpty());
    ASSERT_EQ(t.Benutzer.Nummern(), QList<int>({0}));
    EXPECT_TRUE(t.Benutzer.Gezeigt[0].Text.contains("Sprache.cfg"));
    EXPECT_TRUE(t.Benutzer.Gezeigt[0].Text.contains("größer als"));
}

TEST(SprachListeLesen, SectionsInFileOrder) {
    TTestProgramm t;
    SprachDateiAnlegen(t, "; Sprachen\n[Zweite]\nOnlineText=2\n\n[Erste]\n[deutsch]\n");
    QStringList liste{"alt"};
    SprachListeLesen(t.App, liste);
    EXPECT_EQ(liste, QStringList({"Zweite", "Erste", "deutsch"}));
    EXPECT_TRUE(t.Benutzer.Nummern().isEmpty());
}

TEST(ProgrammStart, LoadsTheLanguageStoredByTheUser) {
    TTestProgramm t;
    QDir().mkpath(t.Pfad("Config"));
    DateiSchreiben(t.Pfad("Config/Sprache.cfg"), DateiLesen(kSprachDatei));
    DateiSchreiben(t.Pfad("Config/ORVANUser.cfg"), "[Allgemein]\nSprache=English\n");
    AnwendungStarten(t.App, QString(), t.Pfad());
    EXPECT_EQ(t.App.AppConst.SprachenListe, QStringList({"Deutsch", "English"}));
    EXPECT_EQ(t.App.Texte.NeuLadenText, "Please enter a name for the target file...");
    EXPECT_FALSE(t.Benutzer.Nummern().contains(27));
}

TEST(ProgrammStart, WithoutLanguageFileShowsMessage27TwiceAndKeepsGerman) {
    TTestProgramm t;
    QDir().mkpath(t.Pfad("Config"));
    DateiSchreiben(t.Pfad("Config/ORVANUser.cfg"), "[Allgemein]\nSprache=English\n");
    AnwendungStarten(t.App, QString(), t.Pfad());
    EXPECT_TRUE(t.App.AppConst.SprachenListe.isEmpty());
    EXPECT_EQ(t.Benutzer.Nummern().count(27), 2);
    EXPECT_TRUE(Geaendert(t.App.Texte).isEmpty());
}

} // namespace
