#pragma once

#include "graph/GraphBildFormat.h"
#include "graph/TDiagramm.h"
#include "shell/TEinheiten.h"

#include <QString>

class TGraphAbbildung;

// Writes the graph as printed (TGraphAbbildung::Zeichnen) into a PNG, SVG or PDF file of the
// given size, through the program's save path: a failed write leaves an existing file as it
// was. The window's export and orvan-cli render both use it.
namespace GraphBildSchreiben {

// False, with the reason in `fehler`, when the name has no picture extension or the file
// cannot be written.
bool Schreiben(TGraphAbbildung& abbildung, const QString& datei,
               const GraphBildFormat::TGroesse& groesse, QString* fehler = nullptr);

// A graph document drawn without a window (orvan-cli render): the view as a new window
// would show it, with the document's limits and the automatic axes fitted. Needs a
// QApplication (the offscreen platform does).
bool DiagrammSchreiben(const TDiagramm& d, const TEinheitenListe& einheiten,
                       const QString& marker1Text, const QString& marker2Text, const QString& datei,
                       const GraphBildFormat::TGroesse& groesse, QString* fehler = nullptr);

} // namespace GraphBildSchreiben
