// The measurement information and job dialog, offscreen, with a scripted user.
#include "UiTestHilfen.h"

#include "device/GeraeteKatalog.h"
#include "measurement/Auftrag.h"
#include "measurement/MessDateiLeser.h"
#include "measurement/MessTestHilfen.h"
#include "measurement/TWerteModell.h"
#include "measurement/ui/TMessInfoForm.h"
#include "measurement/ui/TWerteTabelle.h"
#include "shell/Uhr.h"
#include <QPushButton>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QProgressBar>
#include <QTableWidget>
#include <QTest>
#include <QTimeEdit>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

const QByteArray kVolleFlags =
    "AuftragFormFlags=" + QByteArray("10").repeated(27) + "\nAuftragSendFlags=111111111111111111\n";
const QByteArray kBefehle = "AuftragSendenBefehl=A01\nGeraeteZustandBefehl=Z01\n";

// Three ANA channels of spacing 1, 2, 4; two ANA channels of 16 bits with 4096 or 4000 bytes;
// a device of the old kind with the catalogue's default flags; a parameter channel.
const QByteArray kKatalog =
    "[Drei]\nSpeicher=32768\nTakt=1000\nTeiler=10\nKanalAnzahl=3\n"
    "KanalTyp0=2\nKanalAufloesung0=12\nKanalAbstand0=1\n"
    "KanalTyp1=2\nKanalAufloesung1=12\nKanalAbstand1=2\n"
    "KanalTyp2=2\nKanalAufloesung2=12\nKanalAbstand2=4\n" +
    kVolleFlags + kBefehle +
    "[Zwei4096]\nSpeicher=4096\nTakt=1\nTeiler=1\nKanalAnzahl=2\nKanalTyp0=2\n"
    "KanalAufloesung0=16\nKanalTyp1=2\nKanalAufloesung1=16\n" +
    kVolleFlags +
    "[Zwei4000]\nSpeicher=4000\nTakt=1\nTeiler=1\nKanalAnzahl=2\nKanalTyp0=2\n"
    "KanalAufloesung0=16\nKanalTyp1=2\nKanalAufloesung1=16\n" +
    kVolleFlags +
    "[Alt]\nSpeicher=4096\nTakt=1\nTeiler=1\nKanalAnzahl=1\nKanalTyp0=2\n"
    "KanalAufloesung0=12\n"
    "[Para]\nSpeicher=4096\nTakt=1\nTeiler=1\nKanalAnzahl=2\nKanalTyp0=2\n"
    "KanalAufloesung0=12\nKanalTyp1=5\nKanalAufloesung1=0\n" +
    kVolleFlags;

// A program directory with the catalogue above, units and a dialog on it.
struct TDialogProgramm : TMessProgramm {
    std::unique_ptr<TMessInfoForm> Dialog;

    explicit TDialogProgramm(const QString& geraet = "Drei") : TMessProgramm(kKatalog, geraet) {
        QDir().mkpath(Pfad("Daten"));
        App.AppConst.DatenPfad = Pfad("Daten/");
        App.AppConst.GeraeteListe = {"Drei", "Zwei4096", "Zwei4000", "Alt", "Para"};
        App.AppConst.Einheiten = {{"Bit", "Bit", 1, 0, ""}, {"Grad Celsius", "°C", 1, 0, ""}};
        Uhr::Stellen([] { return Zeit(2026, 3, 4, 10, 20, 30); });
    }
    ~TDialogProgramm() { Uhr::Stellen({}); }

    TMessInfoForm& Oeffnen() {
        Dialog = std::make_unique<TMessInfoForm>(App);
        Dialog->show();
        QCoreApplication::processEvents();
        return *Dialog;
    }

    TMessInfoForm& NeuerAuftrag() {
        TMessInfoForm& d = Oeffnen();
        d.BtnAuftragNeuClick();
        return d;
    }

    // Types into a field and leaves it, as the user would.
    bool Eingeben(QLineEdit* feld, const QString& text) {
        feld->setText(text);
        return Dialog->EditFeldExit(feld);
    }

    void ReiheWaehlen(int i) { Dialog->CmbMessreihenName->setCurrentIndex(i); }
};

} // namespace

