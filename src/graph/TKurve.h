#pragma once

#include "graph/TColor.h"
#include "measurement/TMesswerte.h"

#include <QString>

// One curve of a graph. `Werte` holds the curve's own values: row 0 the X values, row 1 the
// Y values, both rows always of the same length (possibly empty). What the chart shows is
// derived point by point (see Kurvenwerte.h):
//   shown X = (Start + X) * Intervall,   shown Y = (YOffset + Y) * YFaktor.
struct TKurve {
    QString Name;
    bool Sichtbar = false;
    bool AchseRechts = false; // drawn against the right axis; false: left axis
    TMesswerte Werte;
    quint32 Anzahl = 0; // measurements of the series it was imported from; informative
    double Reserve1 = 0;
    double Reserve2 = 0;
    // A curve made in code shows its own values until someone sets other factors.
    double Intervall = 1;
    double Start = 0;
    double YOffset = 0;
    double YFaktor = 1;
    TColor Linienfarbe = 0;
    quint8 Linienstil = 0; // line style value (Stilnamen::LinienstilText)
    qint32 Linienbreite = 0;
    bool LinieSichtbar = false;
    TColor Punktfarbe = 0;
    quint32 Reserve3 = 0;
    quint8 Punktstil = 0; // point style value (Stilnamen::PunktstilText)
    qint32 Punktbreite = 0;
    bool PunktSichtbar = false;

    qsizetype Punkte() const { return Werte[0].size(); }

    bool operator==(const TKurve&) const = default;
};
