#include "CliLauf.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

TEST(CliStart, FirstRunCreatesBothConfigurationFiles) {
    TCliHeim heim;
    const TCliLauf lauf = heim.Lauf({"message", "6"});
    ASSERT_EQ(lauf.Ergebnis, 0) << lauf.Fehler.toStdString();
    QFile prg(heim.Pfad("Config/ORVANPrg.cfg"));
    ASSERT_TRUE(prg.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(prg.readAll());
    EXPECT_TRUE(text.startsWith("[Allgemein]\nDaten-Pfad=" + heim.Pfad("Daten/") + "\n"));
    EXPECT_TRUE(text.contains("\nKonfigurations-Pfad=" + heim.Pfad("Config/") + "\n"));
    EXPECT_TRUE(text.contains("\n[Hardware]\nSerielle Port-Nr.=1\nGeraet=unbekannt\n"));
    EXPECT_FALSE(text.contains("Einheiten"));
    EXPECT_TRUE(QFile::exists(heim.Pfad("Config/ORVANUser.cfg")));
}

TEST(CliStart, MessagesOfTheStartUpGoToStandardError) {
    TCliHeim heim;
    // No language file in this program directory: message 27, and the run goes on.
    const TCliLauf lauf = heim.Lauf({"message", "7"});
    EXPECT_EQ(lauf.Ergebnis, 0);
    EXPECT_TRUE(lauf.Fehler.contains("message 27: (27) Keine Sprach-Datei vorhanden!\\rSprache.cfg\n"))
        << lauf.Fehler.toStdString();
}

} // namespace
