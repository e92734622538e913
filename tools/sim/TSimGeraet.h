#pragma once

#include "catalogue/TGeraet.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QString>
#include <csignal>

class TSimPty;

// What the simulated instrument is asked to be.
struct TSimOptionen {
    TGeraet Geraet;      // its type: name and command strings from the catalogue
    QByteArray Daten;    // the measurement in its memory (empty: none)
    int Status = -1;     // the two status digits as a number, -1: from the memory state
    double Uhr = 0;      // its clock at start (TDateTime), 0: the computer's clock
    QString Fehler;      // no-echo, garble, stall, bad-block, cancel, hangup
    int PunktMs = 300;   // clearing the memory: a dot every PunktMs
    int LoeschMs = 1500; // ... for this long
    int MaxSekunden = 600;
};

// The simulated instrument: reads the commands of its type from the line and answers as the
// instrument does: echoes, CR LF replies, a job character by character, the memory by
// XMODEM (128-byte blocks, checksum). Runs until `ende` is set, the time is up or the line
// is gone.
class TSimGeraet {
public:
    TSimGeraet(TSimPty& pty, const TSimOptionen& optionen);
    int Laufen(volatile std::sig_atomic_t& ende);

private:
    enum class TArt {
        Reset,
        UhrLesen,
        UhrSetzen,
        Zustand,
        Abbrechen,
        Auftrag,
        Lesen,
        Test,
        Leeren,
        Roh
    };
    struct TBefehl {
        QByteArray Text;
        TArt Art;
    };

    bool Vorbei() const;
    void Eingang(char c);
    void Ausfuehren(TArt art);
    void Antworten(const QByteArray& text); // garbled when asked
    void UhrSetzen();
    void AuftragEmpfangen();
    void Loeschen();
    void XModemSenden();
    int Warten(int ms); // one byte or -1/-2, minding the end
    QByteArray UhrText() const;
    int Flags() const { return FFlags; }

    TSimPty& FPty;
    TSimOptionen FOpt;
    volatile std::sig_atomic_t* FEnde = nullptr;
    QElapsedTimer FLaufzeit;
    QList<TBefehl> FBefehle;
    QByteArray FPuffer;
    int FZehner = 0; // first status digit, as given
    int FFlags = 0;  // second digit: 1 job entered, 2 measuring, 4 memory holds a measurement
    double FUhrVersatz = 0; // instrument clock minus computer clock, in days
    QByteArray FAuftrag;
    bool FStumm = false; // after a stall: silent for good
};
