#include "catalogue/GeraeteKatalog.h"
#include "app/AnwendungStarten.h"
#include "shell/DatumZeit.h"
#include "shell/TIniDatei.h"
#include "shell/TestHilfen.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

struct TKatalog : TTestProgramm {
    explicit TKatalog(const QByteArray& inhalt) {
        QDir().mkpath(Pfad("Config"));
        DateiSchreiben(Pfad("Config/Geraete.cfg"), inhalt);
        App.AppConst.PrgKonfigPfad = Pfad("Config/");
    }
};

QVector<bool> Flags(const char* text) {
    QVector<bool> f;
    for (const char* c = text; *c; ++c) {
        f.append(*c != '0');
    }
    return f;
}

// A record that already holds something, to see what a read changes.
TGeraet Vorher() {
    TGeraet g;
    g.Name = "alt";
    g.Version = 7;
    g.VarekSNr = "SNR";
    g.SerienNummer = "4711";
    g.Zustand = 5;
    g.Speicher = 99;
    g.KanalAnzahl = 2;
    g.KanalInfo = {QVector<quint8>{1, 2}, {8, 12}, {0, 0}, {1, 1}};
    g.AuftragSendFlags = {true};
    return g;
}

TEST(GeraetLesen, SectionWithoutKnownKeysGivesEveryDefault) {
    TKatalog t("[X]\nUnbekannt=1\n");
    TGeraet g = Vorher();
    ASSERT_TRUE(GeraetLesen(t.App, "X", g));
    EXPECT_EQ(g.Name, "X");
    EXPECT_EQ(g.Version, 0);
    EXPECT_EQ(g.Firmware, 0);
    EXPECT_EQ(g.DatenBits, 0);
    EXPECT_EQ(g.StopBits, 0);
    EXPECT_EQ(g.Parity, 0);
    EXPECT_FALSE(g.AutoStart);
    EXPECT_FALSE(g.AutoAus);
    for (const QString* b :
         {&g.ResetBefehl, &g.UhrLesenBefehl, &g.UhrSetzenBefehl, &g.MessungAbbrechenBefehl,
          &g.GeraeteZustandBefehl, &g.GeraeteInformationLesenBefehl, &g.AuftragSendenBefehl,
          &g.DatenLesenBefehl, &g.SpeicherTestBefehl, &g.SpeicherLeerenBefehl}) {
        EXPECT_TRUE(b->isEmpty());
    }
    EXPECT_EQ(g.Speicher, 0u);
    EXPECT_EQ(g.Wartezeit, 0);
    EXPECT_EQ(g.Baud, 0);
    EXPECT_EQ(g.Takt, 1u);
    EXPECT_EQ(g.Teiler, 1u);
    EXPECT_EQ(g.Messfrequenz, 1.0);
    EXPECT_EQ(g.KanalAnzahl, 1);
    EXPECT_EQ(g.KanalInfo, (TKanalInfo{QVector<quint8>{0}, {1}, {255}, {1}}));
    EXPECT_EQ(g.Datum, *DatumZeit::Kodieren({2000, 1, 1}));
    EXPECT_EQ(g.AuftragFormFlags, Flags("1010101010101010101010101010101010"));
    EXPECT_EQ(g.AuftragSendFlags, QVector<bool>(17, true));
    EXPECT_EQ(g.MessungEmpfFlags, QVector<bool>(29, true));
    // Not catalogue fields: they keep what the record held.
    EXPECT_EQ(g.VarekSNr, "SNR");
    EXPECT_EQ(g.SerienNummer, "4711");
    EXPECT_EQ(g.Zustand, 5);
    EXPECT_TRUE(t.Benutzer.Nummern().isEmpty());
}

