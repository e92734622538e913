#pragma once

#include "measurement/TMessDatei.h"

#include <QString>

class TGeraetUmgebung;
class TShellKontext;

// Sending a job to the instrument, as the job dialog and orvan-cli send-job both do it.
struct TSendeErgebnis {
    bool Gebaut = false;   // the job command could be built (otherwise nothing was sent)
    bool Gesendet = false; // the command run finished without a failure
    QString Fehler;        // why the job command could not be built
    QString Parameter;     // the parameter string the run was given
    QString Teil;          // after an interrupted nested read-out: the file keeping what arrived
};

// Builds the job command from `datei` (a start time in the past moves to now, in `datei`
// too) and runs the send-job command of `datei`'s device with the progress display, which
// closes when done. The run's send-job step checks the instrument's status and asks the
// user before the job is transmitted character by character.
// `aktuell` is the selected device type (the status command stores the instrument's state
// in it); `umgebung` gives the port and the progress display.
TSendeErgebnis AuftragSenden(TShellKontext& app, TGeraetUmgebung& umgebung, TGeraet& aktuell,
                             TMessDatei& datei);
