// The job dialog with files, the main window and orvan-cli: picking, raw import, saving and
// sending.
#include "MessInfoFormHilfen.h"

#include <gtest/gtest.h>

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

TEST(MessInfoForm, MainWindowOpensTheDialogForItsCommandAndReportsAJobThatCannotBeBuilt) {
    TUiProgramm p;
    TMainForm& h = p.Starten();
    TMessInfoForm dialog(p.App, p.App.ArbeitsDatei, p.App.Speicherbedarf, &h);
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
        TMessInfoForm d(p.App, p.App.ArbeitsDatei, p.App.Speicherbedarf);
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
