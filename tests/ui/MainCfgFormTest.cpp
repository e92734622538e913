// The settings dialog through the scripted user: which page opens first, the directory
// choosers and the switch of the configuration directory, the device list, saving and
// cancelling, the clock parameter, the serial devices behind the port numbers and the
// units table.
#include "UiTestHilfen.h"

#include "shell/Einheiten.h"
#include "shell/TIniDatei.h"
#include "shell/ui/TEinheitenGitter.h"
#include "shell/ui/TMainCfgForm.h"
#include "shell/ui/TMainCfgHardware.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFocusEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

#include "graph/ui/TGraphWinCfgForm.h"
#include "measurement/ui/TMessInfoForm.h"


namespace {

void DateiSchreiben(const QString& pfad, const QByteArray& inhalt) {
    QFile datei(pfad);
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.write(inhalt);
}

// The main window started on a program directory of its own, and the dialog opened over it
// as the settings command opens it, with its services (devices, files) real.
struct TCfgProgramm : TUiProgramm {
    std::unique_ptr<TMainCfgForm> Dialog;

    // Started with a device type of the shipped catalogue selected (a first start has none,
    // and the dialog would say so with message 3 each time it opens).
    TMainForm& Start() {
        TMainForm& h = Starten();
        App.AppConst.Geraet = QStringLiteral("VL-4 Kompakt");
        return h;
    }

    TMainCfgForm& Oeffnen(bool einheitenZuerst = false) {
        if (!Haupt) {
            Start();
        }
        Dialog = std::make_unique<TMainCfgForm>(App.AppConst, App.Texte, Benutzer,
                                                Haupt->EinstellungenDienste(), einheitenZuerst,
                                                Haupt.get());
        Dialog->show();
        QCoreApplication::processEvents();
        return *Dialog;
    }
    QString UserDatei() const {
        return App.AppConst.KonfigurationsPfad + App.AppConst.UserKonfigDatei;
    }
};

// Runs `pruefen` on the modal dialog that the next call opens, then closes it.
void ImModalenDialog(std::function<void(TMainCfgForm&)> pruefen) {
    QTimer::singleShot(0, [pruefen] {
        auto* d = qobject_cast<TMainCfgForm*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        pruefen(*d);
        d->reject();
    });
}

// Types into cell (zeile, spalte) as a user does: the editor opens on the first key.
void Tippen(TEinheitenGitter& g, int zeile, int spalte, const QString& text) {
    g.setFocus();
    g.setCurrentCell(zeile, spalte);
    g.editItem(g.item(zeile, spalte));
    auto* editor = qobject_cast<QLineEdit*>(g.indexWidget(g.model()->index(zeile, spalte)));
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, text);
}

QStringList Spalte(TEinheitenGitter& g, int spalte) {
    QStringList texte;
    for (const QStringList& z : g.Zeilen()) {
        texte.append(z.value(spalte));
    }
    return texte;
}

TEinheitenListe DreiEinheiten() {
    return {{"Sekunde", "s", 1, 0, "Sekunde"},
            {"ms", "ms", 0.001, 0, "Sekunde"},
            {"Digit", "D", 1, 0, "Digit"}};
}

} // namespace

