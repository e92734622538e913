#pragma once

#include <QString>

class TAnwendung;

// The program directory: ORVAN_HOME when set, otherwise the directory of the executable.
// Always ends with "/".
QString ProgrammPfadErmitteln(const QString& programmDatei);

// The start-up loader: version strings, directories and file names, the program and the
// user configuration file (each created with all defaults when missing), the language list
// and texts, and the device catalogue (through app.GeraeteLaden).
void ProgrammStart(TAnwendung& app, const QString& programmDatei, const QString& programmPfad);
