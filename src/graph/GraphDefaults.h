#pragma once

#include "graph/TDiagramm.h"

class TIniDatei;

// The graph defaults of the user configuration file: sections "Diagramm", "Achse Links",
// "Achse Unten", "Achse Rechts" and "Marker" for DefaultDiagramm, "Kurve" for DefaultKurve.
// A missing key reads as its default. A value that cannot be converted reads as the key's
// default as well, and the keys after it are still read, so one damaged line does not cost
// the rest of the user's settings. Unknown style names read as 0.
namespace GraphDefaults {

// Only the fields kept in the configuration are touched.
void DiagrammDefaultLesen(const TIniDatei& ini, TDiagramm& d);
void DiagrammDefaultSchreiben(TIniDatei& ini, const TDiagramm& d);
void KurveDefaultLesen(const TIniDatei& ini, TKurve& k);
void KurveDefaultSchreiben(TIniDatei& ini, const TKurve& k);

// Both records at once, as the start-up and the settings use them.
void Lesen(const TIniDatei& ini, TDiagramm& d, TKurve& k);
void Schreiben(TIniDatei& ini, const TDiagramm& d, const TKurve& k);

} // namespace GraphDefaults
