// The main window's actions, menus, tool bar and language menu: the one table of its
// commands with their texts, shortcuts, icons, enabled states and help contexts.
#include "app/AnwendungStarten.h"
#include "app/Fensterlage.h"
#include "app/TAnwendung.h"
#include "app/ui/TInfoBox.h"
#include "app/ui/TMainForm.h"
#include "app/ui/TOrvanApplikation.h"
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
#include "shell/HilfeKontexte.h"
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
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>
#include <algorithm>

QAction* TMainForm::AktionAnlegen(const QString& name, QString TSprachTexte::*caption,
                                  QString TSprachTexte::*hint, const QKeySequence& taste,
                                  TFreigabe freigabe, int hilfe) {
    auto* aktion = new QAction(this);
    aktion->setObjectName(QStringLiteral("Act") + name);
    aktion->setIcon(TSymbole::Symbol(name));
    aktion->setShortcut(taste);
    aktion->setShortcutContext(Qt::WindowShortcut);
    aktion->setData(hilfe); // help context; 0: none
    FAktionen.append({aktion, caption, hint, freigabe});
    return aktion;
}

void TMainForm::AktionenAnlegen() {
    using T = TSprachTexte;
    using K = QKeySequence;
    const auto strg = [](int taste) { return K(Qt::CTRL | taste); };
    const auto strgAlt = [](int taste) { return K(Qt::CTRL | Qt::ALT | taste); };

    // clang-format off
    ActDateiNeu = AktionAnlegen("DateiNeu", &T::DateiNeuCaption, &T::DateiNeuHint, strg(Qt::Key_N), Immer, HilfeKontext::DateiNeu);
    ActDateiOeffnen = AktionAnlegen("DateiOeffnen", &T::DateiOeffnenCaption, &T::DateiOeffnenHint, strg(Qt::Key_O), Immer, HilfeKontext::DateiOeffnen);
    ActDateiSchliessen = AktionAnlegen("DateiSchliessen", &T::DateiSchliessenCaption, &T::DateiSchliessenHint, strg(Qt::Key_Z), GraphOffen, HilfeKontext::DateiSchliessen);
    ActDateiSpeichern = AktionAnlegen("DateiSpeichern", &T::DateiSpeichernCaption, &T::DateiSpeichernHint, strg(Qt::Key_S), GraphOffen, HilfeKontext::DateiSpeichern);
    ActDateiSpeichernUnter = AktionAnlegen("DateiSpeichernUnter", &T::DateiSpeichernUnterCaption, &T::DateiSpeichernUnterHint, strg(Qt::Key_U), GraphOffen, HilfeKontext::DateiSpeichernUnter);
    ActDateiExport = AktionAnlegen("DateiExportieren", &T::DateiExportierenCaption, &T::DateiExportierenHint, K(), GraphOffen, HilfeKontext::DateiExportieren);
    ActInDateiLaden = AktionAnlegen("InDateiLaden", &T::InDateiLadenCaption, &T::InDateiLadenHint, strg(Qt::Key_L), Immer, HilfeKontext::MesswerteLaden);
    ActInGraphLaden = AktionAnlegen("InGraphLaden", &T::InGraphLadenCaption, &T::InGraphLadenHint, strg(Qt::Key_D), GraphOffen, HilfeKontext::MesswerteAusDatei);
    ActNeuLaden = AktionAnlegen("NeuLaden", &T::NeuLadenCaption, &T::NeuLadenHint, strg(Qt::Key_M), Immer, HilfeKontext::MesswerteNeuLaden);
    ActDruckereinstellungen = AktionAnlegen("Druckereinstellungen", &T::DruckereinstellungenCaption, &T::DruckereinstellungenHint, K(), Immer, 0);
    ActDrucken = AktionAnlegen("Drucken", &T::DruckenCaption, &T::DruckenHint, strg(Qt::Key_P), GraphOffen, 0);
    ActBeenden = AktionAnlegen("Beenden", &T::BeendenCaption, &T::BeendenHint, strg(Qt::Key_B), Immer, HilfeKontext::Beenden);
    ActAusschneiden = AktionAnlegen("Ausschneiden", &T::AusschneidenCaption, &T::AusschneidenHint, strg(Qt::Key_X), Nie, HilfeKontext::Ausschneiden);
    ActKopieren = AktionAnlegen("Kopieren", &T::KopierenCaption, &T::KopierenHint, strg(Qt::Key_C), GraphOffen, HilfeKontext::Kopieren);
    ActEinfuegen = AktionAnlegen("Einfuegen", &T::EinfuegenCaption, &T::EinfuegenHint, strg(Qt::Key_V), Nie, HilfeKontext::Einfuegen);
    ActGraphEigenschaften = AktionAnlegen("GraphEigenschaften", &T::GraphEigenschaftenCaption, &T::GraphEigenschaftenHint, strg(Qt::Key_G), GraphOffen, HilfeKontext::GraphEigenschaften);
    ActZoomGross = AktionAnlegen("ZoomGross", &T::ZoomGrossCaption, &T::ZoomGrossHint, strgAlt(Qt::Key_Y), GraphOffen, 0);
    ActZoomKlein = AktionAnlegen("ZoomKlein", &T::ZoomKleinCaption, &T::ZoomKleinHint, strgAlt(Qt::Key_Z), GraphOffen, 0);
    ActScrollLinks = AktionAnlegen("ScrollLinks", &T::ScrollLinksCaption, &T::ScrollLinksHint, strgAlt(Qt::Key_L), GraphOffen, 0);
    ActScrollRechts = AktionAnlegen("ScrollRechts", &T::ScrollRechtsCaption, &T::ScrollRechtsHint, strgAlt(Qt::Key_R), GraphOffen, 0);
    ActScrollOben = AktionAnlegen("ScrollOben", &T::ScrollObenCaption, &T::ScrollObenHint, strgAlt(Qt::Key_O), GraphOffen, 0);
    ActScrollUnten = AktionAnlegen("ScrollUnten", &T::ScrollUntenCaption, &T::ScrollUntenHint, strgAlt(Qt::Key_U), GraphOffen, 0);
    ActMarker1 = AktionAnlegen("Marker1", &T::Marker1Caption, &T::Marker1Hint, K(), GraphOffen, 0);
    ActMarker2 = AktionAnlegen("Marker2", &T::Marker2Caption, &T::Marker2Hint, K(), GraphOffen, 0);
    ActDatumZeit = AktionAnlegen("DatumZeit", &T::DatumZeitCaption, &T::DatumZeitHint, K(), GraphOffen, 0);
    ActGraphRefresh = AktionAnlegen("GraphRefresh", &T::GraphRefreshCaption, &T::GraphRefreshHint, K(), GraphOffen, 0);
    ActEinstellungen = AktionAnlegen("Einstellungen", &T::EinstellungenCaption, &T::EinstellungenHint, strg(Qt::Key_E), Immer, HilfeKontext::Einstellungen);
    ActMessAuftrag = AktionAnlegen("MessAuftrag", &T::MessAuftragCaption, &T::MessAuftragHint, strg(Qt::Key_I), Immer, HilfeKontext::MessInfo);
    ActCascade = AktionAnlegen("Cascade", &T::CascadeCaption, &T::CascadeHint, K(), GraphOffen, HilfeKontext::FensterUeberlappend);
    ActHorizontal = AktionAnlegen("Horizontal", &T::HorizontalCaption, &T::HorizontalHint, K(), GraphOffen, HilfeKontext::FensterNebeneinander);
    ActVertical = AktionAnlegen("Vertical", &T::VerticalCaption, &T::VerticalHint, K(), GraphOffen, HilfeKontext::FensterNebeneinander);
    ActArrange = AktionAnlegen("Arrange", &T::ArrangeCaption, &T::ArrangeHint, K(), GraphOffen, HilfeKontext::FensterAnordnen);
    ActMinimize = AktionAnlegen("Minimize", &T::MinimizeCaption, &T::MinimizeHint, K(), GraphOffen, HilfeKontext::FensterVerkleinern);
    ActHilfe = AktionAnlegen("Hilfe", &T::HilfeCaption, &T::HilfeHint, K(Qt::Key_F1), Immer, HilfeKontext::Haupt);
    ActInfo = AktionAnlegen("Info", &T::InfoCaption, &T::InfoHint, strg(Qt::Key_J), Immer, HilfeKontext::Haupt);
    // clang-format on

    // The markers show their armed state as a pressed tool button.
    ActMarker1->setCheckable(true);
    ActMarker2->setCheckable(true);

    connect(ActDateiNeu, &QAction::triggered, this, [this] { DateiNeuClick(); });
    connect(ActDateiOeffnen, &QAction::triggered, this, &TMainForm::DateiOeffnenClick);
    connect(ActDateiSchliessen, &QAction::triggered, this, [this] {
        if (QMdiSubWindow* fenster = FMdiArea->currentSubWindow()) {
            fenster->close();
        }
    });
    connect(ActDateiSpeichern, &QAction::triggered, this,
            [this] { GraphBefehl(&TMDIGraphWin::DateiSpeichern); });
    connect(ActDateiSpeichernUnter, &QAction::triggered, this,
            [this] { GraphBefehl(&TMDIGraphWin::DateiSpeichernUnter); });
    connect(ActDateiExport, &QAction::triggered, this,
            [this] { GraphBefehl(&TMDIGraphWin::DateiExportieren); });
    connect(ActInDateiLaden, &QAction::triggered, this, &TMainForm::InDateiLadenClick);
    connect(ActInGraphLaden, &QAction::triggered, this, &TMainForm::InGraphLadenClick);
    connect(ActNeuLaden, &QAction::triggered, this, &TMainForm::NeuLadenClick);
    connect(ActDruckereinstellungen, &QAction::triggered, this,
            [this] { FApp.Benutzer->DruckDialog(*FDrucker); });
    connect(ActDrucken, &QAction::triggered, this,
            [this] { GraphBefehl(&TMDIGraphWin::GraphDrucken); });
    connect(ActBeenden, &QAction::triggered, this, &QWidget::close);
    connect(ActKopieren, &QAction::triggered, this, &TMainForm::KopierenClick);
    connect(ActGraphEigenschaften, &QAction::triggered, this,
            [this] { GraphBefehl(&TMDIGraphWin::GraphEigenschaftenBearbeiten); });
    connect(ActZoomGross, &QAction::triggered, this,
            [this] { GraphBefehl(&TMDIGraphWin::ZoomGross); });
    connect(ActZoomKlein, &QAction::triggered, this,
            [this] { GraphBefehl(&TMDIGraphWin::ZoomKlein); });
    // Crosswise: "Scroll Links" shows larger X values, so the curves move to the left.
    connect(ActScrollLinks, &QAction::triggered, this,
            [this] { GraphBefehl(&TMDIGraphWin::ScrollRechts); });
    connect(ActScrollRechts, &QAction::triggered, this,
            [this] { GraphBefehl(&TMDIGraphWin::ScrollLinks); });
    connect(ActScrollOben, &QAction::triggered, this,
            [this] { GraphBefehl(&TMDIGraphWin::ScrollOben); });
    connect(ActScrollUnten, &QAction::triggered, this,
            [this] { GraphBefehl(&TMDIGraphWin::ScrollUnten); });
    connect(ActMarker1, &QAction::triggered, this, [this] {
        if (AktivesGraphFenster() == nullptr) {
            ActMarker1->setChecked(false);
        }
        GraphBefehl(&TMDIGraphWin::Marker1);
    });
    connect(ActMarker2, &QAction::triggered, this, [this] {
        if (AktivesGraphFenster() == nullptr) {
            ActMarker2->setChecked(false);
        }
        GraphBefehl(&TMDIGraphWin::Marker2);
    });
    connect(ActDatumZeit, &QAction::triggered, this,
            [this] { GraphBefehl(&TMDIGraphWin::DatumZeit); });
    connect(ActGraphRefresh, &QAction::triggered, this,
            [this] { GraphBefehl(&TMDIGraphWin::GraphRefresh); });
    connect(ActEinstellungen, &QAction::triggered, this, [this] { EinstellungenClick(this); });
    connect(ActMessAuftrag, &QAction::triggered, this, [this] { MessAuftragClick(); });
    connect(ActCascade, &QAction::triggered, FMdiArea, &QMdiArea::cascadeSubWindows);
    connect(ActHorizontal, &QAction::triggered, this, [this] { Kacheln(true); });
    connect(ActVertical, &QAction::triggered, this, [this] { Kacheln(false); });
    connect(ActArrange, &QAction::triggered, this, [this] {
        // Minimised windows line up along the bottom edge of the frame.
        const QList<QMdiSubWindow*> fenster = FMdiArea->subWindowList();
        int x = 0;
        for (QMdiSubWindow* f : fenster) {
            if (f->isMinimized()) {
                const QSize groesse = f->size();
                f->move(x, FMdiArea->viewport()->height() - groesse.height());
                x += groesse.width();
            }
        }
    });
    connect(ActMinimize, &QAction::triggered, this, &TMainForm::MinimizeClick);
    connect(ActHilfe, &QAction::triggered, this,
            [this] { FApp.Benutzer->HilfeZeigen(HilfeKontext::Haupt); });
    connect(ActInfo, &QAction::triggered, this, [this] {
        TInfoBox box(FApp, this);
        box.exec();
    });
}

