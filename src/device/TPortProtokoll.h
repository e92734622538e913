#pragma once

#include "shell/TErgebnis.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QString>
#include <QStringList>

// The trace and log of a serial port: the trace holds every byte with its direction and the
// time it passed, the log the port's own notes (opening, settings, failures). Both keep only
// their last entries, so a long run costs bounded memory; nothing is recorded while off.
class TPortProtokoll {
public:
    TPortProtokoll();

    // Switching on keeps the last `eintraege` entries of each; switching off drops both.
    void Einschalten(bool an, int eintraege = 10000);
    bool An() const { return FAn; }

    void Trace(bool ausgang, const QByteArray& daten);
    void Notiz(const QString& text);

    // One line per 16 bytes: time, direction ("->" sent, "<-" received), hex and printable.
    QStringList TraceZeilen() const;
    QStringList LogZeilen() const { return FLog; }

    // Writes trace and log into their files (replacing them) and switches recording off. A
    // failure names the file that failed and why; the old files then stay as they were.
    TErgebnis Schreiben(const QString& traceDatei, const QString& logDatei);

private:
    struct TEintrag {
        qint64 Zeit; // ms since the recorder was made
        bool Ausgang;
        QByteArray Daten;
    };

    bool FAn = false;
    int FEintraege = 10000;
    QElapsedTimer FUhr;
    QList<TEintrag> FTrace;
    QStringList FLog;
};
