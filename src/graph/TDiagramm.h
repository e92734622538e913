#pragma once

#include "graph/TAchse.h"
#include "graph/TColor.h"
#include "graph/TKurve.h"

#include <QString>
#include <QVector>

// The content of one graph window: what the graph file stores, what the measurement import
// and the calculated curves fill and what the configuration keeps as the defaults for new
// graphs. A plain value: copying it copies every curve and point.
struct TDiagramm {
    QString Titel;
    QString Fusszeile;
    bool Legende = false;
    TColor Rahmenfarbe = 0;      // panel around the plot area
    TColor Hintergrundfarbe = 0; // plot area
    TColor Schriftfarbe = 0;     // title, footer, axis titles and labels
    TAchse AchseLinks;
    TAchse AchseUnten; // X
    TAchse AchseRechts;
    QVector<TKurve> Kurven; // drawing and legend order
    // Smallest X met when the curves were last read from a graph file or imported from a
    // measurement; derived, never stored in the file. The date/time switch uses it.
    double XMin = 0;
    double Marker1X = 0;
    double Marker1YLinks = 0;
    double Marker1YRechts = 0;
    double Marker2X = 0;
    double Marker2YLinks = 0;
    double Marker2YRechts = 0;
    bool Marker1Sichtbar = false;
    bool Marker2Sichtbar = false;
    quint8 MarkerStil = 0; // line style value of both marker cross-hairs
    TColor MarkerFarbe = 0;
    bool DatumZeitAchse = false; // X values are TDateTime values, labelled as date and time

    bool operator==(const TDiagramm&) const = default;
};

// Deep copy of `quelle` into `ziel`, as the properties dialog hands its edited copy back:
// every field except XMin, which the target keeps.
void DiagrammKopieren(const TDiagramm& quelle, TDiagramm& ziel);