TEST(MessInfoForm, NewJobForThreeChannelsShowsCountsOfEachSpacing) {
    TDialogProgramm p;
    TMessInfoForm& d = p.NeuerAuftrag();
    EXPECT_TRUE(d.AuftragModus());
    EXPECT_TRUE(d.BtnAuftragSpeichern->isEnabled());
    EXPECT_TRUE(d.BtnAuftragSenden->isEnabled());
    EXPECT_EQ(d.LbeMessdatei->text(), "Drei_20260304_1020");
    ASSERT_EQ(d.CmbMessreihenName->count(), 3);
    const char* zaehler[] = {"1000", "500", "250"};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(p.App.ArbeitsDatei.Messreihen[i].Anzahl, 1000u);
        p.ReiheWaehlen(i);
        EXPECT_EQ(d.CmbMessreihenName->itemText(i),
                  QStringLiteral("Messreihe Kanal Nr. %1").arg(i));
        EXPECT_EQ(d.LbeAnzahl->text(), zaehler[i]);
        EXPECT_EQ(d.LblKanal->text(),
                  QStringLiteral("Nr.: %1, Typ: Analog, Bit: 12, Abstand: %2").arg(i).arg(1 << i));
    }
    EXPECT_EQ(d.LbeAuftragName->text(), "Messauftrag für  Drei");
    EXPECT_EQ(d.LbeMessTakte->text(), "1000");
    EXPECT_EQ(d.VGrKanalInfo->rowCount(), 3);
    EXPECT_EQ(d.VGrKanalInfo->item(2, 3)->text(), "4");
    EXPECT_EQ(d.LbeAnzahlReihen->text(), "3");
    EXPECT_EQ(d.DtpStartDatum->date(), QDate(2026, 3, 4));
}

TEST(MessInfoForm, CyclesChangedSetTheCountsOfAllSeries) {
    TDialogProgramm p;
    TMessInfoForm& d = p.NeuerAuftrag();
    p.ReiheWaehlen(1);
    ASSERT_TRUE(p.Eingeben(d.LbeMessTakte, "101"));
    EXPECT_EQ(p.App.ArbeitsDatei.Auftrag.MessTakte, 101u);
    const quint32 erwartet[] = {101, 51, 26};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(p.App.ArbeitsDatei.Messreihen[i].Anzahl, erwartet[i]);
    }
    EXPECT_EQ(d.LbeAnzahl->text(), "51");
    EXPECT_TRUE(p.Benutzer.Gezeigt.isEmpty());
}

TEST(MessInfoForm, FieldChecksShowMessages5And6AndReturnTheFocus) {
    struct TFall {
        const char* Name;
        QLineEdit* TMessInfoForm::*Feld;
        const char* Text;
        int Nachricht;
        const char* Bereich;
    };
    const TFall faelle[] = {
        {"spacing 0", &TMessInfoForm::LbeAbstand, "0", 5, "1 ... 1000"},
        {"spacing above the cycles", &TMessInfoForm::LbeAbstand, "1001", 5, "1 ... 1000"},
        {"cycles 0", &TMessInfoForm::LbeMessTakte, "0", 5, "1 ... 4294967294"},
        {"stamps above the cycles", &TMessInfoForm::LbeAbstandZeitstempel, "1001", 5, "0 ... 1000"},
        {"letters", &TMessInfoForm::LbeMessTakte, "zehn", 6, ""},
        {"factor too large", &TMessInfoForm::LbeMesskonstante, "5000000000", 5,
         "-4294967294 ... 4294967294"},
    };
    for (const TFall& fall : faelle) {
        SCOPED_TRACE(fall.Name);
        TDialogProgramm p;
        TMessInfoForm& d = p.NeuerAuftrag();
        d.Seiten->setCurrentWidget(d.TabMessreihen);
        p.ReiheWaehlen(0);
        const TMessDatei vorher = p.App.ArbeitsDatei;
        QLineEdit* feld = d.*fall.Feld;
        d.LbeNummer->setFocus();
        EXPECT_FALSE(p.Eingeben(feld, fall.Text));
        QCoreApplication::processEvents();
        ASSERT_EQ(p.Benutzer.Nummern(), QList<int>({fall.Nachricht}));
        EXPECT_TRUE(p.Benutzer.Gezeigt[0].Text.contains(fall.Bereich))
            << p.Benutzer.Gezeigt[0].Text.toStdString();
        EXPECT_EQ(d.focusWidget(), feld);
        EXPECT_EQ(p.App.ArbeitsDatei, vorher);
    }
}

