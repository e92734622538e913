// The measurement import of the graph window: the core turns the series into curves (with
// the window's own formula evaluator for calculated series); the window then shows them.
#include "graph/ui/TMDIGraphWin.h"

#include "graph/DateiInDiagramm.h"

#include <stdexcept>

void TMDIGraphWin::DateiInDiagramm(TMessDatei& messung) {
    const TImportErgebnis ergebnis =
        ::DateiInDiagramm(FApp, FKurvenVorlage, Parser(), messung, Diagramm);
    GraphEigenschaftenSetzen();
    Aktualisieren();
    if (!ergebnis) {
        // An error while computing a calculated series ends the import; the general error
        // display tells the user, the document is as it was.
        throw std::runtime_error(ergebnis.Fehler.toStdString());
    }
}
