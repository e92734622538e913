#include "CliLauf.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

QByteArray Lesen(const QString& pfad) {
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

// A program directory holding the language file that the program ships.
void SprachDateiKopieren(const TCliHeim& heim) {
    QDir().mkpath(heim.Pfad("Config"));
    QFile::copy(QStringLiteral(ORVAN_SOURCE_DIR "/resources/Sprache.cfg"),
                heim.Pfad("Config/Sprache.cfg"));
}

TEST(CliText, PrintsTheTextOfTheChosenLanguage) {
    const struct {
        const char* Fall;
        bool MitSprachDatei;
        QStringList Argumente;
        int Ergebnis;
        const char* Ausgabe;
        const char* FehlerEnthaelt;
    } faelle[] = {
        {"English",
         true,
         {"text", "NeuLadenText", "--language", "English"},
         0,
         "Please enter a name for the target file...\n",
         ""},
        {"option first",
         true,
         {"text", "--language", "English", "OfflineText"},
         0,
         "Offline\n",
         ""},
        {"stored language",
         true,
         {"text", "NeuLadenText"},
         0,
         "Bitte Name für Zieldatei eingeben...\n",
         ""},
        {"key in other case",
         true,
         {"text", "neuladentext1", "--language", "English"},
         0,
         "File name: \n",
         ""},
        {"unknown language",
         true,
         {"text", "NeuLadenText", "--language", "Klingonisch"},
         0,
         "Bitte Name für Zieldatei eingeben...\n",
         "no language \"Klingonisch\""},
        {"no language file",
         false,
         {"text", "NeuLadenText", "--language", "English"},
         0,
         "Bitte Name für Zieldatei eingeben...\n",
         "message 27: (27) Keine Sprach-Datei vorhanden!\\rSprache.cfg\n"},
        {"unknown key", true, {"text", "GibtEsNicht"}, 2, "", "unknown text key: GibtEsNicht"},
        {"no key", true, {"text", "--language", "English"}, 1, "", "usage: text KEY"},
        {"two keys", true, {"text", "OnlineText", "OfflineText"}, 1, "", "usage: text KEY"},
    };
    for (const auto& f : faelle) {
        TCliHeim heim;
        if (f.MitSprachDatei) {
            SprachDateiKopieren(heim);
        }
        const TCliLauf lauf = heim.Lauf(f.Argumente);
        EXPECT_EQ(lauf.Ergebnis, f.Ergebnis) << f.Fall << ": " << lauf.Fehler.toStdString();
        EXPECT_EQ(lauf.Ausgabe.toStdString(), f.Ausgabe) << f.Fall;
        EXPECT_TRUE(lauf.Fehler.contains(QString::fromUtf8(f.FehlerEnthaelt)))
            << f.Fall << ": " << lauf.Fehler.toStdString();
    }
}

TEST(CliText, TheBuildTreeHoldsTheCurrentLanguageFile) {
    const QByteArray quelle = Lesen(QStringLiteral(ORVAN_SOURCE_DIR "/resources/Sprache.cfg"));
    ASSERT_FALSE(quelle.isEmpty());
    EXPECT_TRUE(Lesen(QStringLiteral(ORVAN_BIN_DIR "/Config/Sprache.cfg")) == quelle)
        << "build/bin/Config/Sprache.cfg differs from resources/Sprache.cfg";
}

} // namespace