TEST(MessInfoForm, RenamingToAnExistingOrTheOwnNameAsksAgain) {
    TDialogProgramm p;
    TMessInfoForm& d = p.NeuerAuftrag();
    p.ReiheWaehlen(1);
    p.Benutzer.Eingaben = {QString("messreihe kanal nr. 0"), QString("Messreihe Kanal Nr. 1"),
                           QString("Druck")};
    d.MessReiheUmbenennen();
    EXPECT_EQ(p.Benutzer.Nummern(), QList<int>({23, 23}));
    EXPECT_EQ(p.Benutzer.EingabeFragen.size(), 3);
    EXPECT_EQ(d.CmbMessreihenName->itemText(1), "Druck");
    EXPECT_EQ(p.App.ArbeitsDatei.Messreihen[1].Name, "Druck");
    EXPECT_EQ(p.App.ArbeitsDatei.Messreihen[0].Name, "Messreihe Kanal Nr. 0");
    // Cancelled: nothing changes.
    p.Benutzer.Eingaben = {std::nullopt};
    d.MessReiheUmbenennen();
    EXPECT_EQ(p.App.ArbeitsDatei.Messreihen[1].Name, "Druck");
}

TEST(MessInfoForm, TypingFilterTakesTheDecimalSeparatorInEffect) {
    for (const char* trenner : {",", "."}) {
        SCOPED_TRACE(trenner);
        TDialogProgramm p;
        p.App.AppConst.Dezimaltrenner = trenner;
        TMessInfoForm& d = p.NeuerAuftrag();
        const QString t = QLatin1String(trenner);
        d.LbeMesskonstante->clear();
        QTest::keyClicks(d.LbeMesskonstante, "-1,5x e");
        EXPECT_EQ(d.LbeMesskonstante->text(), "-1" + t + "5");
        ASSERT_TRUE(d.EditFeldExit(d.LbeMesskonstante));
        d.LbeMesskonstante->clear();
        QTest::keyClicks(d.LbeMesskonstante, "2.5");
        EXPECT_EQ(d.LbeMesskonstante->text(), "2" + t + "5");
        EXPECT_TRUE(p.Benutzer.Gezeigt.isEmpty());
        TMessDatei ziel = p.App.ArbeitsDatei;
        ASSERT_TRUE(d.MessAuftragSetzen(ziel));
        EXPECT_EQ(ziel.Messreihen[0].Messkonstante, 2.5);
    }
}

TEST(MessInfoForm, GaugeAt99PercentNormalAt102PercentRed) {
    const std::tuple<const char*, int, bool> faelle[] = {{"Zwei4096", 99, false},
                                                         {"Zwei4000", 100, true}};
    for (const auto& [geraet, balken, rot] : faelle) {
        SCOPED_TRACE(geraet);
        TDialogProgramm p(geraet);
        TMessInfoForm& d = p.NeuerAuftrag();
        // Two active series of 1000 values and a stamp every 10 cycles: 4080 bytes.
        ASSERT_TRUE(p.Eingeben(d.LbeAbstandZeitstempel, "10"));
        EXPECT_EQ(p.App.Speicherbedarf, 4080u);
        EXPECT_EQ(d.PrbSpeicher->value(), balken);
        EXPECT_EQ(d.PrbSpeicher->format(), rot ? "102 %" : "99 %");
        EXPECT_EQ(d.PrbSpeicher->property("rot").toBool(), rot);
        EXPECT_EQ(d.PrbSpeicher->palette().color(QPalette::Highlight) == QColor(Qt::red), rot);
    }
}

