#pragma once

#include "catalogue/TGeraet.h"
#include "device/TGeraetUmgebung.h"
#include "graph/TDiagramm.h"
#include "measurement/TMessDatei.h"
#include "shell/TShellKontext.h"

// The application context: the shell's records and the program-wide records of the floors
// above it, created once at start-up. Code below src/app gets the records it needs as
// parameters; tests make their own.
class TAnwendung : public TShellKontext {
public:
    explicit TAnwendung(TBenutzer& benutzer) : TShellKontext(benutzer) {}

    // The selected device type (AppConst.Geraet) as the catalogue describes it.
    TGeraet AktuellesGeraet;
    // The working measurement or job: every read of a file and every new job overwrites it.
    TMessDatei ArbeitsDatei;
    // Bytes of instrument memory the current job needs, as last computed.
    quint32 Speicherbedarf = 0;

    // Defaults for new graphs and for every curve the measurement import makes; kept in the
    // user configuration file (graph/GraphDefaults.h).
    TDiagramm DefaultDiagramm;
    TKurve DefaultKurve;

    // Where device command runs get their port and progress display.
    TGeraetUmgebung Geraete;
};
