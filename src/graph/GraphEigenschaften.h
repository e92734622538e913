#pragma once

#include "graph/TDiagramm.h"
#include "shell/TEinheiten.h"

#include <QString>
#include <QStringList>
#include <optional>

// The rules of the graph properties dialog that need no window: the up/down steps of its
// number fields, the unit switch of an axis with the scaling of the curves, and the curve
// names.
namespace GraphEigenschaften {

// Axis by number as the dialog's radio buttons count them: 0 left, 1 bottom, 2 right.
TAchse& Achse(TDiagramm& d, int nummer);
const TAchse& Achse(const TDiagramm& d, int nummer);

// Rounds to the nearest multiple of `raster` (1 or 0.001); halves go to the even neighbour.
double RundenGerade(double wert, double raster);

// One step of an up/down button: +1 upwards only while the value is below `oben`, -1
// downwards only while it is above `unten`; the result is rounded to `raster` and not
// clamped. Nothing when no step is taken.
std::optional<double> Schritt(double wert, bool hoch, double oben, double unten, double raster);

// Outcome of choosing another unit for an axis.
struct TEinheitWechsel {
    bool Erlaubt = false;
    double Faktor = 1;    // by which the values were multiplied
    qsizetype Vorher = 0; // index of the unit the axis had (0 when its name is not listed)
    QString Meldung;      // for message 38 when refused: "A <> B"
};

// Switches axis `achse` of `d` to unit `neu` of `liste`. When allowed, the bottom axis
// multiplies every curve's Intervall, the left and right axes every curve's YFaktor
// (whichever axis the curve is drawn against), and the axis' limits by the scale; the axis
// then names the new unit. When refused nothing changes.
TEinheitWechsel EinheitWechseln(TDiagramm& d, int achse, const TEinheitenListe& liste,
                                qsizetype neu);

// True when `namen` holds `name` without regard to letter case.
bool NameVorhanden(const QStringList& namen, const QString& name);

} // namespace GraphEigenschaften
