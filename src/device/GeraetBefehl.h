#pragma once

#include "device/TGeraet.h"

#include <QString>
#include <optional>

class TAnwendung;

// The one entry for talking to an instrument: runs command `befehl` of device `geraet` over
// the configured serial port (or app.PortGeraet). With `dialogZeigen` the run shows its
// progress display (app.GeraetAnzeigeErzeugen) and works on a copy of `parameter`; without,
// the step's result is written back into `parameter`. `autoSchliessen` closes the display
// when the command is done. True when neither the reply timer expired nor the transfer
// failed. A second run while one is going is refused (false). After an interrupted read-out
// (also the one nested in the send-job flow) `teil` gets the file that keeps what arrived.
bool GeraetBefehl(TAnwendung& app, const QString& befehl, QString& parameter, const TGeraet& geraet,
                  bool dialogZeigen, bool autoSchliessen, QString* teil = nullptr);

// The outcome of a read-out: the received file, or nothing when the run failed; after a
// failed transfer `Teil` names the file that holds what arrived (empty when nothing did).
struct TAuslesen {
    std::optional<QString> Datei;
    QString Teil;
};

// Reads the selected device's recorded data (its read-data command, with the progress
// display) into the data directory under the name part of `datei`.
TAuslesen GeraetAuslesen(TAnwendung& app, const QString& datei);
// The same, giving the path of the received file or nothing when the run failed.
std::optional<QString> GeraetDatenLesen(TAnwendung& app, const QString& datei);

// Where a read-out into `datei` lands: the data directory and the name part of `datei`.
QString EmpfangsPfad(const TAnwendung& app, const QString& datei);

// Connects the device runs to the application: the main window's read-out hook. After an
// interrupted read-out the hook offers the part that arrived (message 16 with its name) and
// hands it back when the user takes it; the reader then says it is short (message 40).
void GeraetBefehlEinrichten(TAnwendung& app);