TEST(MainCfgForm, UnitsPageFirstOnlyFromTheUnitButtonsOfOtherDialogs) {
    TCfgProgramm p;
    TMainForm& h = p.Start();
    // The two dialogs whose unit buttons open the settings on the units page.
    TGraphWinCfgForm graph(p.App.DefaultDiagramm, p.App.AppConst, p.App.Texte, p.Benutzer,
                           p.App.DefaultKurve, p.App.DefaultDiagramm, [] { return true; });
    TMessInfoForm mess(p.App, p.App.ArbeitsDatei, p.App.Speicherbedarf);
    EXPECT_TRUE(TMainCfgForm::EinheitenZuerst(&graph));
    EXPECT_TRUE(TMainCfgForm::EinheitenZuerst(&mess));
    EXPECT_FALSE(TMainCfgForm::EinheitenZuerst(&h));
    EXPECT_FALSE(TMainCfgForm::EinheitenZuerst(nullptr));

    ImModalenDialog([](TMainCfgForm& d) {
        EXPECT_EQ(d.PageControl->currentWidget(), d.TabEinheiten);
        EXPECT_EQ(d.windowTitle(), "Einstellungen");
    });
    h.EinheitenBearbeiten(&graph);
    ImModalenDialog(
        [](TMainCfgForm& d) { EXPECT_EQ(d.PageControl->currentWidget(), d.TabEinheiten); });
    h.EinstellungenClick(&mess);
    ImModalenDialog([](TMainCfgForm& d) {
        EXPECT_EQ(d.PageControl->currentWidget(), d.TabAllgemein);
        EXPECT_FALSE(d.TabHardware->LbeDatumUhr->isEnabled());
        EXPECT_FALSE(d.TabHardware->CmbBaud->isEnabled());
    });
    h.ActEinstellungen->trigger();
}

TEST(MainCfgForm, CaptionsAndHintsComeFromTheLanguageTexts) {
    TCfgProgramm p;
    TMainCfgForm& d = p.Oeffnen();
    EXPECT_EQ(d.PageControl->tabText(1), "Hardware");
    EXPECT_EQ(d.LblDatenVerzeichnis->text(), "Daten - Verzeichnis:");
    EXPECT_EQ(d.LbeFirma->toolTip(), "Firmen-Name eingeben...");
    EXPECT_EQ(d.TabHardware->ChkLogFile->toolTip(), "Schnittstellen-Protokoll anlegen...");
    EXPECT_EQ(d.BtnSpeichern->text(), "Speichern");
    EXPECT_EQ(d.BtnHilfe->toolTip(), "Hilfe aufrufen...");
    EXPECT_EQ(d.VGrEinheiten->horizontalHeaderItem(4)->text(), "Bezugs - Einheit");
    d.BtnHilfe->click();
    QTest::keyClick(&d, Qt::Key_F1);
    EXPECT_EQ(p.Benutzer.HilfeKontexte, (QList<int>{180, 180}));
}

TEST(MainCfgForm, TypingTheCurrentConfigurationDirectoryDoesNothing) {
    TCfgProgramm p;
    TMainCfgForm& d = p.Oeffnen();
    const QByteArray vorher = DateiInhalt(p.UserDatei());
    QString ohneTrenner = p.App.AppConst.KonfigurationsPfad;
    ohneTrenner.chop(1);
    for (const QString& text : {p.App.AppConst.KonfigurationsPfad, ohneTrenner}) {
        SCOPED_TRACE(text.toStdString());
        d.LbeKonfigVerzeichnis->setText(text);
        d.KonfigVerzeichnisExit();
        EXPECT_TRUE(p.Benutzer.Gezeigt.isEmpty());
        EXPECT_EQ(DateiInhalt(p.UserDatei()), vorher);
    }
}

