#pragma once

#include "measurement/TLeseErgebnis.h"
#include "measurement/TMessDatei.h"

#include <QByteArray>
#include <QString>

// The job file (".oor"): the header of the measurement file layout without a data part.
// `alsAuftrag` writes -1 into the first field, otherwise 0. Zustand is written as 0, Anzahl
// and the values are not written; VarekSNr is filled up with blanks to 11 characters.

// The bytes of the job file; fails for a text longer than 65535 characters and for a record
// whose channel table or series count does not match its counts (it could not be read back).
TLeseErgebnis MessDateiKodieren(const TMessDatei& quelle, bool alsAuftrag, QByteArray& ziel);

// Writes the job file through QSaveFile: when anything fails, an existing file stays as it
// was and the result says why.
TLeseErgebnis MessDateiSchreiben(const QString& datei, bool alsAuftrag, const TMessDatei& quelle);
