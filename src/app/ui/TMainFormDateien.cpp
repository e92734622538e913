// The main window's files: opening graph files, reading measurements from files and the instrument
// into graphs.
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

TMDIGraphWin* TMainForm::GraphFensterOeffnen(const QString& datei) {
    // A file that cannot be read opens no window: an empty window captioned with its path
    // would overwrite it at the next save.
    if (IstMessDatei(datei, FApp.AppConst.GeraeteListe)) {
        FApp.Nachricht(Meldung::Allgemein,
                       datei + QChar(13) + FApp.Texte.GraphDateiIstMessDateiText);
        return nullptr;
    }
    TDiagramm gelesen;
    if (!GraphDatei::GraphDateiOeffnen(FApp, datei, gelesen)) {
        return nullptr;
    }
    auto* fenster = new TMDIGraphWin(FApp, gelesen, FApp.DefaultKurve, datei, false);
    FensterEinsetzen(fenster);
    ZuletztEintragen(datei);
    return fenster;
}

void TMainForm::DateiOeffnenClick() {
    const TSprachTexte& t = FApp.Texte;
    const TDateiDialog dialog = DateiDialogVorlage(FApp, t.GraphDateiOeffnenText,
                                                   t.GraphDateienText, QStringLiteral(".ogr"));
    if (const auto datei = FApp.Benutzer->DateiOeffnen(dialog)) {
        GraphFensterOeffnen(*datei);
    }
}

std::optional<QString> TMainForm::MessDateiWaehlen() {
    return FApp.Benutzer->DateiOeffnen(MessDateiZielDialog(FApp));
}

std::optional<QString> TMainForm::MesswerteAusGeraet(const QString& datei) {
    TAuslesen gelesen;
    if (DatenAusGeraetLesen) {
        gelesen = DatenAusGeraetLesen(datei);
    }
    AuslesenFehlschlagMelden(FApp, gelesen);
    return gelesen.Datei;
}

void TMainForm::InDateiLadenClick() {
    const auto gewaehlt = MessDateiWaehlen();
    // The data land in the data directory, wherever the chosen name pointed.
    const auto datei = gewaehlt ? MesswerteAusGeraet(*gewaehlt) : std::nullopt;
    if (!datei) {
        return;
    }
    // The file only goes into the working record; no graph window changes.
    const TEinleseErgebnis e = MessDateiEinlesen(FApp, *datei, false, FApp.ArbeitsDatei);
    if (e.Weg == TEinleseWeg::Fehler) {
        FApp.Nachricht(Meldung::Allgemein, e.Lesen.Meldung);
    } else if (e.Weg != TEinleseWeg::Gelesen) {
        FApp.Nachricht(Meldung::FalschesDateiformat, *datei);
    }
}

void TMainForm::InGraphLadenClick() {
    if (AktivesGraphFenster() == nullptr) {
        return;
    }
    if (const auto datei = MessDateiWaehlen()) {
        MessDateiInGraph(*datei, false);
    }
}

void TMainForm::NeuLadenClick() {
    const auto gewaehlt = MessDateiWaehlen();
    const auto datei = gewaehlt ? MesswerteAusGeraet(*gewaehlt) : std::nullopt;
    if (datei) {
        MessDateiInGraph(*datei, true);
    }
}

void TMainForm::MessDateiInGraph(const QString& datei, bool neu, TMDIGraphWin* ziel) {
    const TEinleseErgebnis e = MessDateiEinlesen(FApp, datei, false, FApp.ArbeitsDatei);
    switch (e.Weg) {
    case TEinleseWeg::Gelesen:
    case TEinleseWeg::RohGelesen:
        break;
    case TEinleseWeg::Abgelehnt:
        FApp.Nachricht(Meldung::FalschesDateiformat, datei);
        return;
    case TEinleseWeg::Fehler:
        // A damaged file: the reader says what and where; nothing was changed.
        FApp.Nachricht(Meldung::Allgemein, e.Lesen.Meldung);
        return;
    }
    TMDIGraphWin* fenster = neu ? DateiNeuClick() : ziel != nullptr ? ziel : AktivesGraphFenster();
    if (fenster != nullptr) {
        ZuletztEintragen(datei);
        fenster->DateiInDiagramm(FApp.ArbeitsDatei,
                                 TImportQuelle{datei, e.Weg == TEinleseWeg::RohGelesen});
    }
}
