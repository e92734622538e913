// Redraw of a graph window against a bare QCustomPlot drawing the same points with the same
// styles, for one and ten million points; and a cross-hair move against a full redraw.
// Prints each time and its ratio to the anchor measured in the same run.
#include "common/BenchKurven.h"
#include "graph/ui/TMDIGraphWin.h"
#include "shell/TShellKontext.h"
#include "shell/TSkriptBenutzer.h"

#include <qcustomplot.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

using BenchKurven::Bestzeit;
using BenchKurven::Messkurve;

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
    const QSize groesse(1200, 700);
    bool gut = true;
    for (qsizetype n : {qsizetype(1'000'000), qsizetype(10'000'000)}) {
        const TKurve kurve = Messkurve(n);

        TMDIGraphWin fenster(app, vorlage, kurvenVorlage, QStringLiteral("Graph1"), false);
        fenster.Diagramm.Kurven = {kurve};
        fenster.Diagramm.Titel = QStringLiteral("Titel");
        fenster.Diagramm.Fusszeile = QStringLiteral("Fuss");
        for (TAchse* a : {&fenster.Diagramm.AchseLinks, &fenster.Diagramm.AchseUnten,
                          &fenster.Diagramm.AchseRechts}) {
            a->GitterAutomatik = true;
            a->Gitterstil = 2; // psDot
            a->Gitterfarbe = 0x808080;
        }
        fenster.Diagramm.Hintergrundfarbe = 0xFFFFFF;
        fenster.Diagramm.Legende = true;
        fenster.Diagramm.DatumZeitAchse = true;
        fenster.Diagramm.AchseUnten.MinMaxAutomatik = true;
        fenster.Diagramm.AchseLinks.MinMaxAutomatik = true;
        fenster.resize(groesse);
        fenster.show();
        fenster.GraphEigenschaftenSetzen();
        QCoreApplication::processEvents();

        // The anchor: a bare chart with the same points, pen, axes and legend.
        QCustomPlot nackt;
        nackt.resize(fenster.Chart->size());
        nackt.show();
        QCPGraph* g = nackt.addGraph();
        QVector<double> x = kurve.Werte[0];
        QVector<double> y = kurve.Werte[1];
        g->setData(x, y, true);
        QPen stift(QColor(128, 0, 0), 1);
        stift.setCosmetic(true);
        g->setPen(stift);
        g->setAntialiased(false);
        g->setName(kurve.Name);
        nackt.legend->setVisible(true);
        nackt.yAxis2->setVisible(true);
        nackt.xAxis->setTicker(QSharedPointer<QCPAxisTickerDateTime>::create());
        // The same grid, title and footer as the window shows.
        for (QCPAxis* a : {nackt.xAxis, nackt.yAxis, nackt.yAxis2}) {
            QPen gitter(QColor(128, 128, 128), 0, Qt::DotLine);
            gitter.setCosmetic(true);
            a->grid()->setPen(gitter);
            a->grid()->setVisible(true);
        }
        nackt.plotLayout()->insertRow(0);
        nackt.plotLayout()->addElement(0, 0, new QCPTextElement(&nackt, QStringLiteral("Titel")));
        nackt.plotLayout()->addElement(2, 0, new QCPTextElement(&nackt, QStringLiteral("Fuss")));
        nackt.rescaleAxes();
        QCoreApplication::processEvents();

        const double anker = Bestzeit(15, [&] { nackt.replot(); });
        const double graph = Bestzeit(15, [&] { fenster.Chart->replot(); });
        // The refresh command fits the axes to the data first; its anchor does the same.
        const double ankerSkaliert = Bestzeit(10, [&] {
            nackt.rescaleAxes();
            nackt.replot();
        });
        const double refresh = Bestzeit(10, [&] { fenster.GraphRefresh(); });
        const QRect r = fenster.PlotRechteck();
        int schritt = 0;
        const double kreuz = Bestzeit(200, [&] {
            const QPoint p =
                r.topLeft() + QPoint(10 + (schritt++ % (r.width() - 20)), r.height() / 2);
            QMouseEvent e(QEvent::MouseMove, QPointF(p), QPointF(p), Qt::NoButton, Qt::NoButton,
                          Qt::NoModifier);
            fenster.ChartMouseMove(&e);
            fenster.Chart->repaint();
        });
        const double verhaeltnis = graph / anker;
        const double kreuzAnteil = kreuz / graph;
        std::printf("%9lld points: bare QCustomPlot %.2f ms, graph window redraw %.2f ms, "
                    "ratio %.2f (target <= 1.30)\n",
                    static_cast<long long>(n), anker, graph, verhaeltnis);
        std::printf("%9lld points: cross-hair move %.3f ms, %.3f of a full redraw "
                    "(target <= 0.10)\n",
                    static_cast<long long>(n), kreuz, kreuzAnteil);
        std::printf("%9lld points: bare rescale+replot %.2f ms, GraphRefresh %.2f ms, ratio %.2f\n",
                    static_cast<long long>(n), ankerSkaliert, refresh, refresh / ankerSkaliert);
        gut = gut && verhaeltnis <= 1.3 && kreuzAnteil <= 0.1;
    }
    return gut ? 0 : 1;
}
