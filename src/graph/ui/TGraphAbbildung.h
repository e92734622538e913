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
    // A window's chart keeps every point, so that a zoom shows all of them. A still picture
    // (orvan-cli render) is drawn once at one size: its chart gets only the points the
    // drawing shows at that size (see Ausduennung.h), chosen when the picture is laid out;
    // the document handed to Anwenden must then live until the picture is drawn.
    enum class TVerwendung { Fenster, Standbild };

    // Sets up `chart` with the fixed settings of a graph window (fonts, margins, ticks, the
    // hidden top axis, the overlay for markers and cross-hair).
    explicit TGraphAbbildung(QCustomPlot* chart, TVerwendung verwendung = TVerwendung::Fenster);
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

    // The points the chart holds for the curve in series `reihe` (document order).
    qsizetype Punktzahl(qsizetype reihe) const;

private:
    void Allgemein();
    void Achsen();
    void KurvenAnlegen(const TDiagramm& d);
    void KurvenAussehen();
    void LegendeEinpassen();
    void StandbildPunkte();

    QCustomPlot* Chart;
    QCPTextElement* FTitel = nullptr;
    QCPTextElement* FFuss = nullptr;
    TGraphOverlay* FOverlay = nullptr;
    std::array<QSharedPointer<TAchsenTicker>, 3> FTicker;
    QVector<QCPAbstractPlottable*> FReihen; // one per curve, in document order
    // Still picture: the curve of each series of rising X whose points are chosen at layout
    // time (null for the others), and the X mapping they were chosen for.
    struct TStandbildQuelle {
        const TKurve* Kurve = nullptr;
        std::array<double, 4> Abbildung{}; // range lower, upper, plot left, plot width
    };
    TVerwendung FVerwendung;
    QVector<TStandbildQuelle> FStandbild;
    TGraphAnsicht FAnsicht;
};
