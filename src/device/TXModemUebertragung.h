#pragma once

#include "device/TXModemEmpfaenger.h"

#include <QObject>
#include <QString>
#include <memory>

class TSpeicherDatei;
class QTimer;
class TSeriellerPort;

// An XMODEM receive into a file, bound to a port: the thin adapter between the receiver
// state machine, the port and the target file. The data goes through the program's save
// path (TSpeicherDatei), every write checked, so a transfer that fails or is cancelled, or a
// disk that runs full, never replaces an existing file and never leaves one that looks
// complete; only a finished transfer makes the file appear. What arrived before a failure is
// kept under a name of its own beside the target (TeilPfad), never under the target's.
//
// Events, all through the event loop: Status(1) on the first call of a transfer, Status(0)
// after each good block; Fehler(code) when it fails; Fertig(code) at its end (0 success),
// raised after Laeuft() has turned false.
class TXModemUebertragung : public QObject {
    Q_OBJECT
public:
    explicit TXModemUebertragung(TSeriellerPort& port, QObject* eltern = nullptr);
    ~TXModemUebertragung() override;

    // Target: the name part of `name` in `verzeichnis`.
    void ZielSetzen(const QString& verzeichnis, const QString& name);
    QString ZielPfad() const;

    void Starten();
    void Abbrechen(int code = TXModemEmpfaenger::xmAbbruch);
    bool Laeuft() const { return FLaeuft; }
    qint64 Uebertragen() const { return FEmpfaenger.Bytes(); }
    int Fehlercode() const { return FEmpfaenger.Fehlercode(); }
    static QString FehlerText(int code) { return TXModemEmpfaenger::FehlerText(code); }
    // Why the target could not be written (with a failed write), empty otherwise.
    const QString& SchreibFehler() const { return FSchreibFehler; }
    // The file that holds what arrived before the last transfer failed; empty when nothing
    // arrived or it could not be kept.
    const QString& TeilDatei() const { return FTeilDatei; }

    // The name for the part of an interrupted read-out into `ziel`: beside it, never the same
    // name, and never one that is already taken.
    static QString TeilPfad(const QString& ziel);

    // Time-outs of the receiver (milliseconds); tests shorten them.
    void ZeitenSetzen(int kopfMs, int zeichenMs);

signals:
    void Status(int option);
    void Fertig(int code);
    void Fehler(int code);

private:
    void Bearbeiten();
    void Zeitablauf();
    void Antworten(const QByteArray& antwort);
    void Abschliessen();
    void TeilBehalten();

    TSeriellerPort& FPort;
    TXModemEmpfaenger FEmpfaenger;
    QString FVerzeichnis;
    QString FName;
    std::unique_ptr<TSpeicherDatei> FDatei;
    QByteArray FEmpfangen; // kept for the part file should the transfer fail
    QString FSchreibFehler;
    QString FTeilDatei;
    QTimer* FWecker;
    bool FLaeuft = false;
};
