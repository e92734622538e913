#pragma once

#include "catalogue/TGeraet.h"
#include "shell/TErgebnis.h"

#include <QString>
#include <QStringList>

class TShellKontext;

// The device catalogue "Geraete.cfg" in the program configuration directory: one section
// per instrument type. The program only reads it.

// Fills `liste` with the section names in file order; message 1 when the file is missing.
void GeraeteListeLesen(TShellKontext& app, QStringList& liste);

// Reads section `name` into `geraet`. The record changes only when the whole section could
// be read: a missing file (message 1), a missing or empty section (message 3) or a value
// out of its range leave it exactly as it was. VarekSNr, SerienNummer and Zustand are not
// catalogue fields and always keep their values. A value out of its range fails with a
// message naming the file, the section, the key and the value; a missing file or section
// fails with an empty message (messages 1 and 3 told the user then).
TErgebnis GeraetLesen(TShellKontext& app, const QString& name, TGeraet& geraet);

// Start-up: the device list into AppConst.GeraeteListe, the selected device AppConst.Geraet
// into `aktuell`. A faulty section is reported with message 0 and its reason.
void GeraeteLaden(TShellKontext& app, TGeraet& aktuell);
