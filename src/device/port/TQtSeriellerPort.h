#pragma once

#include "device/TSeriellerPort.h"

#include <memory>

class QSerialPort;
class TGeraetUmgebung;

// The port on QSerialPort: real serial ports and pseudo-terminals alike.
class TQtSeriellerPort : public TSeriellerPort {
    Q_OBJECT
public:
    explicit TQtSeriellerPort(QObject* eltern = nullptr);
    ~TQtSeriellerPort() override;

protected:
    bool GeraetOeffnen(const TPortEinstellungen& einstellungen, QString& fehler) override;
    void GeraetSchliessen() override;
    bool GeraetSchreiben(const QByteArray& daten) override;
    QByteArray GeraetLesen(int ms) override;

private:
    void Einstellen(const TPortEinstellungen& einstellungen);
    void Abholen();

    QSerialPort* FPort;
};

// Makes the command runs of `umgebung` use TQtSeriellerPort (the GUI and orvan-cli call it
// once).
void SeriellenPortEinrichten(TGeraetUmgebung& umgebung);
