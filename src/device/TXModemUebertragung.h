#pragma once

#include "device/TXModemEmpfaenger.h"

#include <QObject>
#include <QString>
#include <memory>

class QSaveFile;
class QTimer;
class TSeriellerPort;

// An XMODEM receive into a file, bound to a port: the thin adapter between the receiver
// state machine, the port and the target file. The data goes through QSaveFile, so a
// transfer that fails or is cancelled never replaces an existing file and never leaves one
// that looks complete; only a finished transfer makes the file appear.
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

    TSeriellerPort& FPort;
    TXModemEmpfaenger FEmpfaenger;
    QString FVerzeichnis;
    QString FName;
    std::unique_ptr<QSaveFile> FDatei;
    QTimer* FWecker;
    bool FLaeuft = false;
};
