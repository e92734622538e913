#pragma once

#include "device/TSeriellerPort.h"

#include <functional>

// A port without a device: what the program sends goes to `Geraet`, a scripted instrument,
// whose answer comes back as received bytes. Records everything sent.
class TSpeicherPort : public TSeriellerPort {
public:
    std::function<QByteArray(char gesendet)> Geraet;
    QByteArray Gesendet;

protected:
    bool GeraetOeffnen(const TPortEinstellungen&, QString&) override { return true; }
    void GeraetSchliessen() override {}
    bool GeraetSchreiben(const QByteArray& daten) override;
    QByteArray GeraetLesen(int ms) override;

private:
    QByteArray FAusstehend;
};
