#pragma once

#include <QString>

// The outcome of the measurement import and of computing a calculated series. On failure
// `Fehler` says what went wrong in plain words; the import then changed nothing in the
// document.
struct TImportErgebnis {
    bool Ok = true;
    QString Fehler;

    explicit operator bool() const { return Ok; }
    static TImportErgebnis Fehlgeschlagen(const QString& fehler) { return {false, fehler}; }
};
