#include "graph/ui/TMDIGraphWin.h"

#include "formula/TParser.h"
#include "graph/GraphDatei.h"
#include "graph/ui/TGraphAbbildung.h"
#include "graph/ui/TGraphOverlay.h"
#include "graph/ui/TGraphWinCfgForm.h"
#include "shell/Konfiguration.h"
#include "shell/Meldungen.h"
#include "shell/TBenutzer.h"
#include "shell/TShellKontext.h"

#include <qcustomplot.h>

#include <QCloseEvent>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPrinter>
#include <QStatusBar>
#include <QVBoxLayout>

TMDIGraphWin::TMDIGraphWin(TShellKontext& app, const TDiagramm& vorlage,
                           const TKurve& kurvenVorlage, const QString& name, bool oeffnen,
                           QWidget* eltern)
    : QWidget(eltern), FApp(app), FKurvenVorlage(kurvenVorlage),
      FParser(std::make_unique<TParser>()) {
    ChartAnlegen();
    NavigationEinrichten();
    setWindowTitle(name);
    Gespeichert = true;
    if (oeffnen) {
        // A missing file has been reported (message 28), a damaged one too; the window then
        // opens with an empty document.
        Diagramm = TDiagramm();
        TDiagramm gelesen;
        if (GraphDatei::GraphDateiOeffnen(FApp, name, gelesen)) {
            Diagramm = gelesen;
        }
    } else {
        Diagramm = vorlage;
    }
    GraphEigenschaftenSetzen();
    Aktualisieren();
}

TMDIGraphWin::~TMDIGraphWin() = default;

void TMDIGraphWin::ChartAnlegen() {
    Chart = new QCustomPlot(this);
    Chart->setObjectName(QStringLiteral("Chart"));
    Chart->setMouseTracking(true);
    Chart->setInteractions(QCP::Interactions());
    Chart->setNoAntialiasingOnDrag(true);
    Chart->setPlottingHint(QCP::phCacheLabels, true);
    Chart->installEventFilter(this);

    FAbbildung = std::make_unique<TGraphAbbildung>(Chart);
    // The chart keeps a readable plot however small the window is made.
    Chart->setMinimumSize(TGraphAbbildung::MindestPlot() + QSize(160, 110));

    connect(Chart, &QCustomPlot::mousePress, this, &TMDIGraphWin::ChartMouseDown);
    connect(Chart, &QCustomPlot::mouseMove, this, &TMDIGraphWin::ChartMouseMove);
    connect(Chart, &QCustomPlot::mouseRelease, this, &TMDIGraphWin::ChartMouseUp);

    StatusBar2 = new QStatusBar(this);
    StatusBar2->setSizeGripEnabled(false);
    StatusBar1 = new QStatusBar(this);
    for (int leiste = 0; leiste < 2; ++leiste) {
        for (int i = 0; i < 3; ++i) {
            auto* panel = new QLabel(this);
            panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            panel->setMinimumWidth(40);
            (leiste == 0 ? StatusBar1 : StatusBar2)->addWidget(panel, 1);
            FPanel[leiste][i] = panel;
        }
    }
    auto* aufbau = new QVBoxLayout(this);
    aufbau->setContentsMargins(0, 0, 0, 0);
    aufbau->setSpacing(0);
    aufbau->addWidget(Chart, 1);
    aufbau->addWidget(StatistikAnlegen());
    aufbau->addWidget(StatusBar2);
    aufbau->addWidget(StatusBar1);
    // No minimum of its own: the layout's (the chart's plot and the read-out rows) holds, so
    // a small window never draws the rows over the plot.
}

void TMDIGraphWin::MarkerKnoepfeSetzen(QAction* marker1, QAction* marker2) {
    FMarkerKnopf[0] = marker1;
    FMarkerKnopf[1] = marker2;
}

void TMDIGraphWin::VorgabenSetzen(TVorgaben vorgaben) {
    FVorgaben = std::move(vorgaben);
}

void TMDIGraphWin::DruckerSetzen(QPrinter* drucker) {
    FDrucker = drucker;
}

QCPAxis* TMDIGraphWin::Achse(int nummer) const {
    return FAbbildung->Achse(nummer);
}

QString TMDIGraphWin::StatusText(int leiste, int panel) const {
    return FPanel[leiste == 1 ? 0 : 1][panel]->text();
}

// ---------------------------------------------------------------- document into the chart

// The document and the view state are the masters; each "Setzen" takes over its part of the
// document into the view state and draws the whole view model again.
void TMDIGraphWin::GraphEigenschaftenSetzen() {
    GraphEigenschaftenAllgemeinSetzen();
    GraphEigenschaftenAchsenSetzen();
    GraphEigenschaftenKurvenSetzen();
}

void TMDIGraphWin::GraphEigenschaftenAllgemeinSetzen() {
    Neuzeichnen();
}

void TMDIGraphWin::GraphEigenschaftenAchsenSetzen() {
    FZustand.AchsenUebernehmen(Diagramm);
    Neuzeichnen();
}

void TMDIGraphWin::GraphEigenschaftenKurvenSetzen() {
    FZustand.KurvenUebernehmen(Diagramm);
    ++FStatistikStand;
    Neuzeichnen(true);
}

// ---------------------------------------------------------------- view into the document

// Title, colours, curves and the date/time flag live in the document already; what the view
// holds on its own are the limits and automatic flags that zoom and scroll changed.
void TMDIGraphWin::GraphEigenschaftenLesen() {
    GraphEigenschaftenAllgemeinLesen();
    GraphEigenschaftenAchsenLesen();
    GraphEigenschaftenKurvenLesen();
}

