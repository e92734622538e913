#pragma once

#include "catalogue/TKanalInfo.h"

#include <QString>
#include <QVector>

// One instrument type as the device catalogue describes it, plus the fields that only a
// measurement file of an individual instrument fills (VarekSNr, SerienNummer, Zustand).
// A plain value record: copying it copies its strings and arrays.
struct TGeraet {
    QString Name;
    quint16 Version = 0;
    quint16 Firmware = 0;
    quint32 Speicher = 0;
    QString VarekSNr; // at most 11 characters
    QString SerienNummer;
    quint32 Takt = 0;
    quint32 Teiler = 0;
    double Messfrequenz = 0; // Takt / Teiler, in hertz; never stored
    quint8 Zustand = 0;
    quint8 KanalAnzahl = 0;
    TKanalInfo KanalInfo;
    double Datum = 0; // TDateTime
    QString ResetBefehl;
    QString UhrLesenBefehl;
    QString UhrSetzenBefehl;
    QString MessungAbbrechenBefehl;
    QString GeraeteZustandBefehl;
    QString GeraeteInformationLesenBefehl;
    QString AuftragSendenBefehl;
    QString DatenLesenBefehl;
    QString SpeicherTestBefehl;
    QString SpeicherLeerenBefehl;
    quint8 Parity = 0;
    quint8 DatenBits = 0;
    quint8 StopBits = 0;
    bool AutoStart = false;
    bool AutoAus = false;
    qint32 Wartezeit = 0; // milliseconds
    qint32 Baud = 0;
    QVector<bool> AuftragFormFlags;
    QVector<bool> AuftragSendFlags;
    QVector<bool> MessungEmpfFlags;

    bool operator==(const TGeraet&) const = default;
};
