// The main window's dialogs: the job dialog with its send and unit requests, and the settings.
#include "app/ui/TMainForm.h"

#include "app/AnwendungStarten.h"
#include "app/TAnwendung.h"
#include "app/ui/TInfoBox.h"
#include "device/AuftragSenden.h"
#include "device/GeraetBefehl.h"
#include "device/GeraetEinstellungen.h"
#include "device/port/SeriellePorts.h"
#include "graph/DateiInDiagramm.h"
#include "graph/GraphDatei.h"
#include "graph/ui/TMDIGraphWin.h"
#include "measurement/MessDateiLeser.h"
#include "measurement/ui/TMessInfoForm.h"
#include "shell/DateiDialoge.h"
#include "shell/Konfiguration.h"
#include "shell/Meldungen.h"
#include "shell/Sprache.h"
#include "shell/ui/TMainCfgForm.h"
#include "shell/ui/TQtBenutzer.h"
#include "shell/ui/TSymbole.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>
#include <algorithm>

void TMainForm::MessAuftragClick() {
    TMessInfoForm dialog(FApp, FApp.ArbeitsDatei, FApp.Speicherbedarf, this);
    MessInfoVerbinden(dialog);
    dialog.exec();
}

void TMainForm::MessInfoVerbinden(TMessInfoForm& dialog) {
    // Sending goes through the device link with its progress dialog; the job dialog itself
    // knows nothing of the instrument.
    connect(&dialog, &TMessInfoForm::AuftragSendenGewuenscht, this, [this] {
        const TSendeErgebnis e =
            AuftragSenden(FApp, FApp.Geraete, FApp.AktuellesGeraet, FApp.ArbeitsDatei);
        if (!e.Gebaut) {
            FApp.Nachricht(Meldung::Allgemein, e.Fehler);
        }
        StatusBarSetzen();
    });
    connect(&dialog, &TMessInfoForm::EinheitenBearbeitenGewuenscht, this,
            [this, d = &dialog] { EinheitenBearbeiten(d); });
}

void TMainForm::EinstellungenClick(QObject* sender) {
    EinstellungenOeffnen(TMainCfgForm::EinheitenZuerst(sender), this);
}

void TMainForm::EinheitenBearbeiten(QWidget* eltern) {
    EinstellungenOeffnen(true, eltern != nullptr ? eltern : this);
}

void TMainForm::EinstellungenOeffnen(bool einheitenZuerst, QWidget* eltern) {
    TMainCfgForm dialog(FApp.AppConst, FApp.Texte, *FApp.Benutzer, EinstellungenDienste(),
                        einheitenZuerst, eltern);
    dialog.exec();
}

void TMainForm::HilfeDateiSetzen(const QString& datei) {
    // The Qt user seam asks for the page of the help directory in force at every call.
    FApp.HilfeDatei = datei;
}

TMainCfgDienste TMainForm::EinstellungenDienste() {
    TMainCfgDienste d;
    GeraetDiensteSetzen(FApp, FApp.Geraete, FApp.AktuellesGeraet, d);
    d.PortsVorhanden = SeriellePortsVorhanden;
    d.KonfigurationLesen = [this](const QString& verzeichnis) {
        EinstellungenLesen(FApp, verzeichnis, FApp.AppConst.UserKonfigDatei);
        HilfeDateiSetzen(FApp.HilfeDatei);
    };
    d.KonfigurationSchreiben = [this](const QString& verzeichnis) {
        return EinstellungenSchreiben(FApp, verzeichnis, FApp.AppConst.UserKonfigDatei);
    };
    d.KonfigPfadSpeichern = [this] { return KonfigPfadSpeichern(FApp); };
    d.SpracheLesen = [this](const QString& sprache) {
        SpracheLesen(FApp, sprache);
        for (QAction* eintrag : FSprachen->actions()) {
            eintrag->setChecked(eintrag->data().toString() == sprache);
        }
    };
    d.HilfeDateiSetzen = [this](const QString& datei) { HilfeDateiSetzen(datei); };
    d.HauptfensterAktualisieren = [this] {
        Aktualisieren();
        if (TMDIGraphWin* fenster = AktivesGraphFenster()) {
            fenster->Aktualisieren();
        }
    };
    d.StatusBarSetzen = [this] { StatusBarSetzen(); };
    return d;
}
