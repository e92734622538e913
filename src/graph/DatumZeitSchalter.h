#pragma once

#include "graph/TDiagramm.h"

// The switch of a graph's X axis between date/time and relative numbers: the bottom limits,
// every curve's interval and start, and the markers' X values move together, so that the
// same part of the curves stays in view and a set marker stays on the point it was set on.
namespace DatumZeitSchalter {

// `intervall`: the X interval remembered while the axis shows date/time (the window's
// DatumZeitIntervall); set when switching to date/time, used when switching back.
void Umschalten(TDiagramm& d, double& intervall);

} // namespace DatumZeitSchalter
