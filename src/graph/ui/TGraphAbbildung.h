#pragma once

#include "graph/TDiagramm.h"
#include "graph/TGraphAnsicht.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSharedPointer>
#include <QVector>
#include <array>
#include <optional>

class QCPAbstractPlottable;
class QCPAxis;
class QCPTextElement;
class QCustomPlot;
class QCPPainter;
class TAchsenTicker;
class TGraphOverlay;

// The one way from a graph's view model to the chart: the window calls Anwenden after every
// change, and nothing is ever read back from the chart's properties or labels. Zeichnen is
// the one drawing of the graph "as printed" (title, legend, markers, footer; no cross-hair)
// that the window's clipboard copy, the printout, the image export and orvan-cli render use.
class TGraphAbbildung {
public:
    // Sets up `chart` with the fixed settings of a graph window (fonts, margins, ticks, the
    // hidden top axis, the overlay for markers and cross-hair).
    explicit TGraphAbbildung(QCustomPlot* chart);
    ~TGraphAbbildung();

    // Brings the chart to what `ansicht` says; the points come from `d`. The series are made
    // again when `kurvenNeu` is set (or the number of curves changed); otherwise only their
    // looks, the texts, colours and limits change. Does not redraw.
    void Anwenden(const TGraphAnsicht& ansicht, const TDiagramm& d, bool kurvenNeu);
    const TGraphAnsicht& Ansicht() const { return FAnsicht; }

    QCPAxis* Achse(int nummer) const; // 0 left, 1 bottom, 2 right
    QRect PlotRechteck() const;
    // Pixel of a point given in shown X and left-axis value, truncated toward zero, far
    // outside the plot clamped.
    QPoint Pixel(double x, double yLinks) const;
    TGraphOverlay& Overlay() const { return *FOverlay; }

    // Draws the graph as printed into `maler` at the size `breite` x `hoehe` (in the
    // painter's units); the cross-hair and the zoom rectangle are left out.
    void Zeichnen(QCPPainter& maler, int breite, int hoehe);
    // The same as a picture on white; `skala` 2 gives twice the pixels at the same layout.
    QImage Bild(QSize groesse, double skala = 1.0);

    // The document index of the curve whose legend entry lies at `pixel`, if any.
    std::optional<qsizetype> LegendenKurve(QPoint pixel) const;

    // The smallest plot rectangle the layout keeps, however small the chart becomes.
    static QSize MindestPlot();

private:
    void Allgemein();
    void Achsen();
    void KurvenAnlegen(const TDiagramm& d);
    void KurvenAussehen();
    void LegendeEinpassen();

    QCustomPlot* Chart;
    QCPTextElement* FTitel = nullptr;
    QCPTextElement* FFuss = nullptr;
    TGraphOverlay* FOverlay = nullptr;
    std::array<QSharedPointer<TAchsenTicker>, 3> FTicker;
    QVector<QCPAbstractPlottable*> FReihen; // one per curve, in document order
    TGraphAnsicht FAnsicht;
};
