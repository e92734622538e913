#pragma once

#include "catalogue/TGeraet.h"
#include "shell/TMainCfgDienste.h"

class TShellKontext;
class TGeraetUmgebung;

// The device side of the settings dialog: the selected device's values, the catalogue and
// the clock commands (run without the progress dialog), on the application's records.
// `aktuell` is the selected device; the runs get their port from `umgebung`.
void GeraetDiensteSetzen(TShellKontext& app, TGeraetUmgebung& umgebung, TGeraet& aktuell,
                         TMainCfgDienste& dienste);

// The values of a device that the settings dialog shows.
TGeraeteWerte GeraeteWerte(const TGeraet& geraet);
