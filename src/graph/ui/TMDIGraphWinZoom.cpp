// The graph window's view changes: zoom, scroll, refresh and the switch between date/time and
// relative X.
#include "graph/ui/TMDIGraphWin.h"

#include "formula/TParser.h"
#include "graph/Export.h"
#include "graph/GraphDatei.h"
#include "graph/Kurvenwerte.h"
#include "graph/ui/GraphStile.h"
#include "graph/ui/TAchsenTicker.h"
#include "graph/ui/TGraphOverlay.h"
#include "graph/ui/TGraphWinCfgForm.h"
#include "shell/DateiDialoge.h"
#include "shell/DatumZeit.h"
#include "shell/Konfiguration.h"
#include "shell/TBenutzer.h"
#include "shell/TShellKontext.h"
#include "shell/Uhr.h"
#include "shell/Zahlen.h"

#include <qcustomplot.h>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPrinter>
#include <QScopeGuard>
#include <QStatusBar>
#include <QVBoxLayout>
#include <cmath>
#include <stdexcept>

void TMDIGraphWin::ZoomMerken() {
    if (!FGezoomt) {
        FZoomAutomatik = FAutomatik;
        FGezoomt = true;
    }
}

void TMDIGraphWin::Zoomen(double prozent) {
    AnsichtMerken();
    ZoomMerken();
    for (int i = 0; i < 3; ++i) {
        QCPAxis* a = Achse(i);
        const double d = (a->range().upper - a->range().lower) * (prozent - 100) * 0.01;
        a->setRange(a->range().lower + d, a->range().upper - d);
        FAutomatik[i] = false;
    }
    Neuzeichnen();
    MarkerSetzen();
}

void TMDIGraphWin::ZoomGross() {
    Zoomen(110);
}

void TMDIGraphWin::ZoomKlein() {
    Zoomen(90);
}

void TMDIGraphWin::Verschieben(QCPAxis* achse, double versatz, int nummer) {
    achse->setRange(achse->range().lower + versatz, achse->range().upper + versatz);
    FAutomatik[nummer] = false;
}

void TMDIGraphWin::ScrollLinks() {
    AnsichtMerken();
    Verschieben(Chart->xAxis, -Chart->xAxis->range().size() / 10, 1);
    Neuzeichnen();
    MarkerSetzen();
}

void TMDIGraphWin::ScrollRechts() {
    AnsichtMerken();
    Verschieben(Chart->xAxis, Chart->xAxis->range().size() / 10, 1);
    Neuzeichnen();
    MarkerSetzen();
}

void TMDIGraphWin::ScrollOben() {
    AnsichtMerken();
    Verschieben(Chart->yAxis, Chart->yAxis->range().size() / 10, 0);
    Verschieben(Chart->yAxis2, Chart->yAxis2->range().size() / 10, 2);
    Neuzeichnen();
    MarkerSetzen();
}

void TMDIGraphWin::ScrollUnten() {
    AnsichtMerken();
    Verschieben(Chart->yAxis, -Chart->yAxis->range().size() / 10, 0);
    Verschieben(Chart->yAxis2, -Chart->yAxis2->range().size() / 10, 2);
    Neuzeichnen();
    MarkerSetzen();
}

void TMDIGraphWin::GraphRefresh() {
    AnsichtMerken();
    if (FGezoomt) {
        FAutomatik = FZoomAutomatik;
        FGezoomt = false;
    }
    const std::array<bool, 3> gemerkt = FAutomatik;
    FAutomatik = {true, true, true};
    Neuzeichnen();
    MarkerSetzen();
    FAutomatik = gemerkt;
    GraphEigenschaftenAchsenLesen();
}

void TMDIGraphWin::DatumZeit() {
    GraphEigenschaftenAchsenLesen();
    TDiagramm& d = Diagramm;
    d.DatumZeitAchse = !d.DatumZeitAchse;
    // Without curves there is no interval to take; 1 keeps the limits where they are.
    const double iv = d.Kurven.isEmpty() ? 1.0 : d.Kurven.first().Intervall;
    TAchse& unten = d.AchseUnten;
    if (d.DatumZeitAchse) {
        DatumZeitIntervall = iv;
        if (iv != 0) {
            unten.Minimum = unten.Minimum / iv + d.XMin;
            unten.Maximum = unten.Maximum / iv + d.XMin;
        }
        for (TKurve& k : d.Kurven) {
            k.Intervall = 1;
            k.Start = k.Start + d.XMin;
        }
    } else {
        unten.Minimum = (unten.Minimum - d.XMin) * DatumZeitIntervall;
        unten.Maximum = (unten.Maximum - d.XMin) * DatumZeitIntervall;
        for (TKurve& k : d.Kurven) {
            k.Intervall = DatumZeitIntervall;
            k.Start = k.Start - d.XMin;
        }
    }
    GraphEigenschaftenAchsenSetzen();
    GraphEigenschaftenKurvenSetzen();
    MarkerSetzen();
}
