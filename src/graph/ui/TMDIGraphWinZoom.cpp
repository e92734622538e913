// The graph window's view changes: zoom, scroll, refresh and the switch between date/time and
// relative X.
#include "graph/ui/TMDIGraphWin.h"

#include "graph/DatumZeitSchalter.h"

void TMDIGraphWin::Zoomen(double prozent) {
    AnsichtMerken();
    FZustand.Zoomen(prozent);
    Neuzeichnen();
    MarkerSetzen();
}

void TMDIGraphWin::ZoomGross() {
    Zoomen(110);
}

void TMDIGraphWin::ZoomKlein() {
    Zoomen(90);
}

void TMDIGraphWin::Verschieben(int nummer, double versatz) {
    FZustand.Verschieben(nummer, versatz);
}

void TMDIGraphWin::ScrollLinks() {
    AnsichtMerken();
    Verschieben(1, -FZustand.Bereich[1].Spanne() / 10);
    Neuzeichnen();
    MarkerSetzen();
}

void TMDIGraphWin::ScrollRechts() {
    AnsichtMerken();
    Verschieben(1, FZustand.Bereich[1].Spanne() / 10);
    Neuzeichnen();
    MarkerSetzen();
}

void TMDIGraphWin::ScrollOben() {
    AnsichtMerken();
    Verschieben(0, FZustand.Bereich[0].Spanne() / 10);
    Verschieben(2, FZustand.Bereich[2].Spanne() / 10);
    Neuzeichnen();
    MarkerSetzen();
}

void TMDIGraphWin::ScrollUnten() {
    AnsichtMerken();
    Verschieben(0, -FZustand.Bereich[0].Spanne() / 10);
    Verschieben(2, -FZustand.Bereich[2].Spanne() / 10);
    Neuzeichnen();
    MarkerSetzen();
}

void TMDIGraphWin::GraphRefresh() {
    AnsichtMerken();
    FZustand.Einpassen_Alle(Diagramm);
    Neuzeichnen();
    MarkerSetzen();
    GraphEigenschaftenAchsenLesen();
}

void TMDIGraphWin::DatumZeit() {
    GraphEigenschaftenAchsenLesen();
    DatumZeitSchalter::Umschalten(Diagramm, DatumZeitIntervall);
    GraphEigenschaftenAchsenSetzen();
    GraphEigenschaftenKurvenSetzen();
    MarkerSetzen();
}