void TMDIGraphWin::GraphEigenschaftenAllgemeinLesen() {}

void TMDIGraphWin::GraphEigenschaftenAchsenLesen() {
    FZustand.InsDiagramm(Diagramm);
    for (TAchse* a : {&Diagramm.AchseLinks, &Diagramm.AchseUnten, &Diagramm.AchseRechts}) {
        TGraphAnsicht::AchseWieGezeigt(*a, FApp.AppConst.Einheiten);
    }
}

void TMDIGraphWin::GraphEigenschaftenKurvenLesen() {}

QString TMDIGraphWin::EinheitZeichen(const QString& einheit) const {
    // Entry 0 of the list is the neutral unit of the settings dialog and never used here.
    QString zeichen;
    const TEinheitenListe& liste = FApp.AppConst.Einheiten;
    for (qsizetype k = 1; k < liste.size(); ++k) {
        if (liste[k].Name == einheit) {
            zeichen = liste[k].Zeichen;
        }
    }
    return zeichen;
}

// ---------------------------------------------------------------- drawing

TGraphAnsicht TMDIGraphWin::Ansicht() const {
    return TGraphAnsicht::Berechnen(Diagramm, FZustand, FApp.AppConst.Einheiten,
                                    FApp.Texte.Marker1Text, FApp.Texte.Marker2Text);
}

void TMDIGraphWin::Neuzeichnen(bool kurvenNeu) {
    FZustand.Einpassen(Diagramm);
    FAbbildung->Anwenden(Ansicht(), Diagramm, kurvenNeu);
    Chart->replot();
}

void TMDIGraphWin::Aktualisieren() {
    DatumZeitIntervall = 1.0;
    Chart->setStatusTip(FApp.Texte.GraphFensterHint);
    setStatusTip(FApp.Texte.GraphFensterHint);
    MarkerSetzen();
    Neuzeichnen();
}

QRect TMDIGraphWin::PlotRechteck() const {
    return FAbbildung->PlotRechteck();
}

TMDIGraphWin::TRealWerte TMDIGraphWin::BerechneRealWerte(int x, int y) const {
    const QRect r = PlotRechteck();
    const TAnsichtZustand::TBereich& b = FZustand.Bereich[1];
    const TAnsichtZustand::TBereich& l = FZustand.Bereich[0];
    const TAnsichtZustand::TBereich& re = FZustand.Bereich[2];
    const double w = r.width();
    const double h = r.height();
    const int unten = r.top() + r.height();
    TRealWerte werte;
    werte.X = w > 0 ? b.Spanne() / w * (x - r.left()) + b.Min : b.Min;
    werte.YLinks = h > 0 ? l.Spanne() / h * (unten - y) + l.Min : l.Min;
    werte.YRechts = h > 0 ? re.Spanne() / h * (unten - y) + re.Min : re.Min;
    return werte;
}

QPoint TMDIGraphWin::BerechnePixelWerte(double x, double yLinks) const {
    return FAbbildung->Pixel(x, yLinks);
}

// ---------------------------------------------------------------- import and dialogs

void TMDIGraphWin::GraphEigenschaftenBearbeiten() {
    GraphEigenschaftenLesen();
    TDiagramm eigenesDiagramm = FVorgaben.DefaultDiagramm ? TDiagramm() : Diagramm;
    TKurve eigeneKurve = FKurvenVorlage;
    TGraphWinCfgForm dialog(Diagramm, FApp.AppConst, FApp.Texte, *FApp.Benutzer,
                            FVorgaben.DefaultKurve ? *FVorgaben.DefaultKurve : eigeneKurve,
                            FVorgaben.DefaultDiagramm ? *FVorgaben.DefaultDiagramm
                                                      : eigenesDiagramm,
                            FVorgaben.Schreiben, this);
    connect(&dialog, &TGraphWinCfgForm::Speichern, this, [this](const TDiagramm& kopie) {
        Gespeichert = false;
        DiagrammKopieren(kopie, Diagramm);
        GraphEigenschaftenSetzen();
    });
    connect(&dialog, &TGraphWinCfgForm::EinheitenBearbeitenGewuenscht, this,
            &TMDIGraphWin::EinheitenBearbeitenGewuenscht);
    dialog.exec();
}

void TMDIGraphWin::closeEvent(QCloseEvent* ereignis) {
    if (!Gespeichert) {
        const int antwort = FApp.Nachricht(Meldung::NichtGespeichertFragen, windowTitle());
        if (antwort == mrCancel) {
            ereignis->ignore();
            return;
        }
        if (antwort == mrYes) {
            GraphDateiSpeichern(windowTitle());
            if (!Gespeichert) {
                ereignis->ignore();
                return;
            }
        }
    }
    TAppConst& a = FApp.AppConst;
    QWidget* rahmen = qobject_cast<QMdiSubWindow*>(parentWidget()) != nullptr
                          ? parentWidget()
                          : static_cast<QWidget*>(this);
    // A minimised window is a title-bar strip and a maximised one fills the area; the size
    // to remember is the one it has as a normal window. A window inside the main window has
    // no normal geometry of its own to ask for, so it is made normal on its way out.
    const bool maximiert = rahmen->isMaximized();
    if (rahmen->isMinimized() || maximiert) {
        rahmen->showNormal();
    }
    const QRect lage = rahmen->geometry();
    a.FensterLinks = lage.left();
    a.FensterOben = lage.top();
    a.FensterBreite = lage.width();
    a.FensterHoehe = lage.height();
    a.FensterMaximiert = maximiert;
    FensterPositionSpeichern(FApp);
    ereignis->accept();
}
