// The graph window's markers, cross-hair and mouse: arming and setting markers, zoom rectangle and
// panning.
#include "graph/ui/TMDIGraphWin.h"

#include "graph/Ablesung.h"
#include "graph/TGraphAnsicht.h"
#include "graph/ui/TGraphAbbildung.h"
#include "graph/ui/TGraphOverlay.h"
#include "shell/TShellKontext.h"
#include "shell/Zahlen.h"

#include <qcustomplot.h>

#include <QAction>

bool TMDIGraphWin::MarkerScharf(int nummer) const {
    const QAction* knopf = FMarkerKnopf[nummer];
    return knopf != nullptr ? knopf->isChecked() : FMarkerArmiert[nummer];
}

void TMDIGraphWin::MarkerKnopf(int nummer, bool gedrueckt) {
    if (QAction* knopf = FMarkerKnopf[nummer]) {
        knopf->setChecked(gedrueckt);
    }
    FMarkerArmiert[nummer] = gedrueckt;
}

void TMDIGraphWin::MarkerSchalten(int nummer) {
    bool& sichtbar = nummer == 0 ? Diagramm.Marker1Sichtbar : Diagramm.Marker2Sichtbar;
    if (sichtbar) {
        sichtbar = false;
        MarkerKnopf(nummer, false);
        MarkerSetzen();
    } else {
        MarkerKnopf(nummer, true);
    }
}

void TMDIGraphWin::Marker1() {
    MarkerSchalten(0);
}

void TMDIGraphWin::Marker2() {
    MarkerSchalten(1);
}

void TMDIGraphWin::MarkerSetzen() {
    FAbbildung->Overlay().Fadenkreuz = QPoint(-1, -1);
    TDiagramm& d = Diagramm;
    if (!d.Marker1Sichtbar) {
        d.Marker1X = d.Marker1YLinks = d.Marker1YRechts = 0;
    }
    if (!d.Marker2Sichtbar) {
        d.Marker2X = d.Marker2YLinks = d.Marker2YRechts = 0;
    }
    // The markers' values and texts reach the overlay through the view model.
    FAbbildung->Anwenden(Ansicht(), Diagramm, false);
    FAbbildung->Overlay().Neuzeichnen();
    StatistikAnfordern();
}

QPoint TMDIGraphWin::Fadenkreuz() const {
    return FAbbildung->Overlay().Fadenkreuz;
}

void TMDIGraphWin::FadenkreuzEntfernen() {
    if (FAbbildung->Overlay().Fadenkreuz.x() >= 0) {
        FAbbildung->Overlay().Fadenkreuz = QPoint(-1, -1);
        FAbbildung->Overlay().Neuzeichnen();
    }
}

void TMDIGraphWin::ChartMouseDown(QMouseEvent* ereignis) {
    const QPoint p = ereignis->pos();
    if (!PlotRechteck().contains(p)) {
        return;
    }
    if (ereignis->button() == Qt::RightButton) {
        AnsichtMerken();
        FSchieben = true;
        FSchiebeLetzte = p;
        return;
    }
    if (ereignis->button() != Qt::LeftButton) {
        return;
    }
    bool gesetzt = false;
    TDiagramm& d = Diagramm;
    for (int nummer = 0; nummer < 2; ++nummer) {
        bool& sichtbar = nummer == 0 ? d.Marker1Sichtbar : d.Marker2Sichtbar;
        if (MarkerScharf(nummer) && !sichtbar) {
            sichtbar = true;
            MarkerKnopf(nummer, false);
            const TRealWerte w = BerechneRealWerte(p.x(), p.y());
            (nummer == 0 ? d.Marker1X : d.Marker2X) = w.X;
            (nummer == 0 ? d.Marker1YLinks : d.Marker2YLinks) = w.YLinks;
            (nummer == 0 ? d.Marker1YRechts : d.Marker2YRechts) = w.YRechts;
            MarkerFangen(nummer);
            MarkerSetzen();
            gesetzt = true;
        }
    }
    if (!gesetzt) {
        FZiehStart = p;
        FZoomZiehen = true;
    }
}

