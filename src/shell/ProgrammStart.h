#pragma once

#include <QString>

class TShellKontext;
struct TAppConst;

// The program directory: ORVAN_HOME when set, otherwise the directory of the executable, or,
// for an installed program whose directory has no Config/, its installed data directory
// (<prefix>/share/orvan). Always ends with "/".
QString ProgrammPfadErmitteln(const QString& programmDatei);

// Where the configuration and the data live. A program directory that is the installed data
// directory, or whose Config/ cannot be written, is left alone: the program configuration
// directory, the default user configuration directory and the data directory become the
// user's own ($XDG_CONFIG_HOME/orvan/ and $XDG_DATA_HOME/orvan/Daten/), and the shipped
// files of Config/ are copied there on the first start (an existing copy is kept). Returns
// true when it moved them; a writable program directory keeps everything as it is. Called by
// ProgrammDatenSetzen once the directories are derived.
bool BenutzerVerzeichnisseVerwenden(TAppConst& a, const QString& programmDatei);

// The first step of the start-up (app/AnwendungStarten.h): version strings (message 26 when
// the program carries none), directories and file names, window title, icon and help file.
void ProgrammDatenSetzen(TShellKontext& app, const QString& programmDatei,
                         const QString& programmPfad);