TEST(MessInfoForm, ParameterChannelRelabelsAndHidesTheCount) {
    TDialogProgramm p("Para");
    TMessInfoForm& d = p.NeuerAuftrag();
    const TSprachTexte& t = p.App.Texte;
    p.ReiheWaehlen(1);
    EXPECT_EQ(d.Beschriftung(d.LbeAbstand)->text(), t.LbeParameter1Caption);
    EXPECT_EQ(d.Beschriftung(d.LbeMesskonstante)->text(), t.LbeParameter2Caption);
    EXPECT_EQ(d.Beschriftung(d.LbeNullwert)->toolTip(), t.LbeParameter3Hint);
    EXPECT_TRUE(d.LbeAnzahl->isHidden());
    p.ReiheWaehlen(0);
    EXPECT_EQ(d.Beschriftung(d.LbeAbstand)->text(), t.LbeAbstandCaption);
    EXPECT_EQ(d.LbeMesskonstante->toolTip(), t.LbeMesskonstanteHint);
    EXPECT_FALSE(d.LbeAnzahl->isHidden());
}

TEST(MessInfoForm, ShortFormFlagsAreNamedAndTheDialogOnlyShows) {
    TDialogProgramm p("Alt");
    TMessInfoForm& d = p.Oeffnen();
    ASSERT_EQ(p.Benutzer.Nummern(), QList<int>({0}));
    EXPECT_TRUE(p.Benutzer.Gezeigt[0].Text.contains("\"Alt\""));
    EXPECT_TRUE(p.Benutzer.Gezeigt[0].Text.contains("AuftragFormFlags"));
    d.BtnAuftragNeuClick();
    EXPECT_EQ(p.Benutzer.Nummern().size(), 1); // not repeated for the same device
    EXPECT_TRUE(d.NurAnzeige());
    EXPECT_FALSE(d.BtnAuftragSpeichern->isEnabled());
    EXPECT_FALSE(d.BtnAuftragSenden->isEnabled());
    EXPECT_EQ(d.LbeGeraetName->text(), "Alt");
    for (QLineEdit* e : {d.LbeGeraetName, d.LbeAuftragName, d.LbeMessTakte, d.LbeAbstand}) {
        EXPECT_TRUE(e->isReadOnly()) << e->objectName().toStdString();
    }
}

TEST(MessInfoForm, FormFlagsSetEnabledAndReadOnly) {
    TDialogProgramm p;
    QByteArray flags = QByteArray("10").repeated(27);
    flags[1] = '1';  // LbeGeraetName read-only
    flags[22] = '0'; // LbeAuftragName disabled
    flags[42] = '0'; // series list disabled
    QByteArray katalog = kKatalog;
    katalog.replace("[Drei]\n", "[Drei]\nAuftragFormFlags=" + flags + "\n");
    DateiSchreiben(p.Pfad("Config/Geraete.cfg"), katalog);
    TMessInfoForm& d = p.NeuerAuftrag();
    EXPECT_TRUE(d.LbeGeraetName->isEnabled());
    EXPECT_TRUE(d.LbeGeraetName->isReadOnly());
    EXPECT_FALSE(d.LbeAuftragName->isEnabled());
    EXPECT_FALSE(d.Beschriftung(d.LbeAuftragName)->isEnabled());
    EXPECT_FALSE(d.CmbMessreihenName->isEnabled());
    EXPECT_FALSE(d.LbeVarekSNr->isReadOnly());
    EXPECT_TRUE(d.LbeMessfrequenz->isReadOnly());
    EXPECT_TRUE(d.LbeAnzahl->isReadOnly());
}

TEST(MessInfoForm, PickingAJobAndTheSameFileInUpperCase) {
    TDialogProgramm p;
    TMessDatei auftrag = BeispielAuftrag();
    auftrag.Name = "Drei";
    Kanaele(auftrag, 1);
    auftrag.Auftrag.AuftragName = "Aus Datei";
    ASSERT_TRUE(MessDateiSchreiben(p.Pfad("x.oor"), true, auftrag));
    QFile::copy(p.Pfad("x.oor"), p.Pfad("y.OOR"));
    TMessInfoForm& d = p.Oeffnen();
    p.Benutzer.Dateien = {p.Pfad("x.oor")};
    d.BtnMessdateiAuswahlClick();
    EXPECT_TRUE(p.Benutzer.Nummern().isEmpty());
    EXPECT_TRUE(d.AuftragModus());
    EXPECT_EQ(d.LbeAuftragName->text(), "Aus Datei");
    EXPECT_EQ(d.LbeMessdatei->text(), p.Pfad("x.oor"));
    EXPECT_EQ(p.App.ArbeitsDatei.Messreihen.size(), 1);
    EXPECT_EQ(p.Benutzer.DateiDialoge[0].Filter,
              "Mess-Dateien (*.ome)|*.ome|Auftrags-Dateien (*.oor)|*.oor|Alle Dateien (*.*)|*.*");
    EXPECT_EQ(p.Benutzer.DateiDialoge[0].Titel, "Auftragsdatei / Messdatei öffnen...");

    // The upper-case extension reads the file as a measurement: its data part is missing.
    p.Benutzer.Dateien = {p.Pfad("y.OOR")};
    d.BtnMessdateiAuswahlClick();
    EXPECT_TRUE(p.Benutzer.Nummern().contains(40)) << p.Benutzer.Nummern().size();
}

