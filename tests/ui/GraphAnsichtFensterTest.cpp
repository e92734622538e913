// What the graph window draws from its view model: markers through the date/time switch and
// in a readable colour, the right axis only for its curves, no empty legend, a legend that
// gives way on a small plot, a plot that keeps a minimum size, and the picture export.
#include "UiTestHilfen.h"

#include "graph/ui/TGraphAbbildung.h"

#include <qcustomplot.h>

#include <QImage>
#include <QImageReader>
#include <gtest/gtest.h>

namespace {

TKurve Kurve(const QString& name, bool rechts, QVector<double> x, QVector<double> y,
             TColor farbe = Farbe::clBlack) {
    TKurve k;
    k.Name = name;
    k.Sichtbar = true;
    k.AchseRechts = rechts;
    k.LinieSichtbar = true;
    k.Linienbreite = 1;
    k.Linienfarbe = farbe;
    k.Intervall = 1;
    k.YFaktor = 1;
    k.Werte = {x, y};
    return k;
}

// Pixels of exactly this colour inside `bereich` of the picture.
int Pixel(const QImage& bild, QRect bereich, QColor farbe) {
    int n = 0;
    bereich = bereich.intersected(bild.rect());
    for (int y = bereich.top(); y <= bereich.bottom(); ++y) {
        for (int x = bereich.left(); x <= bereich.right(); ++x) {
            n += bild.pixelColor(x, y) == farbe ? 1 : 0;
        }
    }
    return n;
}

void Weiss(TDiagramm& d) {
    d.Hintergrundfarbe = Farbe::clWhite;
    d.Rahmenfarbe = Farbe::clSilver;
}

void Grenzen(TAchse& a, double min, double max) {
    a.Minimum = min;
    a.Maximum = max;
}

} // namespace

TEST(GraphAnsichtFenster, MarkerStaysVisibleWhenTheDateTimeAxisIsSwitchedOff) {
    TGraphProgramm p;
    TMDIGraphWin& g = p.Neu();
    const double t0 = 45418.25;
    TDiagramm& d = g.Diagramm;
    Weiss(d);
    d.Kurven = {Kurve(QStringLiteral("T"), false, {t0, t0 + 0.5, t0 + 1}, {1, 2, 3})};
    d.XMin = t0;
    d.DatumZeitAchse = true;
    Grenzen(d.AchseUnten, t0, t0 + 1);
    Grenzen(d.AchseLinks, 0, 4);
    d.Marker1Sichtbar = true;
    d.Marker1X = t0 + 0.5;
    d.Marker1YLinks = 2;
    d.MarkerFarbe = Farbe::clRed;
    g.GraphEigenschaftenSetzen();
    g.MarkerSetzen();
    for (int schritt = 0; schritt < 2; ++schritt) {
        SCOPED_TRACE(schritt == 0 ? "date/time switched off" : "switched on again");
        g.DatumZeit();
        const QRect plot = g.PlotRechteck();
        const QPoint marker = g.BerechnePixelWerte(d.Marker1X, d.Marker1YLinks);
        EXPECT_TRUE(plot.contains(marker)) << marker.x() << "," << marker.y();
        // The middle of the plot: the marker sits on the middle point of the curve.
        EXPECT_NEAR(marker.x(), plot.left() + plot.width() / 2, 2);
        const QImage bild = g.Bild();
        EXPECT_GT(Pixel(bild, plot, Qt::red), 50) << "the marker's lines are drawn";
    }
}

TEST(GraphAnsichtFenster, YellowMarkerIsDrawnInAColourThatReadsOnWhite) {
    TGraphProgramm p;
    TMDIGraphWin& g = p.Neu();
    TDiagramm& d = g.Diagramm;
    Weiss(d);
    d.Kurven = {Kurve(QStringLiteral("A"), false, {0, 10}, {0, 10})};
    Grenzen(d.AchseUnten, 0, 10);
    Grenzen(d.AchseLinks, 0, 10);
    d.Marker1Sichtbar = true;
    d.Marker1X = 5;
    d.Marker1YLinks = 5;
    d.MarkerFarbe = Farbe::clYellow;
    g.GraphEigenschaftenSetzen();
    g.MarkerSetzen();
    const QImage bild = g.Bild();
    EXPECT_EQ(Pixel(bild, bild.rect(), Qt::yellow), 0);
    EXPECT_GT(Pixel(bild, g.PlotRechteck(), Qt::red), 50);
    EXPECT_EQ(d.MarkerFarbe, Farbe::clYellow) << "the document keeps its colour";
}

