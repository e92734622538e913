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
// failed. A second run while one is going is refused (false).
bool GeraetBefehl(TAnwendung& app, const QString& befehl, QString& parameter, const TGeraet& geraet,
                  bool dialogZeigen, bool autoSchliessen);

// Reads the selected device's recorded data (its read-data command, with the progress
// display) into the data directory under the name part of `datei`. The path of the received
// file, or nothing when the run failed.
std::optional<QString> GeraetDatenLesen(TAnwendung& app, const QString& datei);

// Where a read-out into `datei` lands: the data directory and the name part of `datei`.
QString EmpfangsPfad(const TAnwendung& app, const QString& datei);

// Connects the device runs to the application: the main window's read-out hook.
void GeraetBefehlEinrichten(TAnwendung& app);