void TMDIGraphWin::Panelsetzen(int x, int y) {
    const TDiagramm& d = Diagramm;
    const TRealWerte w = BerechneRealWerte(x, y);
    const QString links = EinheitZeichen(d.AchseLinks.Einheit);
    const QString unten = EinheitZeichen(d.AchseUnten.Einheit);
    const QString rechts = EinheitZeichen(d.AchseRechts.Einheit);
    // As precise as each axis' span calls for; X on a date/time axis as date and time, its
    // difference as a duration.
    const double sl = FZustand.Bereich[0].Spanne();
    const double su = FZustand.Bereich[1].Spanne();
    const double sr = FZustand.Bereich[2].Spanne();
    const bool dz = d.DatumZeitAchse;
    const TSprachTexte& t = FApp.Texte;
    using namespace Ablesung;
    FPanel[0][0]->setText(Zeile(d.AchseLinks.Titel, Zahl(w.YLinks, sl), links));
    FPanel[1][0]->setText(
        Zeile(t.DeltaYLinksText, Zahl(d.Marker2YLinks - d.Marker1YLinks, sl), links));
    FPanel[0][1]->setText(
        Zeile(d.AchseUnten.Titel, Wert(w.X, su, dz, FApp.AppConst.ZeitDatumsformat), unten));
    FPanel[1][1]->setText(
        Zeile(t.DeltaXText, Differenz(d.Marker2X - d.Marker1X, su, dz), dz ? QString() : unten));
    // Without a curve on the right axis there is no right axis to read.
    if (TGraphAnsicht::RechteAchseBenutzt(d)) {
        FPanel[0][2]->setText(Zeile(d.AchseRechts.Titel, Zahl(w.YRechts, sr), rechts));
        FPanel[1][2]->setText(
            Zeile(t.DeltaYRechtsText, Zahl(d.Marker2YRechts - d.Marker1YRechts, sr), rechts));
    } else {
        FPanel[0][2]->clear();
        FPanel[1][2]->clear();
    }
}

void TMDIGraphWin::ChartMouseMove(QMouseEvent* ereignis) {
    const QPoint p = ereignis->pos();
    if (FSchieben) {
        // Panning: the curves follow the mouse on all three axes.
        const QPoint delta = p - FSchiebeLetzte;
        FSchiebeLetzte = p;
        const QRect r = PlotRechteck();
        if (r.width() > 0 && r.height() > 0) {
            const auto& b = FZustand.Bereich;
            Verschieben(1, -delta.x() * b[1].Spanne() / r.width());
            Verschieben(0, delta.y() * b[0].Spanne() / r.height());
            Verschieben(2, delta.y() * b[2].Spanne() / r.height());
            FAbbildung->Overlay().Fadenkreuz = QPoint(-1, -1);
            FAbbildung->Anwenden(Ansicht(), Diagramm, false);
            Chart->replot(QCustomPlot::rpQueuedReplot);
        }
        return;
    }
    if (FZoomZiehen) {
        FAbbildung->Overlay().Zoomrahmen =
            QRect(FZiehStart, p).normalized().intersected(PlotRechteck());
    }
    if (!PlotRechteck().contains(p)) {
        Chart->setCursor(Qt::ArrowCursor);
        FadenkreuzEntfernen();
        return;
    }
    Chart->setCursor(Qt::CrossCursor);
    FAbbildung->Overlay().Fadenkreuz = p;
    FAbbildung->Overlay().Neuzeichnen();
    Panelsetzen(p.x(), p.y());
    StatistikCursor(BerechneRealWerte(p.x(), p.y()).X);
}

void TMDIGraphWin::ChartMouseUp(QMouseEvent* ereignis) {
    if (ereignis->button() == Qt::RightButton && FSchieben) {
        FSchieben = false;
        MarkerSetzen();
        return;
    }
    if (ereignis->button() != Qt::LeftButton || !FZoomZiehen) {
        return;
    }
    FZoomZiehen = false;
    const QRect rahmen = FAbbildung->Overlay().Zoomrahmen;
    FAbbildung->Overlay().Zoomrahmen = QRect();
    if (rahmen.width() >= 4 && rahmen.height() >= 4) {
        AnsichtMerken();
        const TRealWerte obenLinks = BerechneRealWerte(rahmen.left(), rahmen.top());
        const TRealWerte untenRechts = BerechneRealWerte(rahmen.right(), rahmen.bottom());
        FZustand.Setzen({TAnsichtZustand::TBereich{untenRechts.YLinks, obenLinks.YLinks},
                         TAnsichtZustand::TBereich{obenLinks.X, untenRechts.X},
                         TAnsichtZustand::TBereich{untenRechts.YRechts, obenLinks.YRechts}});
        Neuzeichnen();
    }
    MarkerSetzen();
}

bool TMDIGraphWin::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (NavigationEreignis(objekt, ereignis)) {
        return true;
    }
    if (objekt == Chart && ereignis->type() == QEvent::Leave) {
        FadenkreuzEntfernen();
    }
    return QWidget::eventFilter(objekt, ereignis);
}
