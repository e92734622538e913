#pragma once

#include "catalogue/TGeraet.h"

#include <QString>
#include <optional>

class TGeraetUmgebung;
class TShellKontext;

// The one entry for talking to an instrument: runs command `befehl` of device `geraet` over
// the configured serial port (or umgebung.PortGeraet), taken from umgebung.PortErzeugen. With
// `dialogZeigen` the run shows its progress display (umgebung.AnzeigeErzeugen) and works on
// a copy of `parameter`; without,
// the step's result is written back into `parameter`. `autoSchliessen` closes the display
// when the command is done. True when neither the reply timer expired nor the transfer
// failed. A second run while one is going is refused (false). `aktuell` is the selected
// device type; the status command stores the instrument's state in it. After an interrupted
// read-out (also the one nested in the send-job flow) `teil` gets the file that keeps what
// arrived.
bool GeraetBefehl(TShellKontext& app, TGeraetUmgebung& umgebung, TGeraet& aktuell,
                  const QString& befehl, QString& parameter, const TGeraet& geraet,
                  bool dialogZeigen, bool autoSchliessen, QString* teil = nullptr);

// The outcome of a read-out: the received file, or nothing when the run failed; after a
// failed transfer `Teil` names the file that holds what arrived (empty when nothing did).
struct TAuslesen {
    std::optional<QString> Datei;
    QString Teil;
};
TAuslesen GeraetAuslesen(TShellKontext& app, TGeraetUmgebung& umgebung, TGeraet& aktuell,
                         const QString& datei);

// Reads the recorded data of the selected device `aktuell` (its read-data command, with the
// progress display) into the data directory under the name part of `datei`. The path of the
// received file, or nothing when the run failed.
std::optional<QString> GeraetDatenLesen(TShellKontext& app, TGeraetUmgebung& umgebung,
                                        TGeraet& aktuell, const QString& datei);

// Where a read-out into `datei` lands: the data directory and the name part of `datei`.
QString EmpfangsPfad(const TShellKontext& app, const QString& datei);
