#pragma once

#include "graph/TColor.h"

#include <QString>

// The settings of one axis of a graph (left, bottom or right).
struct TAchse {
    QString Titel; // without unit
    double Minimum = 0;
    double Maximum = 0;
    bool MinMaxAutomatik = false; // the chart chooses minimum and maximum from the data
    double Gitterabstand = 0;     // distance between grid lines and labels
    double GitterAnzahl = 0;      // kept, stored and edited, but not used to draw
    quint8 Gitterstil = 0;        // line style value (Stilnamen::LinienstilText)
    bool GitterAutomatik = false; // the chart chooses the grid distance
    TColor Gitterfarbe = 0;
    QString Einheit; // name of an entry of the units list, or empty

    bool operator==(const TAchse&) const = default;
};
