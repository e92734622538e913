#pragma once

#include <QString>
#include <QtGlobal>

// A measurement job: who made it, how many measuring cycles, the spacing of intermediate
// time stamps (in cycles; 0 means none) and the start time.
struct TAuftrag {
    QString AuftragName;
    QString Firma;
    QString Abteilung;
    QString Bearbeiter;
    QString Kommentar;
    QString Nummer;
    quint8 AnzahlReihen = 0;
    quint32 AbstandZeitstempel = 0;
    quint32 MessTakte = 0;
    double Start = 0; // TDateTime

    bool operator==(const TAuftrag&) const = default;
};
