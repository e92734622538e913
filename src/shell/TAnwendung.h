#pragma once

#include "device/TGeraet.h"
#include "graph/TDiagramm.h"
#include "measurement/TMessDatei.h"
#include "shell/TAppConst.h"
#include "shell/TSprachTexte.h"

#include <functional>
#include <memory>
#include <optional>

class TBenutzer;
class TIniDatei;
class TSeriellerPort;
class TGeraetAnzeige;

// The application context: the program-wide records, created once at start-up and handed
// to the code that needs them. Tests make their own.
class TAnwendung {
public:
    explicit TAnwendung(TBenutzer& benutzer) : Benutzer(&benutzer) {}

    TAppConst AppConst;
    TSprachTexte Texte;
    TBenutzer* Benutzer;

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

    // Set by the start-up: what the GUI applies to the application object.
    QString Titel;
    QString IconPfad;
    QString HilfeDatei;

    // A serial device given for this run (orvan-cli --port); empty: the configured port.
    QString PortGeraet;

    // Hooks of the subsystems built on the shell.
    // The graph-default sections of the user configuration file.
    std::function<void(TAnwendung&, const TIniDatei&)> GraphDefaultsLesen;
    std::function<void(TAnwendung&, TIniDatei&)> GraphDefaultsSchreiben;
    // Last start-up step: the device list and the selected device type.
    std::function<void(TAnwendung&)> GeraeteLaden;
    // The device command run that reads the instrument's recorded data into file `datei`
    // (the read-data command of the selected device type). Returns the file the data landed
    // in (always in the data directory), nothing when the run failed. Until the device
    // subsystem connects it, every read-out fails and the caller says so.
    std::function<std::optional<QString>(TAnwendung&, const QString& datei)> DatenAusGeraetLesen;

    // Device command runs (device/GeraetBefehl.h): where a run gets its serial port and its
    // progress display, and whom it tells that the connection state changed (the main
    // window's status bar). Without a display factory a run shows no progress.
    std::function<std::unique_ptr<TSeriellerPort>()> PortErzeugen;
    std::function<std::unique_ptr<TGeraetAnzeige>(TAnwendung&)> GeraetAnzeigeErzeugen;
    std::function<void()> StatusBarSetzen;

    // Shows numbered message `nummer` (see Nachricht) and returns the button pressed.
    int Nachricht(int nummer, const QString& text = QString());
};