TEST(MainCfgForm, SwitchToAnEmptyDirectoryWritesTheShownValuesThere) {
    TCfgProgramm p;
    TMainCfgForm& d = p.Oeffnen();
    const QString neu = p.Pfad("Anderswo/Konfig");
    d.LbeFirma->setText("Neue Firma");
    d.LbeKonfigVerzeichnis->setText(neu); // without its separator
    // Leaving the field for another control of the dialog is what switches.
    QFocusEvent weg(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(d.LbeKonfigVerzeichnis, &weg);

    EXPECT_EQ(p.App.AppConst.KonfigurationsPfad, neu + "/");
    EXPECT_EQ(d.LbeKonfigVerzeichnis->text(), neu + "/");
    EXPECT_EQ(p.Benutzer.Nummern(), (QList<int>{20, 21}));
    EXPECT_EQ(p.Benutzer.Gezeigt[0].Text.contains(neu + "/" + p.App.AppConst.UserKonfigDatei),
              true);
    const TIniDatei user(neu + "/" + p.App.AppConst.UserKonfigDatei);
    ASSERT_TRUE(user.Vorhanden());
    EXPECT_EQ(user.LiesText("Allgemein", "Firmen-Name", ""), "Neue Firma");
    const TIniDatei prg(p.App.AppConst.PrgKonfigPfad + p.App.AppConst.PrgKonfigDatei);
    EXPECT_EQ(prg.LiesText("Allgemein", "Konfigurations-Pfad", ""), neu + "/");
    EXPECT_EQ(d.PageControl->currentIndex(), 0);
}

TEST(MainCfgForm, SwitchToADirectoryWithAUserFileLoadsItAndMergesUnits) {
    TCfgProgramm p;
    p.Start();
    p.App.AppConst.Einheiten = DreiEinheiten();
    TMainCfgForm& d = p.Oeffnen();
    const QString neu = p.Pfad("Team/");
    QDir().mkpath(neu);
    DateiSchreiben(neu + p.App.AppConst.UserKonfigDatei,
                   "[Allgemein]\nFirmen-Name=Team GmbH\nSprache=English\n"
                   "[Einheiten]\nms=x,5,0,y\nZoll=in,0.0254,0,Meter\n");
    d.LbeKonfigVerzeichnis->setText(neu);
    d.KonfigVerzeichnisExit();

    EXPECT_EQ(p.Benutzer.Nummern(), (QList<int>{21}));
    EXPECT_EQ(p.App.AppConst.KonfigurationsPfad, neu);
    EXPECT_EQ(d.LbeFirma->text(), "Team GmbH");
    // Known units keep their values, new ones are appended.
    EXPECT_EQ(Spalte(*d.VGrEinheiten, 0), (QStringList{"Sekunde", "ms", "Digit", "Zoll"}));
    EXPECT_EQ(Spalte(*d.VGrEinheiten, 2), (QStringList{"1", "0.001", "1", "0.0254"}));
    // The language of that file, in the dialog and in the main window.
    EXPECT_EQ(p.App.AppConst.Sprache, "English");
    EXPECT_EQ(d.BtnAbbrechen->text(), p.App.Texte.BtnEinstellungAbbrechenCaption);
    EXPECT_NE(d.BtnAbbrechen->text(), "Abbrechen");
    EXPECT_EQ(p.Haupt->ActEinstellungen->text(), p.App.Texte.EinstellungenCaption);
    const TIniDatei prg(p.App.AppConst.PrgKonfigPfad + p.App.AppConst.PrgKonfigDatei);
    EXPECT_EQ(prg.LiesText("Allgemein", "Konfigurations-Pfad", ""), neu);
}

TEST(MainCfgForm, ChosenDataDirectoryTakesEffectAtOnceAndSurvivesCancel) {
    TCfgProgramm p;
    TMainCfgForm& d = p.Oeffnen();
    const QString alt = p.App.AppConst.DatenPfad;
    d.LbeFirma->setText("ungespeichert");
    p.Benutzer.Verzeichnisse = {std::nullopt, p.Pfad("Messungen"), p.Pfad("Hilfe2")};
    d.BtnDatenVerzeichnis->click(); // cancelled
    EXPECT_EQ(p.App.AppConst.DatenPfad, alt);
    d.BtnDatenVerzeichnis->click();
    EXPECT_EQ(p.App.AppConst.DatenPfad, p.Pfad("Messungen/"));
    EXPECT_EQ(d.LbeDatenVerzeichnis->text(), p.Pfad("Messungen/"));
    // Refilling from the configuration drops what was typed and not saved.
    EXPECT_EQ(d.LbeFirma->text(), p.App.AppConst.FirmenName);
    d.BtnHilfeVerzeichnis->click();
    EXPECT_EQ(p.App.HilfeDatei, p.Pfad("Hilfe2/") + Dateinamen::HilfeDatei);
    d.BtnAbbrechen->click();
    EXPECT_EQ(d.result(), QDialog::Rejected);
    EXPECT_EQ(p.App.AppConst.DatenPfad, p.Pfad("Messungen/"));
    EXPECT_EQ(p.Benutzer.DateiDialoge.size(), 0);
}

TEST(MainCfgForm, SavingWritesTheFileShowsMessage13AndRefreshesTheStatusBar) {
    TCfgProgramm p;
    TMainCfgForm& d = p.Oeffnen();
    const QStringList geraete = p.App.AppConst.GeraeteListe;
    ASSERT_GE(geraete.size(), 2);
    d.LbeBenutzer->setText("Erika");
    d.LbeDatenVerzeichnis->setText(p.Pfad("ohneTrenner"));
    d.TabHardware->CmbPort->setCurrentIndex(2);
    d.LbeZeitKurzFormat->setText("hh:nn");
    EXPECT_EQ(d.EdiZeitKurz->text().size(), 5); // the preview follows the typing
    d.BtnSpeichern->click();

    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(p.Benutzer.Nummern(), (QList<int>{13}));
    EXPECT_TRUE(p.Benutzer.Gezeigt[0].Text.contains(p.UserDatei()));
    const TIniDatei user(p.UserDatei());
    EXPECT_EQ(user.LiesText("Allgemein", "Benutzer", ""), "Erika");
    EXPECT_EQ(user.LiesText("Allgemein", "Daten-Pfad", ""), p.Pfad("ohneTrenner/"));
    EXPECT_EQ(user.LiesText("Allgemein", "Zeitformat kurz", ""), "hh:nn");
    EXPECT_EQ(user.LiesGanzzahl("Hardware", "Serielle Port-Nr.", 0), 3);
    // Units were saved with the neutral unit in front.
    EXPECT_TRUE(user.SchluesselVorhanden("Einheiten", "<>"));
    EXPECT_TRUE(p.Haupt->StatusText(1).startsWith(p.App.AktuellesGeraet.Name));
}

TEST(MainCfgForm, AnotherDeviceTypeReplacesTheLineSettingsAndRefillsEveryPage) {
    TCfgProgramm p;
    TMainCfgForm& d = p.Oeffnen();
    const QStringList geraete = p.App.AppConst.GeraeteListe;
    const int anderes = int(geraete.indexOf("VL-8 Analog"));
    ASSERT_GE(anderes, 0);
    d.LbeAbteilung->setText("ungespeichert");
    d.TabHardware->CmbGeraet->setCurrentIndex(anderes);
    emit d.TabHardware->CmbGeraet->activated(anderes);
    EXPECT_EQ(p.App.AppConst.Geraet, "VL-8 Analog");
    EXPECT_EQ(p.App.AktuellesGeraet.Name, "VL-8 Analog");
    EXPECT_EQ(d.TabHardware->CmbBaud->currentText(), "38400");
    EXPECT_EQ(d.LbeAbteilung->text(), p.App.AppConst.Abteilung);
    // Cancel keeps the selected device for the run.
    d.BtnAbbrechen->click();
    EXPECT_EQ(p.App.AppConst.Geraet, "VL-8 Analog");
}

TEST(MainCfgForm, ParityOneIsKeptBySaving) {
    TCfgProgramm p;
    const QString katalog = p.Pfad("Config/Geraete.cfg");
    QByteArray text = DateiInhalt(katalog);
    const qsizetype abschnitt = text.indexOf("[VL-8 Analog]");
    ASSERT_GE(abschnitt, 0);
    text.replace(text.indexOf("Parity=0", abschnitt), 8, "Parity=1");
    QFile::remove(katalog);
    DateiSchreiben(katalog, text);
    p.Start();
    p.App.AppConst.Geraet = "VL-8 Analog";
    TMainCfgForm& d = p.Oeffnen();
    EXPECT_EQ(d.TabHardware->LbeParity->text(), "Ungerade");
    d.BtnSpeichern->click();
    EXPECT_EQ(p.App.AktuellesGeraet.Parity, 1);
    // The catalogue itself is never written.
    EXPECT_EQ(DateiInhalt(katalog), text);
}

TEST(MainCfgForm, ClockFieldBecomesTheSetParameterAndFailuresChangeNoConvention) {
    TCfgProgramm p;
    p.Start();
    TMainCfgDienste dienste = p.Haupt->EinstellungenDienste();
    QStringList gesendet;
    dienste.UhrSetzen = [&gesendet](QString& parameter) {
        gesendet.append(parameter);
        return true;
    };
    const TAppConst vorher = p.App.AppConst;
    TMainCfgForm d(p.App.AppConst, p.App.Texte, p.Benutzer, dienste, false);
    TMainCfgHardware& hw = *d.TabHardware;
    struct Fall {
        const char* Feld;
        const char* Parameter;
        QList<int> Nachrichten;
    } faelle[] = {
        {"08.12.26 22:15:30", "22:15:30 08.12.26", {}},
        {"kein Datum", "", {31}},
        {"", "", {}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.Feld);
        p.Benutzer.Gezeigt.clear();
        gesendet.clear();
        hw.LbeDatumUhr->setText(f.Feld);
        hw.BtnUhrzeitSetzen->click();
        EXPECT_EQ(gesendet, QStringList{f.Parameter});
        EXPECT_EQ(p.Benutzer.Nummern(), f.Nachrichten);
        EXPECT_EQ(p.App.AppConst.ZeitformatKurz, vorher.ZeitformatKurz);
        EXPECT_EQ(p.App.AppConst.DatumsformatKurz, vorher.DatumsformatKurz);
        EXPECT_EQ(p.App.AppConst.ZeitDatumsformat, vorher.ZeitDatumsformat);
    }
}

TEST(MainCfgForm, ClockReplyIsShownOrReported) {
    TCfgProgramm p;
    p.Start();
    TMainCfgDienste dienste = p.Haupt->EinstellungenDienste();
    QString antwort;
    dienste.UhrLesen = [&antwort](QString& parameter) {
        parameter = antwort;
        return antwort != "-";
    };
    TMainCfgForm d(p.App.AppConst, p.App.Texte, p.Benutzer, dienste, false);
    TMainCfgHardware& hw = *d.TabHardware;
    p.App.AppConst.ZeitDatumsformat = "yyyy-mm-dd hh:nn:ss";

    antwort = "08.12.2026 22:15:30";
    hw.BtnUhrzeitLesen->click();
    EXPECT_EQ(hw.LbeDatumUhr->text(), "2026-12-08 22:15:30");
    EXPECT_TRUE(hw.LbeDatumUhr->isEnabled());
    EXPECT_TRUE(p.App.AppConst.GeraetOnline);

    antwort = "-";
    hw.BtnUhrzeitLesen->click();
    EXPECT_EQ(hw.LbeDatumUhr->text(), "");
    EXPECT_FALSE(hw.LbeDatumUhr->isEnabled());
    EXPECT_FALSE(p.App.AppConst.GeraetOnline);
    EXPECT_EQ(p.Benutzer.Nummern(), (QList<int>{31}));
}

TEST(MainCfgForm, PortNumbersShowTheirDevicesAndStoreTheChoice) {
    TCfgProgramm p;
    p.Start();
    p.App.AppConst.PortGeraete = {{2, "/dev/ttyUSB9"}};
    TMainCfgDienste dienste = p.Haupt->EinstellungenDienste();
    dienste.PortsVorhanden = [] {
        return QList<TSeriellerPortInfo>{
            {"ttyUSB0", "/dev/ttyUSB0", "USB Serial", "FTDI", "A12345"},
            {"ttyS0", "/dev/ttyS0", "", "", ""}};
    };
    TMainCfgForm d(p.App.AppConst, p.App.Texte, p.Benutzer, dienste, false);
    TMainCfgHardware& hw = *d.TabHardware;
    QComboBox& geraet = *hw.CmbPortGeraet;
    // Port 1 without entry: the first serial port, which is present.
    EXPECT_EQ(hw.CmbPort->currentText(), "Com1");
    EXPECT_EQ(geraet.currentData().toString(), "/dev/ttyS0");
    EXPECT_EQ(geraet.itemText(0), "/dev/ttyUSB0 - USB Serial (FTDI, A12345)");
    // Port 2 names a device that is gone: shown as such, kept.
    hw.CmbPort->setCurrentIndex(1);
    EXPECT_EQ(geraet.currentText(), "/dev/ttyUSB9 (nicht vorhanden)");
    EXPECT_EQ(geraet.currentData().toString(), "/dev/ttyUSB9");
    // Port 1 gets a pseudo-terminal typed by hand, port 3 a listed port.
    hw.CmbPort->setCurrentIndex(0);
    geraet.setEditText(p.Pfad("tty"));
    hw.CmbPort->setCurrentIndex(2);
    const int usb = geraet.findData("/dev/ttyUSB0");
    geraet.setCurrentIndex(usb);
    emit geraet.activated(usb);
    d.BtnSpeichern->click();

    const TIniDatei user(p.UserDatei());
    EXPECT_EQ(user.LiesText("Hardware", "Com1", ""), p.Pfad("tty"));
    EXPECT_EQ(user.LiesText("Hardware", "Com2", ""), "/dev/ttyUSB9");
    EXPECT_EQ(user.LiesText("Hardware", "Com3", ""), "/dev/ttyUSB0");
    EXPECT_EQ(user.LiesGanzzahl("Hardware", "Serielle Port-Nr.", 0), 3);
}

TEST(MainCfgForm, UnitFactorsAreCheckedWhenTheCellIsLeft) {
    TCfgProgramm p;
    p.Start();
    p.App.AppConst.Einheiten = DreiEinheiten();
    TMainCfgForm& d = p.Oeffnen(true);
    TEinheitenGitter& g = *d.VGrEinheiten;
    for (const char* falsch : {"0", "-2"}) {
        SCOPED_TRACE(falsch);
        p.Benutzer.Gezeigt.clear();
        Tippen(g, 1, EinheitenTabelle::Faktor, falsch);
        g.setCurrentCell(1, EinheitenTabelle::Bezug);
        EXPECT_EQ(p.Benutzer.Nummern(), (QList<int>{36}));
        EXPECT_EQ(p.Benutzer.Gezeigt.value(0).Text.contains(" Zahlen >0"), true);
        EXPECT_EQ(g.currentRow(), 1);
        EXPECT_EQ(g.currentColumn(), int(EinheitenTabelle::Faktor));
    }
    p.Benutzer.Gezeigt.clear();
    Tippen(g, 1, EinheitenTabelle::Faktor, "2,5E");
    g.setCurrentCell(2, EinheitenTabelle::Faktor);
    EXPECT_TRUE(p.Benutzer.Gezeigt.isEmpty());
    EXPECT_EQ(g.item(1, EinheitenTabelle::Faktor)->text(), "2.5");
    EXPECT_EQ(g.currentRow(), 2);
}

TEST(MainCfgForm, UnitNamesThatTheFileCannotHoldAreRefused) {
    TCfgProgramm p;
    p.Start();
    p.App.AppConst.Einheiten = DreiEinheiten();
    TMainCfgForm& d = p.Oeffnen(true);
    TEinheitenGitter& g = *d.VGrEinheiten;
    for (const char* name : {"a=b", ";a", "[a", "a,b", "ms", ""}) {
        SCOPED_TRACE(name);
        p.Benutzer.Gezeigt.clear();
        g.item(0, 0)->setText(name);
        g.setCurrentCell(0, 0);
        g.setCurrentCell(0, 1);
        EXPECT_EQ(p.Benutzer.Nummern(), (QList<int>{37}));
        EXPECT_EQ(g.currentColumn(), 0);
        // Saving refuses as well, and writes nothing.
        const QByteArray vorher = DateiInhalt(p.UserDatei());
        p.Benutzer.Gezeigt.clear();
        d.BtnSpeichern->click();
        EXPECT_EQ(p.Benutzer.Nummern(), (QList<int>{37}));
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(DateiInhalt(p.UserDatei()), vorher);
    }
}

TEST(MainCfgForm, NewUnitFromTheFactorColumnStopsAtTheNewRowsEmptyFactor) {
    TCfgProgramm p;
    p.Start();
    p.App.AppConst.Einheiten = DreiEinheiten();
    TMainCfgForm& d = p.Oeffnen(true);
    TEinheitenGitter& g = *d.VGrEinheiten;
    g.setCurrentCell(0, EinheitenTabelle::Faktor);
    d.BtnEinheitNeu->click();
    EXPECT_EQ(g.rowCount(), 4);
    EXPECT_EQ(Spalte(g, 0), (QStringList{"Sekunde", "", "ms", "Digit"}));
    EXPECT_EQ(p.Benutzer.Nummern(), (QList<int>{36}));
    EXPECT_EQ(g.currentRow(), 1);
    EXPECT_EQ(g.currentColumn(), int(EinheitenTabelle::Faktor));

    // From the symbol column the new row is entered at its name.
    p.Benutzer.Gezeigt.clear();
    g.item(1, EinheitenTabelle::Faktor)->setText("4");
    g.item(1, EinheitenTabelle::Offset)->setText("0");
    g.item(1, 0)->setText("Viertel");
    g.setCurrentCell(1, EinheitenTabelle::Zeichen);
    d.BtnEinheitNeu->click();
    EXPECT_TRUE(p.Benutzer.Gezeigt.isEmpty());
    EXPECT_EQ(g.rowCount(), 5);
    EXPECT_EQ(g.currentRow(), 2);
    EXPECT_EQ(g.currentColumn(), 0);
    EXPECT_NE(qobject_cast<QLineEdit*>(g.indexWidget(g.currentIndex())), nullptr);
}

TEST(MainCfgForm, DeletingTheSecondToLastUnitMovesTheLastUp) {
    TCfgProgramm p;
    p.Start();
    p.App.AppConst.Einheiten = DreiEinheiten();
    TMainCfgForm& d = p.Oeffnen(true);
    TEinheitenGitter& g = *d.VGrEinheiten;
    g.setCurrentCell(1, EinheitenTabelle::Bezug);
    d.BtnEinheitLoeschen->click();
    EXPECT_EQ(Spalte(g, 0), (QStringList{"Sekunde", "Digit"}));
    EXPECT_EQ(g.currentRow(), 1);
    EXPECT_EQ(g.currentColumn(), 0);
    d.BtnEinheitLoeschen->click(); // the last row: the selection goes to the new last
    EXPECT_EQ(Spalte(g, 0), QStringList{"Sekunde"});
    EXPECT_EQ(g.currentRow(), 0);
    d.BtnEinheitLoeschen->click(); // the only row stays
    EXPECT_EQ(Spalte(g, 0), QStringList{"Sekunde"});
}

TEST(MainCfgForm, SavedUnitsStartWithTheNeutralUnitOnce) {
    TCfgProgramm p;
    p.Start();
    p.App.AppConst.Einheiten = DreiEinheiten();
    p.Oeffnen(true).BtnSpeichern->click();
    ASSERT_EQ(p.App.AppConst.Einheiten.size(), 4);
    EXPECT_EQ(p.App.AppConst.Einheiten[0], NeutraleEinheit());
    TMainCfgForm& d = p.Oeffnen(true);
    d.VGrEinheiten->SpalteSortieren(0);
    d.BtnSpeichern->click();
    EXPECT_EQ(p.App.AppConst.Einheiten.size(), 4);
    EXPECT_EQ(std::count_if(p.App.AppConst.Einheiten.cbegin(), p.App.AppConst.Einheiten.cend(),
                            [](const TEinheiten& e) { return e.Name == "<>"; }),
              1);
    // The order of the rows after sorting by name.
    QStringList namen;
    for (const TEinheiten& e : p.App.AppConst.Einheiten) {
        namen.append(e.Name);
    }
    EXPECT_EQ(namen, (QStringList{"<>", "Digit", "ms", "Sekunde"}));
}

TEST(MainCfgForm, HeaderClickSortsAndLeavingTheTableChecksTheCell) {
    TCfgProgramm p;
    p.Start();
    p.App.AppConst.Einheiten = DreiEinheiten();
    TMainCfgForm& d = p.Oeffnen(true);
    TEinheitenGitter& g = *d.VGrEinheiten;
    emit g.horizontalHeader()->sectionClicked(2);
    EXPECT_EQ(Spalte(g, 2), (QStringList{"0.001", "1", "1"}));
    g.item(0, EinheitenTabelle::Offset)->setText("x");
    g.setCurrentCell(0, EinheitenTabelle::Offset);
    EXPECT_FALSE(g.VerlassenPruefen());
    EXPECT_EQ(p.Benutzer.Nummern(), (QList<int>{36}));
}

TEST(MainCfgForm, TheEmptyRowOfAnEmptyListCanBeLeftAndSaved) {
    TCfgProgramm p;
    p.Start();
    p.App.AppConst.Einheiten.clear();
    TMainCfgForm& d = p.Oeffnen(true);
    TEinheitenGitter& g = *d.VGrEinheiten;
    ASSERT_EQ(g.rowCount(), 1);
    EXPECT_TRUE(g.VerlassenPruefen());
    // Moving inside the row still checks the cell being left.
    g.setCurrentCell(0, EinheitenTabelle::Zeichen);
    EXPECT_EQ(p.Benutzer.Nummern(), (QList<int>{37}));
    p.Benutzer.Gezeigt.clear();
    d.BtnSpeichern->click();
    EXPECT_EQ(p.Benutzer.Nummern(), (QList<int>{13}));
    EXPECT_EQ(p.App.AppConst.Einheiten, (TEinheitenListe{NeutraleEinheit()}));
}

TEST(MainCfgForm, AFileThatCannotBeWrittenIsReportedAndNothingSwitches) {
    TCfgProgramm p;
    TMainCfgForm& d = p.Oeffnen();
    // A directory below a plain file cannot be created.
    DateiSchreiben(p.Pfad("Datei"), "x");
    const QString alt = p.App.AppConst.KonfigurationsPfad;
    d.LbeKonfigVerzeichnis->setText(p.Pfad("Datei/Konfig/"));
    d.KonfigVerzeichnisExit();
    EXPECT_EQ(p.Benutzer.Nummern(), (QList<int>{4}));
    EXPECT_EQ(p.App.AppConst.KonfigurationsPfad, alt);
    EXPECT_EQ(d.LbeKonfigVerzeichnis->text(), alt);
    const TIniDatei prg(p.App.AppConst.PrgKonfigPfad + p.App.AppConst.PrgKonfigDatei);
    EXPECT_NE(prg.LiesText("Allgemein", "Konfigurations-Pfad", ""), p.Pfad("Datei/Konfig/"));

    // Saving into such a directory: message 4, no message 13, the dialog stays open.
    p.Benutzer.Gezeigt.clear();
    p.App.AppConst.KonfigurationsPfad = p.Pfad("Datei/Konfig/");
    d.AllgemeinLesen();
    d.BtnSpeichern->click();
    EXPECT_EQ(p.Benutzer.Nummern(), (QList<int>{4}));
    EXPECT_EQ(d.result(), 0);
    EXPECT_TRUE(d.isVisible());
}

TEST(MainCfgForm, ATypeTheCatalogueLacksKeepsItsNameWhenSaving) {
    TCfgProgramm p;
    p.Starten();
    p.App.AppConst.Geraet = "Altgeraet";
    TMainCfgForm& d = p.Oeffnen();
    EXPECT_EQ(p.Benutzer.Nummern(), (QList<int>{3}));
    EXPECT_EQ(d.TabHardware->CmbGeraet->currentIndex(), -1);
    d.BtnSpeichern->click();
    EXPECT_EQ(TIniDatei(p.UserDatei()).LiesText("Hardware", "Geraet", ""), "Altgeraet");
}

