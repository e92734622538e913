#include "TSpeicherPort.h"

#include <QThread>

bool TSpeicherPort::GeraetSchreiben(const QByteArray& daten) {
    for (char c : daten) {
        Gesendet += c;
        if (Geraet) {
            FAusstehend += Geraet(c);
        }
    }
    return true;
}

QByteArray TSpeicherPort::GeraetLesen(int ms) {
    if (FAusstehend.isEmpty() && ms > 0) {
        QThread::msleep(ulong(ms)); // a silent instrument: the wait runs out
    }
    QByteArray daten;
    daten.swap(FAusstehend);
    return daten;
}