TEST(MessInfoForm, RawImportLeavesThePagesAsTheyWere) {
    for (const int antwort : {mrYes, mrNo}) {
        SCOPED_TRACE(antwort);
        TDialogProgramm p;
        TMessInfoForm& d = p.NeuerAuftrag();
        d.LbeAuftragName->setText("Getippt");
        DateiSchreiben(p.Pfad("roh.bin"), QByteArray(300, 'a'));
        p.Benutzer.Dateien = {p.Pfad("roh.bin")};
        p.Benutzer.Antworten = {mrOk, antwort, mrOk};
        d.BtnMessdateiAuswahlClick();
        EXPECT_EQ(p.Benutzer.Nummern(), QList<int>({3, 16, 2}));
        EXPECT_EQ(d.AuftragModus(), antwort == mrYes);
        EXPECT_EQ(d.LbeAuftragName->text(), "Getippt");
        EXPECT_EQ(d.CmbMessreihenName->count(), 3);
        if (antwort == mrYes) {
            ASSERT_EQ(p.App.ArbeitsDatei.Messreihen.size(), 1);
            EXPECT_EQ(p.App.ArbeitsDatei.Messreihen[0].Messwerte[1].size(), 300);
        }
    }
}

TEST(MessInfoForm, SavedJobIsTheRecordByteForByte) {
    TDialogProgramm p;
    TMessInfoForm& d = p.NeuerAuftrag();
    d.LbeKommentar->setText("Temperatur in °C");
    p.ReiheWaehlen(2);
    d.CmbEinheit->setCurrentIndex(1);
    p.Benutzer.Dateien = {p.Pfad("Daten/auftrag")};
    d.BtnAuftragSpeichernClick();
    ASSERT_TRUE(p.Benutzer.Nummern().isEmpty());
    const TDateiDialog& dialog = p.Benutzer.DateiDialoge.last();
    EXPECT_EQ(dialog.DateiName, "Drei_20260304_1020.oor");
    EXPECT_EQ(dialog.Titel, "Auftragsdatei speichern...");
    EXPECT_EQ(dialog.Filter, "Auftrags-Dateien (*.oor)|*.oor|Alle Dateien (*.*)|*.*");
    const QByteArray datei = DateiInhalt(p.Pfad("Daten/auftrag.oor"));
    QByteArray erwartet;
    ASSERT_TRUE(MessDateiKodieren(p.App.ArbeitsDatei, true, erwartet));
    EXPECT_EQ(datei, erwartet);
    EXPECT_TRUE(datei.startsWith(QByteArray(4, char(0xFF))));
    EXPECT_EQ(datei.mid(8, 11), QByteArray(11, ' '));
    EXPECT_TRUE(datei.contains(QByteArray("\x10\x00Temperatur in \xB0"
                                          "C",
                                          18)));
    EXPECT_TRUE(datei.contains(QByteArray("\x0c\x00Grad Celsius", 14)));
    EXPECT_EQ(d.LbeMessdatei->text(), p.Pfad("Daten/auftrag"));
    // Read back as a job it gives the same job.
    TMessDatei zurueck = p.App.ArbeitsDatei;
    ASSERT_TRUE(MessDateiLesen(p.App, p.Pfad("Daten/auftrag.oor"), true, zurueck));
    EXPECT_EQ(zurueck.Auftrag, p.App.ArbeitsDatei.Auftrag);
    EXPECT_EQ(zurueck.Messreihen[2].Einheit, "Grad Celsius");
}

