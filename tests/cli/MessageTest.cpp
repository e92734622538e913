#include "CliLauf.h"

#include <gtest/gtest.h>

namespace {

struct Zeile {
    int Nummer;
    const char* Typ;
    const char* Knoepfe;
    int Hilfe;
    const char* Text; // composed with the argument "ARG"; CR and LF as the CLI writes them
};

// Every numbered message with its built-in German words.
// clang-format off
const Zeile kTabelle[] = {
    {0, "custom", "ok,help", 9000, "(0) Allgemeiner Hinweis / Warnung / Fehler!\\rARG"},
    {1, "warning", "ok,help", 9010, "(1) Keine Geräte-Datei vorhanden!\\rARG"},
    {2, "error", "ok,help", 9020, "(2) Die Messdatei / Auftragsdatei\\rARG\\rentspricht nicht dem erwarteten Format!"},
    {3, "error", "ok,help", 9030, "(3) Das Gerät\\rARG\\rist in der Geräte-Datei nicht enthalten!"},
    {4, "error", "ok,help", 9040, "(4) Konfigurationsdatei kann nicht angelegt werden\\rPfad:  ARG\\rist nicht vorhanden!"},
    {5, "warning", "ok,help", 9050, "(5) Zahl muß im Bereich\\rARG\\rliegen!"},
    {6, "warning", "ok,help", 9060, "(6) Bitte nur ganze Zahlen eingeben!"},
    {7, "information", "ok,help", 9070, "(7) Graph Eigenschaften gespeichert!"},
    {8, "information", "ok,help", 9080, "(8) Graph Eigenschaften als Default gespeichert\\rDatei:  ARG"},
    {9, "warning", "ok,help", 9090, "(9) Kurve mit Name \" ARG \" existiert bereits!\\rBitte anderen Namen eingeben!"},
    {10, "information", "ok,help", 9100, "(10) Kurve mit Name \" ARG \" wird angelegt!\\r(Bitte 'Speichern' nicht vergessen!)"},
    {11, "warning", "ok,help", 9110, "(11) Doppelte X-Werte sind vorhanden!\\rBitte korrigieren!"},
    {12, "confirmation", "yes,no,cancel,help", 9120, "(12) Speichern von  ARG\\rDatei existiert bereits !\\rÜberschreiben ?"},
    {13, "confirmation", "ok,help", 9130, "(13) Die Einstellungen wurden gespeichert!\\rDatei:  ARG"},
    {14, "confirmation", "ok,help", 9140, "(14) Die Einstellungen wurden als Defaultwerte gespeichert!\\rDatei:  ARG"},
    {15, "information", "ok,help", 9150, "(15) Kurvenname wird auf \" ARG\" geändert!\\r(Bitte 'Speichern' nicht vergessen!)"},
    {16, "confirmation", "yes,no,help", 9160, "(16) Sollen die Daten aus dem File \\rARG\\rals Messwerte eingelesen werden?"},
    {17, "warning", "ok,help", 9170, "(17) Gerät antwortet nicht,\\rWartezeit  ARG ms abgelaufen!"},
    {18, "warning", "ok,help", 9180, "(18) Die Schnittstelle Nr.  ARG  ist besetzt!"},
    {19, "error", "ok,help", 9190, "(19) Protokollfehler:  ARG"},
    {20, "information", "ok,help", 9200, "(20) Konfigurationsdatei\\rARG\\rneu angelegt!"},
    {21, "information", "ok,help", 9210, "(21) Einstellungen aus \\rARG\\rgeladen!"},
    {22, "information", "ok,help", 9220, "(22) Auftrag erstellen für Gerät: \\rARG"},
    {23, "warning", "ok,help", 9230, "(23) Messreihe mit Name \" ARG \" existiert bereits!\\nBitte anderen Namen eingeben!"},
    {24, "confirmation", "yes,no,help", 9240, "(24) Speicher von Gerät ARG ist nicht gelöscht!\\rSoll der Geräte-Speicher gelöscht werden?"},
    {25, "error", "ok,help", 9250, "(25) Fehler beim einlesen der Messdatei!"},
    {26, "error", "ok,help", 9260, "(26) Datei-Eigenschaften können nicht gelesen werden!"},
    {27, "warning", "ok,help", 9270, "(27) Keine Sprach-Datei vorhanden!\\rARG"},
    {28, "warning", "ok,help", 9280, "(28) Die Datei\\rARG\\rist nicht vorhanden!"},
    {29, "error", "ok,help", 9290, "(29) Die Datei\\rARG\\rkann nicht angelegt werden!"},
    {30, "confirmation", "yes,no,cancel,help", 9300, "(30) Die Datei\\rARG\\rwurde noch nicht gespeichert!\\rSoll sie gespeichert werden?"},
    {31, "error", "ok,help", 9310, "(31) Ein Zeit-/Datumsfehler ist aufgetreten!\\rARG"},
    {32, "confirmation", "yes,no,help", 9320, "(32) Das Gerät ARG ist mit einer Messung beschäftigt!\\rSoll die Messung abgebrochen werden?"},
    {33, "confirmation", "yes,no,help", 9330, "(33) Im Gerät ARG ist ein Auftrag eingetragen!\\rSoll der Auftrag überschrieben werden?"},
    {34, "confirmation", "yes,no,help", 9340, "(34) Im Gerät ARG ist eine Messung vorhanden!\\rSoll die Messung ausgelesen werden?"},
    {35, "confirmation", "yes,no,help", 9350, "(35) Die Brechnungs - Gleichung ist fehlerhaft! ARG Bitte die Syntax der Gleichung überprüfen!"},
    {36, "error", "ok,help", 9055, "(36) Bitte nur\\rARG\\reingeben!"},
    {37, "error", "ok,help", 9360, "(37) Die Einheit wurde bereits angelegt:\\rARG\\rBitte neuen Namen vergeben!"},
    {38, "error", "ok,help", 9370, "(38) Ungleiche Bezugs - Einheiten\\rARG\\rEinheiten - Wechsel ist nicht möglich!"},
    {39, "error", "ok,help", 9380, "(39) Abweichung zwischen gemessener und berechneter Zeit!"},
    {40, "error", "ok,help", 9380, "(40) Auftrag wurde nicht erfüllt!\\n\\rARG"},
    {999, "information", "ok,help", 9999, "(999) Ist in Vorbereitung:\\rARG"},
    {41, "information", "ok,help", 9999, "(999-0) Keine Nachricht"},
    {-3, "information", "ok,help", 9999, "(999-0) Keine Nachricht"},
    {9990, "information", "ok,help", 9999, "(999-0) Keine Nachricht"},
};
// clang-format on

TEST(CliMessage, ComposesEveryMessageOfTheCatalogue) {
    TCliHeim heim;
    for (const Zeile& z : kTabelle) {
        const TCliLauf lauf = heim.Lauf({"message", QString::number(z.Nummer), "ARG"});
        ASSERT_EQ(lauf.Ergebnis, 0) << z.Nummer;
        const QString erwartet = QStringLiteral("type: %1\nbuttons: %2\nhelp: %3\ntext: %4\n")
                                     .arg(QLatin1String(z.Typ), QLatin1String(z.Knoepfe))
                                     .arg(z.Hilfe)
                                     .arg(QString::fromUtf8(z.Text));
        EXPECT_EQ(lauf.Ausgabe, erwartet) << z.Nummer;
    }
}

TEST(CliMessage, LongTextsKeepTheirLast255CharactersAndPlainMessagesIgnoreTheText) {
    TCliHeim heim;
    const QString pfad = QStringLiteral("/anfang/") + QString(292, u'x');
    ASSERT_EQ(pfad.size(), 300);
    const TCliLauf lang = heim.Lauf({"message", "28", pfad});
    EXPECT_TRUE(lang.Ausgabe.contains(QStringLiteral("text: (28) Die Datei\\r") + pfad.right(255) +
                                      QStringLiteral("...\\rist nicht vorhanden!")));
    const TCliLauf genau = heim.Lauf({"message", "28", pfad.right(255)});
    EXPECT_FALSE(genau.Ausgabe.contains(QStringLiteral("...")));
    const TCliLauf sechs = heim.Lauf({"message", "6", "beliebig"});
    EXPECT_TRUE(sechs.Ausgabe.endsWith("text: (6) Bitte nur ganze Zahlen eingeben!\n"));
}

TEST(CliMessage, UsageErrors) {
    TCliHeim heim;
    EXPECT_EQ(heim.Lauf({"message"}).Ergebnis, 1);
    EXPECT_EQ(heim.Lauf({"message", "x"}).Ergebnis, 1);
    EXPECT_EQ(heim.Lauf({"gibtsnicht"}).Ergebnis, 1);
    EXPECT_EQ(heim.Lauf({"--unbekannt", "message", "1"}).Ergebnis, 1);
}

} // namespace
