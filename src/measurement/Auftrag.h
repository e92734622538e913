#pragma once

#include "measurement/TMessDatei.h"

#include <QByteArray>
#include <QString>

struct TSprachTexte;

// The job command sent to the instrument, and the figures the job dialog shows while a job
// is edited. The GUI and orvan-cli both use these.

struct TAuftragErgebnis {
    QByteArray Auftrag; // the bytes that follow the send-job command
    QString Fehler;     // set when the job cannot be built; nothing may be sent then

    explicit operator bool() const { return Fehler.isEmpty(); }
};

// Builds the job command from `datei` with its AuftragSendFlags: each flag switches one field
// on; flags 11 to 17 are used again for every channel. A start time earlier than `jetzt` is
// moved to `jetzt`, in the record too. Fails for a flag array shorter than a position it
// needs, a text longer than 65535 characters and a channel without its series.
TAuftragErgebnis AuftragErzeugen(TMessDatei& datei, double jetzt);

// Memory use, its share of the instrument memory, the number of active series and the
// duration of a job.
struct TBerechnungen {
    quint32 Speicherbedarf = 0;
    double Prozent = 0;  // Speicherbedarf / Speicher * 100
    int Fortschritt = 0; // the gauge position: Prozent truncated
    bool Rot = false;    // more than the instrument holds
    int AnzahlReihen = 0;
    QString Messdauer; // "1 Tage 12 Std 0 Min 0.000 Sek"
    QString Fehler;    // set when a figure cannot be computed (memory size or frequency 0)

    explicit operator bool() const { return Fehler.isEmpty(); }
};
TBerechnungen Berechnungen(const TMessDatei& datei, const TSprachTexte& texte);
