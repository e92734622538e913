#pragma once

#include <QString>
#include <QVector>

// One unit of measure: one `Name` equals `Faktor` units of `Bezug`.
struct TEinheiten {
    QString Name;
    QString Zeichen;
    double Faktor = 1.0;
    double Offset = 0.0; // stored, shown and edited, never used by a conversion
    QString Bezug;       // empty: the unit has no reference unit

    bool operator==(const TEinheiten&) const = default;
};

using TEinheitenListe = QVector<TEinheiten>;