TEST(MessInfoForm, SaveRefusesBadFieldsForeignCharactersAndKeepsExistingFiles) {
    struct TFall {
        const char* Name;
        std::function<void(TMessInfoForm&)> Aendern;
        QList<int> Antworten;
        const char* Meldung;
    };
    const TFall faelle[] = {
        {"300 channels",
         [](TMessInfoForm& d) { d.LbeKanalAnzahl->setText("300"); },
         {},
         "Kanal - Anzahl"},
        {"bad number", [](TMessInfoForm& d) { d.LbeTakt->setText("1e3"); }, {}, "Takt"},
        {"character outside the code page",
         [](TMessInfoForm& d) { d.LbeBearbeiter->setText(QString::fromUtf8("Ωmega")); },
         {},
         "Bearbeiter"},
        {"existing file, answer No", [](TMessInfoForm&) {}, {mrNo}, ""},
    };
    for (const TFall& fall : faelle) {
        SCOPED_TRACE(fall.Name);
        TDialogProgramm p;
        TMessInfoForm& d = p.NeuerAuftrag();
        DateiSchreiben(p.Pfad("Daten/a.oor"), "alt");
        fall.Aendern(d);
        const TMessDatei vorher = p.App.ArbeitsDatei;
        p.Benutzer.Dateien = {p.Pfad("Daten/a.oor")};
        p.Benutzer.Antworten = fall.Antworten.isEmpty() ? QList<int>{mrYes} : fall.Antworten;
        d.BtnAuftragSpeichernClick();
        EXPECT_EQ(DateiInhalt(p.Pfad("Daten/a.oor")), "alt");
        EXPECT_EQ(p.App.ArbeitsDatei, vorher);
        ASSERT_FALSE(p.Benutzer.Gezeigt.isEmpty());
        EXPECT_EQ(p.Benutzer.Gezeigt[0].Nummer, 12);
        if (*fall.Meldung) {
            ASSERT_EQ(p.Benutzer.Nummern(), QList<int>({12, 0}));
            EXPECT_TRUE(p.Benutzer.Gezeigt[1].Text.contains(fall.Meldung))
                << p.Benutzer.Gezeigt[1].Text.toStdString();
        }
    }
}

TEST(MessInfoForm, SaveExtensionRules) {
    const std::pair<const char*, const char*> faelle[] = {{"auftrag.OOR", "auftrag.OOR"},
                                                          {"auftrag", "auftrag.oor"},
                                                          {"auftrag.dat", "auftrag.dat.oor"}};
    for (const auto& [gewaehlt, datei] : faelle) {
        SCOPED_TRACE(gewaehlt);
        TDialogProgramm p;
        TMessInfoForm& d = p.NeuerAuftrag();
        p.Benutzer.Dateien = {p.Pfad(gewaehlt)};
        d.BtnAuftragSpeichernClick();
        EXPECT_TRUE(QFileInfo(p.Pfad(datei)).isFile());
        EXPECT_EQ(QDir(p.Pfad()).entryList({"auftrag*"}).size(), 1);
        EXPECT_EQ(d.LbeMessdatei->text(), p.Pfad(gewaehlt));
    }
}

TEST(MessInfoForm, SendAsksTheMainWindowWithTheFilledRecord) {
    TDialogProgramm p;
    TMessInfoForm& d = p.NeuerAuftrag();
    int gesendet = 0;
    QObject::connect(&d, &TMessInfoForm::AuftragSendenGewuenscht, [&] { ++gesendet; });
    d.LbeAuftragName->setText("Versand");
    d.BtnAuftragSendenClick();
    EXPECT_EQ(gesendet, 1);
    EXPECT_EQ(p.App.ArbeitsDatei.Auftrag.AuftragName, "Versand");
    // A field that cannot be converted stops it: nothing is sent.
    d.LbeKanalAnzahl->setText("300");
    d.BtnAuftragSendenClick();
    EXPECT_EQ(gesendet, 1);
    EXPECT_EQ(p.Benutzer.Nummern(), QList<int>({0}));
}