TEST(GeraetLesen, ValueRules) {
    TKatalog t("[X]\nVersion=0x0102\nFirmware=$10\nBaud=0X2580\nWartezeit=-5\nTakt=1000\n"
               "Teiler=3\nKanalAnzahl=3\nKanalTyp2=4\nAuftragSendFlags=1101\n"
               "AuftragFormFlags=\nMessungEmpfFlags=0912\nAutoStart=2\nAutoAus=nein\n"
               "ResetBefehl=\" R01 \"\n");
    TGeraet g;
    ASSERT_TRUE(GeraetLesen(t.App, "x", g)) << "section names match without regard to case";
    EXPECT_EQ(g.Version, 258);
    EXPECT_EQ(g.Firmware, 16);
    // A value that is no integer is refused (FaultyValueNamesKeyAndValueAndChangesNothing).
    EXPECT_EQ(g.Baud, 9600);
    EXPECT_EQ(g.Wartezeit, -5);
    EXPECT_DOUBLE_EQ(g.Messfrequenz, 1000.0 / 3.0);
    EXPECT_EQ(g.Messfrequenz, 1000.0 / 3.0);
    EXPECT_EQ(g.KanalInfo[KanalInfoZeile::KanalTyp], (QVector<quint8>{0, 0, 4}));
    EXPECT_EQ(g.KanalInfo[KanalInfoZeile::KanalReserve], (QVector<quint8>{255, 255, 255}));
    EXPECT_EQ(g.AuftragSendFlags, Flags("1101"));
    EXPECT_TRUE(g.AuftragFormFlags.isEmpty());
    EXPECT_EQ(g.MessungEmpfFlags, Flags("0111"));
    EXPECT_TRUE(g.AutoStart);
    EXPECT_FALSE(g.AutoAus);
    EXPECT_EQ(g.ResetBefehl, " R01 ");
}

TEST(GeraetLesen, NoChannels) {
    TKatalog t("[X]\nKanalAnzahl=0\nKanalTyp0=2\n");
    TGeraet g = Vorher();
    ASSERT_TRUE(GeraetLesen(t.App, "X", g));
    EXPECT_EQ(g.KanalAnzahl, 0);
    for (const auto& zeile : g.KanalInfo) {
        EXPECT_TRUE(zeile.isEmpty());
    }
}

// A faulty value must not leave the record half read.
TEST(GeraetLesen, FaultyValueNamesKeyAndValueAndChangesNothing) {
    const struct {
        const char* Zeile;
        const char* ImFehler;
    } faelle[] = {
        {"Version=70000", "Version=70000"},
        {"Speicher=-1", "Speicher=-1"},
        {"Takt=-2", "Takt=-2"},
        {"Teiler=0", "Teiler=0"},
        {"KanalAnzahl=256", "KanalAnzahl=256"},
        {"KanalAufloesung1=300", "KanalAufloesung1=300"},
        {"StopBits=-1", "StopBits=-1"},
        // No number, or one beyond 32 bits, is refused like a number out of range instead of
        // silently becoming the default.
        {"Baud=-2147483649", "Baud=-2147483649 liegt nicht im Bereich"},
        {"Baud=4294967296", "Baud=4294967296 liegt nicht im Bereich"},
        {"Baud=schnell", "Baud=schnell liegt nicht im Bereich"},
        {"Version=3x", "Version=3x liegt nicht im Bereich"},
        {"AuftragSendFlags=11x1", "'x' ist kein gültiger boolescher Wert"},
        {"MessungEmpfFlags=1-1", "'-' ist kein gültiger boolescher Wert"},
    };
    for (const auto& f : faelle) {
        // The faulty line comes first, so that it wins over the usual lines behind it.
        TKatalog t(QByteArray("[X]\n") + f.Zeile + "\nVersion=3\nKanalAnzahl=2\nResetBefehl=R01\n");
        TGeraet g = Vorher();
        const TErgebnis e = GeraetLesen(t.App, "X", g);
        EXPECT_FALSE(e) << f.Zeile;
        EXPECT_TRUE(e.Meldung.contains(QString::fromUtf8(f.ImFehler))) << e.Meldung.toStdString();
        EXPECT_TRUE(e.Meldung.contains("[X]")) << e.Meldung.toStdString();
        EXPECT_EQ(g, Vorher()) << f.Zeile;
        EXPECT_TRUE(t.Benutzer.Nummern().isEmpty());
    }
}

TEST(GeraetLesen, MissingFileOrSectionShowsMessageAndChangesNothing) {
    {
        TKatalog t("[Leer]\n[B]\nVersion=1\n");
        TGeraet g = Vorher();
        EXPECT_FALSE(GeraetLesen(t.App, "Leer", g));
        EXPECT_FALSE(GeraetLesen(t.App, "Fehlt", g));
        EXPECT_EQ(g, Vorher());
        EXPECT_EQ(t.Benutzer.Nummern(), (QList<int>{3, 3}));
        EXPECT_TRUE(t.Benutzer.Gezeigt[1].Text.contains("Fehlt"));
        QStringList liste;
        GeraeteListeLesen(t.App, liste);
        EXPECT_EQ(liste, (QStringList{"Leer", "B"}));
    }
    {
        TTestProgramm t;
        t.App.AppConst.PrgKonfigPfad = t.Pfad("Config/");
        TGeraet g = Vorher();
        QStringList liste{"alt"};
        GeraeteListeLesen(t.App, liste);
        EXPECT_TRUE(liste.isEmpty());
        EXPECT_FALSE(GeraetLesen(t.App, "B", g));
        EXPECT_EQ(g, Vorher());
        EXPECT_EQ(t.Benutzer.Nummern(), (QList<int>{1, 1}));
        EXPECT_TRUE(t.Benutzer.Gezeigt[0].Text.contains("Geraete.cfg"));
    }
}

