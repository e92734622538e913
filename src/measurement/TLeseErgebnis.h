#pragma once

#include "shell/TErgebnis.h"

// The outcome of reading or writing a measurement or job file: `Position` is the byte offset
// at which a fault was found, and `Dateiende` says that the bytes ran out before the field
// at `Position` was complete.
struct TLeseErgebnis : TErgebnis {
    bool Dateiende = false;

    static TLeseErgebnis Fehler(const QString& meldung, qint64 position, bool dateiende = false) {
        return {{false, meldung, position}, dateiende};
    }
};
