#pragma once

#include "device/GeraetBefehl.h"
#include "graph/ui/TMDIGraphWin.h"
#include "shell/TMainCfgDienste.h"

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <QVector>
#include <functional>
#include <memory>
#include <optional>

class QAction;
class QActionGroup;
class QDragEnterEvent;
class QDropEvent;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QPrinter;
class QToolBar;
class TAnwendung;
class TMessInfoForm;
struct TSprachTexte;

// The main window: a multiple-document frame whose child windows are graph windows. One list
// of actions drives the menus and the tool bar; every graph command goes to the active graph
// window and does nothing when there is none.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    // Builds the window on a started application (app/AnwendungStarten.h).
    explicit TMainForm(TAnwendung& app, QWidget* eltern = nullptr);
    ~TMainForm() override;

    // Captions, hints and enabled states from the language texts and the number of graph
    // windows; the captions of the language items.
    void Aktualisieren();
    // Status panels 1 and 2: the selected device with its connection state and line settings.
    void StatusBarSetzen();
    // The settings dialog; the graph properties and the measurement information dialog as
    // `sender` open it on its units page.
    void EinstellungenClick(QObject* sender);
    // The settings dialog on its units page over `eltern`: what the unit buttons of other
    // dialogs call (through their signal) before they rebuild their unit lists.
    void EinheitenBearbeiten(QWidget* eltern);
    // What the settings dialog needs of the devices, the configuration and this window.
    TMainCfgDienste EinstellungenDienste();
    // The measurement information and job dialog, modal; its send and unit requests go to
    // the device link and the settings.
    void MessAuftragClick();
    void MessInfoVerbinden(TMessInfoForm& dialog);

    TMDIGraphWin* AktivesGraphFenster() const;
    QList<TMDIGraphWin*> GraphFenster() const; // in creation order
    TMDIGraphWin* LetztesGraphFenster() const { return FLetztesGraphFenster; }
    QMdiArea* MdiArea() const { return FMdiArea; }
    QString StatusText(int panel) const;

    // The commands, also for the tests.
    TMDIGraphWin* DateiNeuClick();
    TMDIGraphWin* GraphFensterOeffnen(const QString& datei);
    void DateiOeffnenClick();
    // Files named on the command line or by the file manager: graph files (.ogr) open as graph
    // windows, measurement and job files go into a new graph as "Messwerte aus Datei" does.
    // Anything else is refused with a message. `ziel`: the graph window the files were dropped
    // on, which takes the measurements instead of a new one (TMainFormNavigation.cpp).
    void DateienOeffnen(const QStringList& dateien, TMDIGraphWin* ziel = nullptr);
    // The files opened or saved last (AppConst.ZuletztGeoeffnet), as the Datei menu lists them.
    void ZuletztEintragen(const QString& datei);
    void ZuletztOeffnen(const QString& datei);
    QMenu* MenZuletzt = nullptr;
    void InDateiLadenClick();
    void InGraphLadenClick();
    void NeuLadenClick();
    void KopierenClick();
    void MinimizeClick();
    void SpracheClick(QAction* eintrag);

    // The read-out of the instrument's recorded data into the data directory under the name
    // part of the chosen file (device/GeraetBefehl.h: GeraetAuslesen): the received file, or
    // none when the run failed or was cancelled. Tests put a read-out of their own here.
    std::function<TAuslesen(const QString& datei)> DatenAusGeraetLesen;

    // The actions, named as the program names them.
    QAction *ActDateiNeu, *ActDateiOeffnen, *ActDateiSchliessen, *ActDateiSpeichern,
        *ActDateiSpeichernUnter, *ActDateiExport, *ActInDateiLaden, *ActInGraphLaden, *ActNeuLaden,
        *ActDruckereinstellungen, *ActDrucken, *ActBeenden, *ActAusschneiden, *ActKopieren,
        *ActEinfuegen, *ActGraphEigenschaften, *ActZoomGross, *ActZoomKlein, *ActScrollLinks,
        *ActScrollRechts, *ActScrollOben, *ActScrollUnten, *ActMarker1, *ActMarker2, *ActDatumZeit,
        *ActGraphRefresh, *ActEinstellungen, *ActMessAuftrag, *ActCascade, *ActHorizontal,
        *ActVertical, *ActArrange, *ActMinimize, *ActHilfe, *ActInfo;
    // Moving about in the active graph: back and forward through its views, go to a time.
    QAction *ActZoomZurueck = nullptr, *ActZoomVor = nullptr, *ActGeheZu = nullptr;
    QMenu* MenSprache = nullptr;
    QToolBar* ToolBar = nullptr;

protected:
    bool event(QEvent* ereignis) override;
    void closeEvent(QCloseEvent* ereignis) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
    void dragEnterEvent(QDragEnterEvent* ereignis) override;
    void dropEvent(QDropEvent* ereignis) override;

private:
    enum TFreigabe { Immer, Nie, GraphOffen };
    struct TAktion {
        QAction* Aktion;
        QString TSprachTexte::*Caption;
        QString TSprachTexte::*Hint;
        TFreigabe Freigabe;
    };

    QAction* AktionAnlegen(const QString& name, QString TSprachTexte::*caption,
                           QString TSprachTexte::*hint, const QKeySequence& taste,
                           TFreigabe freigabe, int hilfe);
    void AktionenAnlegen();
    void MenuesAnlegen();
    void ToolBarAnlegen();
    void NavigationAnlegen();
    void NavigationAktualisieren();
    void ZuletztMenueZeigen();
    void SpracheMenueAnlegen();
    void FensterMenueZeigen();
    void GraphBefehl(void (TMDIGraphWin::*befehl)());
    QMdiSubWindow* FensterEinsetzen(TMDIGraphWin* fenster);
    QRect NeueFensterLage(const QMdiSubWindow* neu) const;
    std::optional<QString> MessDateiWaehlen();
    std::optional<QString> MesswerteAusGeraet(const QString& datei);
    // Check, read and insert a measurement file; `neu` makes a new graph window first.
    // `ziel` (when not `neu`): the window to insert into, else the active one.
    void MessDateiInGraph(const QString& datei, bool neu, TMDIGraphWin* ziel = nullptr);
    void Kacheln(bool horizontal);
    void EinstellungenOeffnen(bool einheitenZuerst, QWidget* eltern);
    void HilfeDateiSetzen(const QString& datei);

    TAnwendung& FApp;
    QMdiArea* FMdiArea = nullptr;
    QVector<TAktion> FAktionen;
    QMenu *FMenDatei = nullptr, *FMenBearbeiten = nullptr, *FMenExtras = nullptr,
          *FMenFenster = nullptr, *FMenHilfe = nullptr;
    QActionGroup* FSprachen = nullptr;
    QLabel* FPanel[3] = {};
    int FGraphZaehler = 0;
    QPointer<TMDIGraphWin> FLetztesGraphFenster;
    std::unique_ptr<QPrinter> FDrucker;
    bool FSchliesst = false;
    // The context of every graph window's `destroyed` connection. The graph windows die in the
    // widget base destructor, after this object's own destructor has run; this member dies
    // before that, and with it the connections, so no window calls back into what is left of
    // the main window. It stays the last member so that it goes first.
    QObject FFensterWache;
};
