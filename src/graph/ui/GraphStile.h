#pragma once

#include "graph/TColor.h"

#include <QColor>
#include <QFont>
#include <QtGlobal>

class QCPScatterStyle;

// How the document's colours, line styles and point styles look in the chart.
//
// Line styles: psSolid, psInsideFrame -> solid; psDash -> dash; psDot -> dot;
// psDashDot -> dash-dot; psDashDotDot -> dash-dot-dot; psClear -> no line.
// Point styles: psRectangle -> square; psCircle -> circle; psTriangle -> triangle;
// psDownTriangle -> inverted triangle; psCross -> plus; psDiagCross -> cross (x);
// psStar -> star; psDiamond -> diamond; psSmallDot -> dot.
namespace GraphStile {

QColor QtFarbe(TColor farbe);
TColor DokumentFarbe(const QColor& farbe);

Qt::PenStyle Linienstil(quint8 stil);
// Square, circle, triangles and diamond are filled with `fuellung`.
QCPScatterStyle Punktstil(quint8 stil, int groesse, const QColor& rand, int randBreite,
                          const QColor& fuellung);

// Arial where it is installed, otherwise a similar sans-serif face.
QFont Schrift(int pixel, bool fett);

} // namespace GraphStile
