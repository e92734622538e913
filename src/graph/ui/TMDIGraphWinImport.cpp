// The measurement import of the graph window: the core turns the series into curves (with
// the window's own formula evaluator for calculated series); the window then shows them.
#include "graph/ui/TMDIGraphWin.h"

#include "graph/DateiInDiagramm.h"
#include "shell/Fehleranzeige.h"
#include "shell/TShellKontext.h"

void TMDIGraphWin::DateiInDiagramm(TMessDatei& messung, const TImportQuelle& quelle) {
    const TErgebnis ergebnis =
        ::DateiInDiagramm(FApp, FKurvenVorlage, Parser(), messung, Diagramm, quelle);
    // New curves are work the user would lose on closing.
    if (ergebnis) {
        Gespeichert = false;
        // The views before belong to other data.
        VerlaufLeeren();
    }
    GraphEigenschaftenSetzen();
    Aktualisieren();
    if (!ergebnis) {
        // An error while computing a calculated series ends the import; the general error
        // display tells the user, the document is as it was.
        FehlerZeigen(FApp.Benutzer, ergebnis.Meldung);
    }
}
