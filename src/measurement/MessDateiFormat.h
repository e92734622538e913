#pragma once

#include "measurement/TLeseErgebnis.h"
#include "measurement/TMessDatei.h"

#include <QByteArrayView>
#include <QStringList>

// The byte layout of measurement and job files, decoded from bytes in memory. The file
// routines (MessDateiLeser.h) and the fuzz target use these.

// Where the header ended and what it declared for the data part.
struct TKopfInfo {
    qint32 Gesamtlaenge = 0;
    qint64 Ende = 0;         // position just past the last series group
    qint64 KanalInfoPos = 0; // position of the first channel byte
};

// What the data part showed besides the values.
struct TDatenBefund {
    bool Zurueck = false;   // a time stamp lay before the computed time (message 39)
    qint64 Erwartet = 0;    // bytes the job should have produced
    qint64 Uebertragen = 0; // bytes the data part holds
};

// The quick check: at least 21 bytes, and the device type name of the header is in `liste`
// (without regard to case).
bool MessKopfPruefen(QByteArrayView bytes, const QStringList& liste);

// Reads the header into `ziel`, starting from a copy of the record as it is: fields the file
// does not hold keep their values. Every series gets two empty rows of values. `ziel` is
// changed even on failure; callers pass a scratch copy.
TLeseErgebnis MessKopfLesen(QByteArrayView bytes, TMessDatei& ziel, TKopfInfo& kopf);

// Reads the data part behind the header into the series of `ziel`. `bytes` must hold the
// file from its start; bytes beyond Gesamtlaenge are not used.
TLeseErgebnis MessDatenLesen(QByteArrayView bytes, const TKopfInfo& kopf, TMessDatei& ziel,
                             TDatenBefund& befund);

// Header and, unless `nurAuftrag`, data part; `ziel` changes only on success.
TLeseErgebnis MessBytesLesen(QByteArrayView bytes, bool nurAuftrag, TMessDatei& ziel,
                             TDatenBefund& befund);
