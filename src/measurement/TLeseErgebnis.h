#pragma once

#include <QString>
#include <QtGlobal>

// The outcome of reading or writing a measurement or job file. On failure `Meldung` says
// what was wrong (with the file name when a file was read) and `Position` is the byte offset
// at which it was found.
struct TLeseErgebnis {
    bool Ok = true;
    QString Meldung;
    qint64 Position = -1;
    // The bytes ran out before the field at `Position` was complete.
    bool Dateiende = false;

    explicit operator bool() const { return Ok; }

    static TLeseErgebnis Fehler(const QString& meldung, qint64 position, bool dateiende = false) {
        return {false, meldung, position, dateiende};
    }
};
