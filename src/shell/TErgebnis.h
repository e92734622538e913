#pragma once

#include <QString>
#include <QtGlobal>

// The outcome of anything that can fail: reading and writing files, the catalogue, exports,
// the measurement import. On failure `Meldung` says in plain words what went wrong (with the
// file name where a file was involved) and `Position`, where there is one, where it was
// found: the byte offset in a file, or the character index in a text.
struct TErgebnis {
    bool Ok = true;
    QString Meldung;
    qint64 Position = -1;

    explicit operator bool() const { return Ok; }

    static TErgebnis Fehler(const QString& meldung, qint64 position = -1) {
        return {false, meldung, position};
    }
};
