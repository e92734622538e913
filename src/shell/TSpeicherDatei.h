#pragma once

#include "shell/TErgebnis.h"

#include <QByteArray>
#include <QSaveFile>
#include <QString>

// The one way the program writes a file. The bytes go to a temporary file beside the
// target and replace it only when every write reached the file, so a full disk, a
// read-only directory or a cancelled transfer leaves the old file as it was.
//
// QSaveFile alone is not enough for that: its commit() does not report a failed flush of the
// last buffered block, so a short file on a full disk "saved" as empty. Here the file is
// written unbuffered (each write reaches the system and is checked) and synced before the
// commit. A target that exists and is not a regular file (a directory, FIFO or device) is
// refused before anything is opened, as QSaveFile would replace the node with a plain file.
class TSpeicherDatei {
public:
    explicit TSpeicherDatei(const QString& pfad);
    ~TSpeicherDatei(); // an unfinished file is discarded, the target stays as it was

    TSpeicherDatei(const TSpeicherDatei&) = delete;
    TSpeicherDatei& operator=(const TSpeicherDatei&) = delete;

    const QString& Pfad() const { return FPfad; }

    bool Oeffnen();
    // False once any write failed; later writes are then skipped.
    bool Schreiben(const char* daten, qsizetype anzahl);
    bool Schreiben(const QByteArray& bytes) { return Schreiben(bytes.constData(), bytes.size()); }
    // Syncs and replaces the target; false (and the target untouched) when anything failed.
    bool Abschliessen();
    // Gives up: the temporary file goes, the target stays.
    void Verwerfen();

    bool Ok() const { return FFehler.isEmpty(); }
    // Why it failed, in words for the user (empty while all is well).
    const QString& Fehler() const { return FFehler; }
    qint64 Geschrieben() const { return FGeschrieben; }

    // Writes `bytes` as the whole content of `pfad`; on failure the reason in the result.
    static TErgebnis Alles(const QString& pfad, const QByteArray& bytes);

private:
    void FehlerSetzen(const QString& grund);

    QString FPfad;
    QSaveFile FDatei;
    QString FFehler;
    qint64 FGeschrieben = 0;
    bool FOffen = false;
};
