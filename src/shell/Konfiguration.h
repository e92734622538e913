#pragma once

#include <QString>
#include <optional>

class TAnwendung;
class TIniDatei;
struct TAppConst;

// Reading and writing the program and user configuration files ("Allgemein", "Einheiten",
// "Hardware"; the user file also holds the graph defaults). Directory texts end with "/".

// Reads the sections into `ziel`. Units are merged: a unit whose name is already in the list
// is skipped, new ones are appended.
void AppConstLesen(const TIniDatei& ini, TAppConst& ziel);
void AppConstLesen(const QString& verzeichnis, const QString& datei, TAppConst& ziel);
// Writes the sections into `ini` (the file itself is written by the caller).
void AppConstSchreiben(TIniDatei& ini, const TAppConst& quelle);

// Serial ports: port number N is named by key "ComN" of section "Hardware".
QString PortSchluessel(int nr);
// The port number of a key "ComN" (N > 0, written without leading zeros); nothing otherwise.
std::optional<int> PortNummer(const QString& schluessel);
// The device behind port number `nr`: its entry, or /dev/ttyS(nr-1) when it has none.
QString PortGeraet(const TAppConst& a, int nr);

// Reads verzeichnis + datei into app.AppConst, and for the user file the graph defaults too;
// sets the help file.
void KonfigurationLesen(TAnwendung& app, const QString& verzeichnis, const QString& datei);
// Creates the directory with its parents and writes the whole file (message 4 when the
// directory cannot be created, message 29 when the file cannot be written).
bool KonfigurationSchreiben(TAnwendung& app, const QString& verzeichnis, const QString& datei);
// Writes "Konfigurations-Pfad" into the program file, and nothing else.
bool KonfigPfadSpeichern(TAnwendung& app);
// Writes the ten window keys and "Sprache" into the user file, and nothing else.
bool FensterPositionSpeichern(TAnwendung& app);
