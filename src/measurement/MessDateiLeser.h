#pragma once

#include "measurement/TLeseErgebnis.h"
#include "measurement/TMessDatei.h"

#include <QString>

class TShellKontext;

// Reading measurement files (".ome") and job files (".oor"). Call MessDateiPruefen first:
// it loads the selected device's catalogue entry (commands, line settings, flags) into
// the working record, and MessDateiLesen keeps those fields as they are.

// True when the file can be read, is longer than 20 bytes and names a device type of
// AppConst.GeraeteListe; it then has read AppConst.Geraet into `arbeit`. Shows no
// message of its own (reading the device may show messages 1 and 3).
bool MessDateiPruefen(TShellKontext& app, const QString& datei, TMessDatei& arbeit);

// True when the file starts like a measurement or job file of a known device type; reads
// only the header and shows nothing (for telling a user who chose one in the wrong place).
bool IstMessDatei(const QString& datei, const QStringList& geraeteListe);

// Reads the file into `ziel`; `nurAuftrag` reads the header only, as a job. For measurement
// files: message 39 when a stamp lay before the computed time, message 40 when the data part
// differs in length from what the job needs. On failure `ziel` is unchanged and nothing is
// shown; the result names the file, what was wrong and where.
TLeseErgebnis MessDateiLesen(TShellKontext& app, const QString& datei, bool nurAuftrag,
                             TMessDatei& ziel);

// Imports any file as one series of byte values (0..255), one per measuring period from the
// file's modification time (one per second when the record has no measuring frequency).
// Only the job and series fields change.
TLeseErgebnis RohDateiLesen(TShellKontext& app, const QString& datei, TMessDatei& ziel);

// The read of a file as the main window and the job dialog do it: the check, then the read;
// when the check fails, message 3 with "???" and message 16 with the file name, and the raw
// import when the answer is Yes, all into the working record `arbeit`. Message 2 is the caller's,
// as the callers differ in it.
enum class TEinleseWeg { Gelesen, RohGelesen, Abgelehnt, Fehler };
struct TEinleseErgebnis {
    TEinleseWeg Weg = TEinleseWeg::Abgelehnt;
    TLeseErgebnis Lesen;
};
TEinleseErgebnis MessDateiEinlesen(TShellKontext& app, const QString& datei, bool nurAuftrag,
                                   TMessDatei& arbeit);
