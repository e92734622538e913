// The measurement information and job dialog, offscreen, with a scripted user: form set-up,
// field checks and editing.
#include "MessInfoFormHilfen.h"

#include <gtest/gtest.h>

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

// The job the dialog would send and orvan-cli payload of the job file it saved agree.
// Every device the program ships with makes a job that the dialog can edit and whose job
// command can be built for all of its channels.
TEST(MessInfoForm, HelpKeyAndHelpButtonOpenTheirTopics) {
    TDialogProgramm p;
    TMessInfoForm& d = p.Oeffnen();
    QTest::keyClick(&d, Qt::Key_F1);
    d.BtnHilfe->click();
    EXPECT_EQ(p.Benutzer.HilfeKontexte, QList<int>({190, 180}));
}
