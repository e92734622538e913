#pragma once

#include "shell/TIniDatei.h"

#include <QString>

class TShellKontext;
struct TAppConst;

// Reading and writing the program and user configuration files ("Allgemein", "Einheiten",
// "Hardware"; the user file also holds the graph defaults). Directory texts end with "/".

// Reads the sections into `ziel`. Units are merged: a unit whose name is already in the list
// is skipped, new ones are appended.
void AppConstLesen(const TIniDatei& ini, TAppConst& ziel);
void AppConstLesen(const QString& verzeichnis, const QString& datei, TAppConst& ziel);
// Writes the sections into `ini` (the file itself is written by the caller).
void AppConstSchreiben(TIniDatei& ini, const TAppConst& quelle);

// Reads verzeichnis + datei into app.AppConst (message 0 when the file cannot be read) and
// sets the help file. Returns the file as read: the user file also carries sections of the
// floors above (the graph defaults), which the start-up in src/app reads from it.
TIniDatei KonfigurationLesen(TShellKontext& app, const QString& verzeichnis, const QString& datei);
// Creates the directory with its parents and writes the shell's sections of the file
// (message 4 when the directory cannot be created, message 29 when the file cannot be
// written).
bool KonfigurationSchreiben(TShellKontext& app, const QString& verzeichnis, const QString& datei);
// The two halves of KonfigurationSchreiben, for a writer that adds sections of its own:
// the directory (message 4) and the file (message 29).
bool KonfigVerzeichnisAnlegen(TShellKontext& app, const QString& verzeichnis);
bool KonfigDateiSpeichern(TShellKontext& app, const TIniDatei& ini);
// Writes "Konfigurations-Pfad" into the program file, and nothing else.
bool KonfigPfadSpeichern(TShellKontext& app);
// Writes the ten window keys and "Sprache" into the user file, and nothing else.
bool FensterPositionSpeichern(TShellKontext& app);
