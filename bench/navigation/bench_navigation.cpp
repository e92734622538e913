// One wheel-zoom step of a graph window on ten million points against a bare QCustomPlot that
// zooms its axes about the same point and replots the same points. Prints both times and the
// ratio (target: at most 1.3).
#include "common/BenchKurven.h"
#include "graph/ui/TMDIGraphWin.h"
#include "shell/TShellKontext.h"
#include "shell/TSkriptBenutzer.h"

#include <qcustomplot.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>

namespace {

using BenchKurven::Bestzeit;
using BenchKurven::Messkurve;

void UmPunkt(QCPAxis* a, double punkt, double faktor) {
    const QCPRange r = a->range();
    a->setRange(punkt - (punkt - r.lower) * faktor, punkt + (r.upper - punkt) * faktor);
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication qapp(argc, argv);
    TSkriptBenutzer benutzer;
    TShellKontext app(benutzer);
    const TDiagramm vorlage;
    const TKurve kurvenVorlage;
    const qsizetype n = 10'000'000;
    const TKurve kurve = Messkurve(n);

    TMDIGraphWin fenster(app, vorlage, kurvenVorlage, QStringLiteral("Graph1"), false);
    fenster.Diagramm.Kurven = {kurve};
    fenster.Diagramm.Legende = true;
    fenster.Diagramm.DatumZeitAchse = true;
    fenster.Diagramm.AchseUnten.MinMaxAutomatik = true;
    fenster.Diagramm.AchseLinks.MinMaxAutomatik = true;
    fenster.resize(1200, 700);
    fenster.show();
    fenster.GraphEigenschaftenSetzen();
    QCoreApplication::processEvents();

    QCustomPlot nackt;
    nackt.resize(fenster.Chart->size());
    nackt.show();
    QCPGraph* g = nackt.addGraph();
    g->setData(kurve.Werte[0], kurve.Werte[1], true);
    QPen stift(QColor(128, 0, 0), 1);
    stift.setCosmetic(true);
    g->setPen(stift);
    g->setAntialiased(false);
    g->setName(kurve.Name);
    nackt.legend->setVisible(true);
    nackt.yAxis2->setVisible(true);
    nackt.xAxis->setTicker(QSharedPointer<QCPAxisTickerDateTime>::create());
    nackt.rescaleAxes();
    nackt.replot();
    QCoreApplication::processEvents();

    // In and out in turn, so that both stay at the same view over the rounds.
    const QRect r = fenster.PlotRechteck();
    const QPoint maus = r.topLeft() + QPoint(r.width() / 3, r.height() / 2);
    int schritt = 0;
    const double fensterZeit = Bestzeit(30, [&] {
        const int winkel = (schritt++ % 2 == 0) ? 120 : -120;
        const QPointF ort(maus);
        QWheelEvent rad(ort, ort, QPoint(), QPoint(0, winkel), Qt::NoButton, Qt::NoModifier,
                        Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(fenster.Chart, &rad);
    });
    const QRect nr = nackt.axisRect()->rect();
    const QPoint nmaus = nr.topLeft() + QPoint(nr.width() / 3, nr.height() / 2);
    schritt = 0;
    const double anker = Bestzeit(30, [&] {
        const double faktor = (schritt++ % 2 == 0) ? 0.8 : 1.25;
        UmPunkt(nackt.xAxis, nackt.xAxis->pixelToCoord(nmaus.x()), faktor);
        UmPunkt(nackt.yAxis, nackt.yAxis->pixelToCoord(nmaus.y()), faktor);
        UmPunkt(nackt.yAxis2, nackt.yAxis2->pixelToCoord(nmaus.y()), faktor);
        nackt.replot();
    });
    const double verhaeltnis = fensterZeit / anker;
    std::printf("%lld points: bare QCustomPlot zoom+replot %.2f ms, graph window wheel step "
                "%.2f ms, ratio %.2f (target <= 1.30)\n",
                static_cast<long long>(n), anker, fensterZeit, verhaeltnis);
    return verhaeltnis <= 1.3 ? 0 : 1;
}
