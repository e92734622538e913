#pragma once

#include "measurement/TMesswerte.h"

#include <QString>
#include <QtGlobal>

// One measurement series: the channel it records, how often, how raw values are scaled
// ((raw + Nullwert) * Messkonstante), and the values themselves. For a parameter channel
// Abstand, Messkonstante and Nullwert hold parameters 1 to 3.
struct TMessreihe {
    quint32 Anzahl = 0;
    quint8 Aktiv = 0; // 0: not recorded
    quint8 Kanal = 0;
    double Messkonstante = 0;
    double Nullwert = 0;
    quint32 Abstand = 0; // in measuring cycles
    QString Name;
    QString Einheit; // name of a unit of measure, or empty
    TMesswerte Messwerte;

    bool operator==(const TMessreihe&) const = default;
};
