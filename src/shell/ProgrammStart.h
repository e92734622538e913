#pragma once

#include <QString>

class TShellKontext;

// The program directory: ORVAN_HOME when set, otherwise the directory of the executable.
// Always ends with "/".
QString ProgrammPfadErmitteln(const QString& programmDatei);

// The first step of the start-up (app/AnwendungStarten.h): version strings (message 26 when
// the program carries none), directories and file names, window title, icon and help file.
void ProgrammDatenSetzen(TShellKontext& app, const QString& programmDatei,
                         const QString& programmPfad);