TEST(MessInfoForm, UnitButtonAsksForTheSettingsAndReloadsTheUnits) {
    TDialogProgramm p;
    TMessInfoForm& d = p.NeuerAuftrag();
    d.CmbEinheit->setCurrentIndex(1);
    QObject::connect(&d, &TMessInfoForm::EinheitenBearbeitenGewuenscht, [&] {
        p.App.AppConst.Einheiten.prepend({"Volt", "V", 1, 0, ""});
    });
    d.EinheitClick();
    ASSERT_EQ(d.CmbEinheit->count(), 3);
    EXPECT_EQ(d.CmbEinheit->currentText(), "Grad Celsius / °C");
    QObject::disconnect(&d, &TMessInfoForm::EinheitenBearbeitenGewuenscht, nullptr, nullptr);
    QObject::connect(&d, &TMessInfoForm::EinheitenBearbeitenGewuenscht,
                     [&] { p.App.AppConst.Einheiten.removeLast(); });
    d.EinheitClick();
    EXPECT_EQ(d.CmbEinheit->currentIndex(), 0);
}

TEST(MessInfoForm, StartDatePickedAsTodaySetsTheTimeToNow) {
    TDialogProgramm p;
    TMessInfoForm& d = p.NeuerAuftrag();
    // The program's patterns in the pickers' letters ("m" after an hour means minutes).
    EXPECT_EQ(d.DtpStartDatum->displayFormat(), "dd.MM.yy");
    EXPECT_EQ(d.DtpStartZeit->displayFormat(), "HH:mm:ss");
    d.DtpStartDatum->setDate(QDate(2026, 3, 10));
    d.DtpStartZeit->setTime(QTime(8, 0));
    d.DtpStartDatum->setDate(QDate(2026, 3, 11));
    EXPECT_EQ(d.DtpStartZeit->time(), QTime(8, 0));
    d.DtpStartDatum->setDate(QDate(2026, 3, 4));
    EXPECT_EQ(d.DtpStartZeit->time(), QTime(10, 20, 30));
}

TEST(MessInfoForm, ValueGridShowsTheSeriesThroughTheModel) {
    TDialogProgramm p;
    TMessDatei m = BeispielAuftrag();
    m.Name = "Drei";
    m.Messreihen[0].Messwerte = {
        QVector<double>{Zeit(2024, 5, 6, 7, 8, 9, 120), Zeit(2024, 5, 6, 7, 8, 9, 130)},
        QVector<double>{1.5, -2}};
    p.App.ArbeitsDatei = m;
    TMessInfoForm& d = p.Oeffnen();
    d.MessAuftragLesen(m);
    QAbstractItemModel* w = d.VGrWerte->model();
    ASSERT_EQ(w->rowCount(), 2);
    EXPECT_EQ(w->headerData(3, Qt::Horizontal).toString(), "Werte");
    EXPECT_EQ(w->index(0, 0).data().toString(), "0");
    EXPECT_EQ(w->index(0, 1).data().toString(), "06.05.24");
    EXPECT_EQ(w->index(1, 2).data().toString(), "07:08:09.130");
    EXPECT_EQ(w->index(0, 3).data().toString(), "1.5");
    EXPECT_FALSE(w->flags(w->index(0, 3)).testFlag(Qt::ItemIsEditable));
}

TEST(MessInfoForm, MainWindowOpensTheDialogForItsCommandAndReportsAJobThatCannotBeBuilt) {
    TUiProgramm p;
    TMainForm& h = p.Starten();
    TMessInfoForm dialog(p.App, &h);
    h.MessInfoVerbinden(dialog);
    p.App.ArbeitsDatei = BeispielAuftrag();
    p.App.ArbeitsDatei.AuftragSendFlags = QVector<bool>(17, true);
    emit dialog.AuftragSendenGewuenscht();
    ASSERT_FALSE(p.Benutzer.Gezeigt.isEmpty());
    EXPECT_EQ(p.Benutzer.Gezeigt.last().Nummer, 0);
    EXPECT_TRUE(p.Benutzer.Gezeigt.last().Text.contains("Eintrag 17 fehlt"));
    // The command no longer shows message 999: it opens the dialog.
    bool geoeffnet = false;
    QTimer::singleShot(0, [&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* f = qobject_cast<TMessInfoForm*>(w); f && f != &dialog && f->isVisible()) {
                geoeffnet = true;
                f->reject();
            }
        }
    });
    h.ActMessAuftrag->trigger();
    EXPECT_TRUE(geoeffnet);
    EXPECT_FALSE(p.Benutzer.Nummern().contains(999));
}