void TMainForm::MenuesAnlegen() {
    QMenuBar* leiste = menuBar();
    FMenDatei = leiste->addMenu(QString());
    FMenDatei->addActions({ActDateiNeu, ActDateiOeffnen, ActDateiSchliessen, ActDateiSpeichern,
                           ActDateiSpeichernUnter, ActDateiExport});
    FMenDatei->addSeparator();
    FMenDatei->addActions({ActInDateiLaden, ActInGraphLaden, ActNeuLaden});
    FMenDatei->addSeparator();
    FMenDatei->addActions({ActDruckereinstellungen, ActDrucken});
    FMenDatei->addSeparator();
    FMenDatei->addAction(ActBeenden);

    FMenBearbeiten = leiste->addMenu(QString());
    FMenBearbeiten->addActions({ActAusschneiden, ActKopieren, ActEinfuegen});
    FMenBearbeiten->addSeparator();
    FMenBearbeiten->addActions({ActGraphEigenschaften, ActZoomGross, ActZoomKlein, ActScrollLinks,
                                ActScrollRechts, ActScrollOben, ActScrollUnten, ActMarker1,
                                ActMarker2, ActDatumZeit, ActGraphRefresh});

    FMenExtras = leiste->addMenu(QString());
    FMenExtras->addActions({ActEinstellungen, ActMessAuftrag});
    MenSprache = FMenExtras->addMenu(TSymbole::Symbol(QStringLiteral("Sprache")), QString());
    MenSprache->menuAction()->setData(HilfeKontext::Sprache);

    FMenFenster = leiste->addMenu(QString());
    connect(FMenFenster, &QMenu::aboutToShow, this, &TMainForm::FensterMenueZeigen);
    FensterMenueZeigen();

    FMenHilfe = leiste->addMenu(QString());
    FMenHilfe->addAction(ActHilfe);
    FMenHilfe->addSeparator();
    FMenHilfe->addAction(ActInfo);

    FMenDatei->menuAction()->setData(HilfeKontext::MenueDatei);
    FMenBearbeiten->menuAction()->setData(HilfeKontext::MenueBearbeiten);
    FMenExtras->menuAction()->setData(HilfeKontext::MenueExtras);
    FMenFenster->menuAction()->setData(HilfeKontext::MenueFenster);
    FMenHilfe->menuAction()->setData(HilfeKontext::Haupt);
    // F1 on an open menu opens the help of the highlighted entry.
    for (QMenu* menue :
         {FMenDatei, FMenBearbeiten, FMenExtras, FMenFenster, FMenHilfe, MenSprache}) {
        menue->installEventFilter(this);
        menue->setToolTipsVisible(false);
    }
}

