#pragma once

#include "device/TGeraet.h"
#include "shell/TMainCfgDienste.h"

class TAnwendung;

// The device side of the settings dialog: the selected device's values, the catalogue and
// the clock commands (run without the progress dialog), on the application's records.
void GeraetDiensteSetzen(TAnwendung& app, TMainCfgDienste& dienste);

// The values of a device that the settings dialog shows.
TGeraeteWerte GeraeteWerte(const TGeraet& geraet);