// The job the dialog would send and orvan-cli payload of the job file it saved agree.
TEST(MessInfoForm, SavedJobAndOrvanCliPayloadAgreeByteForByte) {
    TDialogProgramm p;
    DateiSchreiben(p.Pfad("Config/ORVANUser.cfg"), "[Hardware]\nGeraet=Drei\n");
    TMessInfoForm& d = p.NeuerAuftrag();
    d.LbeKommentar->setText("Kühlwasser 3 °C");
    p.ReiheWaehlen(1);
    ASSERT_TRUE(p.Eingeben(d.LbeAbstand, "8"));
    ASSERT_TRUE(p.Eingeben(d.LbeMessTakte, "5000"));
    d.LbeNullwert->setText("-12.5");
    ASSERT_TRUE(d.EditFeldExit(d.LbeNullwert));
    p.Benutzer.Dateien = {p.Pfad("Daten/vergleich.oor")};
    d.BtnAuftragSpeichernClick();
    ASSERT_TRUE(p.Benutzer.Nummern().isEmpty());

    const double jetzt = Zeit(2026, 3, 4, 10, 20, 30);
    QByteArray gesendet;
    QObject::connect(&d, &TMessInfoForm::AuftragSendenGewuenscht, [&] {
        TMessDatei kopie = p.App.ArbeitsDatei;
        gesendet = AuftragErzeugen(kopie, jetzt).Auftrag;
    });
    d.BtnAuftragSendenClick();
    ASSERT_FALSE(gesendet.isEmpty());

    QProcess cli;
    cli.start(QStringLiteral(ORVAN_BIN_DIR "/orvan-cli"),
              {"--home", p.Pfad(), "payload", p.Pfad("Daten/vergleich.oor"), "--now",
               QString::number(jetzt, 'g', 17)});
    ASSERT_TRUE(cli.waitForFinished(60000));
    ASSERT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
    const QList<QByteArray> zeilen = cli.readAllStandardOutput().split('\n');
    EXPECT_EQ(QByteArray::fromHex(zeilen.value(0)), gesendet);
    EXPECT_TRUE(gesendet.contains(QByteArray("K\xFChlwasser 3 \xB0"
                                             "C")));
    EXPECT_TRUE(
        zeilen.value(1).startsWith("Speicherbedarf=" + QByteArray::number(p.App.Speicherbedarf)))
        << zeilen.value(1).toStdString();
}

// Every device the program ships with makes a job that the dialog can edit and whose job
// command can be built for all of its channels.
TEST(MessInfoForm, EveryShippedDeviceMakesAnEditableJobForAllItsChannels) {
    TTestProgramm p;
    QDir().mkpath(p.Pfad("Config"));
    QFile::copy(QStringLiteral(ORVAN_SOURCE_DIR "/resources/Geraete.cfg"),
                p.Pfad("Config/Geraete.cfg"));
    p.App.AppConst.PrgKonfigPfad = p.Pfad("Config/");
    GeraeteListeLesen(p.App, p.App.AppConst.GeraeteListe);
    ASSERT_FALSE(p.App.AppConst.GeraeteListe.isEmpty());
    for (const QString& name : p.App.AppConst.GeraeteListe) {
        SCOPED_TRACE(name.toStdString());
        p.App.AppConst.Geraet = name;
        TMessInfoForm d(p.App);
        d.BtnAuftragNeuClick();
        EXPECT_TRUE(p.Benutzer.Gezeigt.isEmpty());
        EXPECT_FALSE(d.NurAnzeige());
        EXPECT_TRUE(d.BtnAuftragSenden->isEnabled());
        EXPECT_EQ(p.App.ArbeitsDatei.Messreihen.size(), p.App.ArbeitsDatei.KanalAnzahl);
        TMessDatei kopie = p.App.ArbeitsDatei;
        const TAuftragErgebnis e = AuftragErzeugen(kopie, Uhr::Jetzt());
        EXPECT_TRUE(e) << e.Fehler.toStdString();
    }
}

TEST(MessInfoForm, HelpKeyAndHelpButtonOpenTheirTopics) {
    TDialogProgramm p;
    TMessInfoForm& d = p.Oeffnen();
    QTest::keyClick(&d, Qt::Key_F1);
    d.BtnHilfe->click();
    EXPECT_EQ(p.Benutzer.HilfeKontexte, QList<int>({190, 180}));
}
