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
// device type; the status command stores the instrument's state in it. A run the user
// cancelled is not done (false) but no failure either: it shows no error. `bericht` gets
// what the run leaves beside its result.
struct TLaufBericht {
    // After an interrupted read-out (also the one nested in the send-job flow): the file
    // that keeps what arrived, empty when nothing did.
    QString Teil;
    bool Abgebrochen = false; // the user cancelled the run
};
bool GeraetBefehl(TShellKontext& app, TGeraetUmgebung& umgebung, TGeraet& aktuell,
                  const QString& befehl, QString& parameter, const TGeraet& geraet,
                  bool dialogZeigen, bool autoSchliessen, TLaufBericht* bericht = nullptr);

// The outcome of a read-out: the received file, or nothing when the run failed or was
// cancelled; the run's report beside it.
struct TAuslesen {
    std::optional<QString> Datei;
    TLaufBericht Bericht;
};
TAuslesen GeraetAuslesen(TShellKontext& app, TGeraetUmgebung& umgebung, TGeraet& aktuell,
                         const QString& datei);

// What the user hears of a read-out that brought no file: message 25 (the run has already
// shown why), nothing after the user's own cancel. The main window and orvan-cli both.
void AuslesenFehlschlagMelden(TShellKontext& app, const TAuslesen& auslesen);

// Reads the recorded data of the selected device `aktuell` (its read-data command, with the
// progress display) into the data directory under the name part of `datei`. The path of the
// received file, or nothing when the run failed.
std::optional<QString> GeraetDatenLesen(TShellKontext& app, TGeraetUmgebung& umgebung,
                                        TGeraet& aktuell, const QString& datei);

// Where a read-out into `datei` lands: the data directory and the name part of `datei`.
QString EmpfangsPfad(const TShellKontext& app, const QString& datei);