void TMainForm::ToolBarAnlegen() {
    ToolBar = addToolBar(QStringLiteral("ToolBar"));
    ToolBar->setObjectName(QStringLiteral("ToolBar"));
    ToolBar->setIconSize(QSize(16, 16));
    ToolBar->setMovable(false);
    const QList<QList<QAction*>> gruppen = {
        {ActDateiNeu, ActDateiOeffnen, ActDateiSchliessen, ActDateiSpeichern,
         ActDateiSpeichernUnter},
        {ActInDateiLaden, ActInGraphLaden, ActNeuLaden},
        {ActDruckereinstellungen, ActDrucken},
        {ActBeenden},
        {ActAusschneiden, ActKopieren, ActEinfuegen},
        {ActGraphEigenschaften, ActZoomGross, ActZoomKlein, ActScrollLinks, ActScrollRechts,
         ActScrollOben, ActScrollUnten, ActMarker1, ActMarker2, ActDatumZeit, ActGraphRefresh},
        {ActEinstellungen, ActMessAuftrag},
        {ActCascade, ActHorizontal, ActVertical},
        {ActInfo, ActHilfe},
    };
    for (qsizetype i = 0; i < gruppen.size(); ++i) {
        if (i > 0) {
            ToolBar->addSeparator();
        }
        ToolBar->addActions(gruppen[i]);
    }
}

void TMainForm::SpracheMenueAnlegen() {
    FSprachen = new QActionGroup(this);
    FSprachen->setExclusive(true);
    for (const QString& name : FApp.AppConst.SprachenListe) {
        QAction* eintrag = MenSprache->addAction(QString());
        eintrag->setData(name);
        eintrag->setCheckable(true);
        eintrag->setChecked(name == FApp.AppConst.Sprache);
        FSprachen->addAction(eintrag);
        connect(eintrag, &QAction::triggered, this, [this, eintrag] { SpracheClick(eintrag); });
    }
}
