// The measurement import of the graph window: the core turns the series into curves (with
// the window's own formula evaluator for calculated series); the window then shows them.
#include "graph/ui/TMDIGraphWin.h"

#include "measurement/TMessDatei.h"
#include "shell/TAnwendung.h"

void TMDIGraphWin::DateiInDiagramm(TMessDatei& messung) {
    // The import into the document comes with the graph core; until it is there the command
    // says so instead of pretending.
    Q_UNUSED(messung);
    FApp.Nachricht(999, FApp.Texte.MesswertDateiEinlesenText);
    GraphEigenschaftenSetzen();
    Aktualisieren();
}