// The catalogue delivered with the program: every section reads, and it holds the layouts
// that the job dialog and the simulated instrument need.
TEST(GeraeteKatalog, DeliveredCatalogueReadsAndCoversTheChannelTypes) {
    TKatalog t(DateiLesen(QStringLiteral(ORVAN_SOURCE_DIR "/resources/Geraete.cfg")));
    QStringList liste;
    GeraeteListeLesen(t.App, liste);
    ASSERT_GE(liste.size(), 3);
    bool alleTypen = false, mehrereAna = false, sendbar = false;
    for (const QString& name : liste) {
        TGeraet g;
        const TErgebnis e = GeraetLesen(t.App, name, g);
        ASSERT_TRUE(e) << name.toStdString() << ": " << e.Meldung.toStdString();
        const auto& typ = g.KanalInfo[KanalInfoZeile::KanalTyp];
        QSet<int> aufloesungen, abstaende;
        for (int k = 0; k < g.KanalAnzahl; ++k) {
            if (typ[k] == ktAna) {
                aufloesungen.insert(g.KanalInfo[KanalInfoZeile::KanalAufloesung][k]);
                abstaende.insert(g.KanalInfo[KanalInfoZeile::KanalAbstand][k]);
            }
        }
        alleTypen |= typ.contains(ktAna) && typ.contains(ktBin) && typ.contains(ktPara) &&
                     typ.contains(ktComp);
        mehrereAna |= aufloesungen.size() > 1 && abstaende.size() > 1;
        sendbar |= g.AuftragSendFlags.size() >= 18 && g.AuftragFormFlags.size() == 54;
        EXPECT_EQ(g.AuftragFormFlags.size(), 54) << name.toStdString();
        const QStringList befehle = {g.ResetBefehl,          g.UhrLesenBefehl,
                                     g.UhrSetzenBefehl,      g.MessungAbbrechenBefehl,
                                     g.GeraeteZustandBefehl, g.GeraeteInformationLesenBefehl,
                                     g.AuftragSendenBefehl,  g.DatenLesenBefehl,
                                     g.SpeicherTestBefehl,   g.SpeicherLeerenBefehl};
        EXPECT_EQ(QSet<QString>(befehle.begin(), befehle.end()).size(), 10)
            << "the instrument must tell its commands apart";
        // The clock reply carries the time from its fourth character on.
        EXPECT_EQ(g.UhrLesenBefehl.size(), 3);
    }
    EXPECT_TRUE(alleTypen);
    EXPECT_TRUE(mehrereAna);
    EXPECT_TRUE(sendbar);
}

TEST(GeraeteKatalog, StartUpLoadsListAndSelectedDevice) {
    TTestProgramm t;
    QDir().mkpath(t.Pfad("Config"));
    DateiSchreiben(t.Pfad("Config/Geraete.cfg"), "[A]\nVersion=1\n[B]\nVersion=2\n");
    {
        TIniDatei user(t.Pfad("Config/ORVANUser.cfg"));
        user.SchreibeText("Hardware", "Geraet", "B");
        ASSERT_TRUE(user.Speichern());
    }
    AnwendungStarten(t.App, QString(), t.Pfad());
    EXPECT_EQ(t.App.AppConst.GeraeteListe, (QStringList{"A", "B"}));
    EXPECT_EQ(t.App.AktuellesGeraet.Name, "B");
    EXPECT_EQ(t.App.AktuellesGeraet.Version, 2);
}

TEST(GeraeteKatalog, StartUpReportsFaultySelectedDevice) {
    TTestProgramm t;
    QDir().mkpath(t.Pfad("Config"));
    DateiSchreiben(t.Pfad("Config/Geraete.cfg"), "[A]\nTeiler=0\n");
    TIniDatei user(t.Pfad("Config/ORVANUser.cfg"));
    user.SchreibeText("Hardware", "Geraet", "A");
    ASSERT_TRUE(user.Speichern());
    AnwendungStarten(t.App, QString(), t.Pfad());
    EXPECT_TRUE(t.Benutzer.Nummern().contains(0));
    EXPECT_TRUE(t.App.AktuellesGeraet.Name.isEmpty());
}

} // namespace
