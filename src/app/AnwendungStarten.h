#pragma once

#include <QString>

class TAnwendung;

// The program's start-up, the same for the GUI and orvan-cli, step by step:
//  1. version strings, directories and file names (shell/ProgrammStart.h);
//  2. the program configuration file, created with every default when missing;
//  3. the user configuration file with the graph defaults, created the same way;
//  4. the language list and the texts of the stored language;
//  5. the device catalogue: the device list and the selected device type.
void AnwendungStarten(TAnwendung& app, const QString& programmDatei, const QString& programmPfad);

// The user configuration file: the shell's sections and the graph defaults
// (DefaultDiagramm, DefaultKurve). Writing creates the directory (message 4) and reports a
// file that cannot be written (message 29).
void EinstellungenLesen(TAnwendung& app, const QString& verzeichnis, const QString& datei);
bool EinstellungenSchreiben(TAnwendung& app, const QString& verzeichnis, const QString& datei);