TEST(GraphAnsichtFenster, RightAxisOnlyForItsCurvesAndNoEmptyLegend) {
    TGraphProgramm p;
    TMDIGraphWin& g = p.Neu();
    TDiagramm& d = g.Diagramm;
    d.Legende = true;
    d.AchseRechts.Titel = QStringLiteral("Strom");
    g.GraphEigenschaftenSetzen();
    EXPECT_FALSE(g.Chart->legend->visible()) << "no curves: no legend box";
    EXPECT_FALSE(g.Achse(2)->visible());

    d.Kurven = {Kurve(QStringLiteral("links"), false, {0, 1}, {0, 1})};
    g.GraphEigenschaftenSetzen();
    EXPECT_TRUE(g.Chart->legend->visible());
    EXPECT_FALSE(g.Achse(2)->visible()) << "no curve on the right axis";
    const int breiteOhne = g.PlotRechteck().width();

    d.Kurven << Kurve(QStringLiteral("rechts"), true, {0, 1}, {5, 6});
    g.GraphEigenschaftenSetzen();
    EXPECT_TRUE(g.Achse(2)->visible());
    EXPECT_EQ(g.Achse(2)->label(), QStringLiteral("Strom"));
    EXPECT_LT(g.PlotRechteck().width(), breiteOhne) << "the drawn axis takes its room";
}

TEST(GraphAnsichtFenster, SmallWindowKeepsAPlotAndTheLegendOffIt) {
    TGraphProgramm p;
    TMDIGraphWin& g = p.Neu();
    TDiagramm& d = g.Diagramm;
    d.Legende = true;
    for (int i = 0; i < 10; ++i) {
        d.Kurven << Kurve(QStringLiteral("Messreihe mit langem Namen %1").arg(i), false, {0, 1},
                          {double(i), double(i + 1)});
    }
    g.GraphEigenschaftenSetzen();
    g.resize(100, 80); // smaller than any window should get
    QCoreApplication::processEvents();
    g.Chart->replot();
    const QRect plot = g.PlotRechteck();
    EXPECT_GE(plot.width(), 200);
    EXPECT_GE(plot.height(), 120);
    const QCPLegend* legende = g.Chart->legend;
    if (legende->visible()) {
        EXPECT_LE(legende->outerRect().width() * 3, plot.width());
        EXPECT_LE(legende->outerRect().height() * 2, plot.height());
    }
    // A big window shows the legend in full again.
    g.resize(1400, 900);
    QCoreApplication::processEvents();
    g.Chart->replot();
    EXPECT_TRUE(legende->visible());
}

TEST(GraphAnsichtFenster, ExportWritesPicturesAtTheChosenSize) {
    TGraphProgramm p;
    TMDIGraphWin& g = p.Neu(QStringLiteral("Graph1"));
    p.App.AppConst.DatenPfad = p.Pfad(QStringLiteral("Daten/"));
    g.Diagramm.Titel = QStringLiteral("Bildprobe");
    g.Diagramm.Kurven = {Kurve(QStringLiteral("A"), false, {0, 1, 2}, {0, 1, 0})};
    g.GraphEigenschaftenSetzen();
    struct TFall {
        const char* Datei;
        const char* Groesse;
        QSize Erwartet;
    } const faelle[] = {
        {"a.png", "640x480", QSize(640, 480)},
        {"b.png", "640x480@2x", QSize(1280, 960)},
        {"c.svg", "800x500", QSize(800, 500)},
    };
    for (const TFall& f : faelle) {
        SCOPED_TRACE(f.Datei);
        const QString ziel = p.Pfad(QStringLiteral("Daten/") + QString::fromUtf8(f.Datei));
        p.Benutzer.Dateien = {ziel};
        p.Benutzer.Eingaben = {QString::fromUtf8(f.Groesse)};
        g.DateiExportieren();
        QImageReader leser(ziel);
        EXPECT_EQ(leser.size(), f.Erwartet);
    }
    // The size is proposed as the chart's own, and the filter offers the pictures.
    EXPECT_TRUE(p.Benutzer.DateiDialoge.last().Filter.contains(QStringLiteral("*.png")));
    EXPECT_TRUE(p.Benutzer.DateiDialoge.last().Filter.contains(QStringLiteral("*.pdf")));

    // A size that is no size: a message, no file.
    p.Benutzer.Gezeigt.clear();
    const QString falsch = p.Pfad(QStringLiteral("Daten/d.png"));
    p.Benutzer.Dateien = {falsch};
    p.Benutzer.Eingaben = {QStringLiteral("gross")};
    g.DateiExportieren();
    EXPECT_FALSE(QFileInfo::exists(falsch));
    EXPECT_EQ(p.Benutzer.Nummern(), QList<int>{0});
}
