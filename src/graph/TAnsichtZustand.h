#pragma once

#include "graph/TDiagramm.h"

#include <QVector>
#include <array>
#include <optional>

// What a graph window shows beyond its document: the current limits of its three axes
// (changed by zoom, scroll and panning until the document takes them over), whether each axis
// fits itself to the data, and what the refresh command undoes. Plain values and plain
// functions, so the view can be worked out and tested without a window.
//
// Axis numbers: 0 left, 1 bottom, 2 right.
struct TAnsichtZustand {
    struct TBereich {
        double Min = -10;
        double Max = 10;
        double Spanne() const { return Max - Min; }
        bool operator==(const TBereich&) const = default;
    };

    std::array<TBereich, 3> Bereich{};
    std::array<bool, 3> Automatik{};
    // Zoom memory: the automatic flags a zoom switched off, which the refresh restores.
    bool Gezoomt = false;
    std::array<bool, 3> ZoomAutomatik{};
    // The data range of each curve on the axes it uses (shown values, NaN skipped), in
    // document order; worked out once whenever the curves change, not at every redraw.
    struct TKurvenBereich {
        std::optional<TBereich> X, Y;
        bool Steigend = true; // shown X never falls (Kurvenwerte::GezeigtSteigend)
    };
    QVector<TKurvenBereich> Kurven;

    // Limits and automatic flags as the document's axes give them (a minimum above its
    // maximum is swapped: the chart never sees one).
    void AchsenUebernehmen(const TDiagramm& d);
    // The data ranges of the document's curves, for Einpassen.
    void KurvenUebernehmen(const TDiagramm& d);
    // Axes that scale automatically fit the shown curves drawn against them; a single value
    // gets a span around it, since the conversions need one above zero.
    void Einpassen(const TDiagramm& d);
    // The range the shown curves of the document cover on axis `nummer`, if any.
    std::optional<TBereich> DatenBereich(const TDiagramm& d, int nummer) const;

    // Zoom by `prozent` around the current range on every axis (110: a tenth off each end,
    // 90: a tenth added); automatic scaling off, remembered for the refresh.
    void Zoomen(double prozent);
    // Both limits of axis `nummer` move by `versatz`; automatic scaling off.
    void Verschieben(int nummer, double versatz);
    // New limits for axis `nummer` alone (wheel, axis drag, going to a time); automatic
    // scaling off, remembered for the refresh.
    void AchseSetzen(int nummer, const TBereich& bereich);
    // Takes new limits for all three axes at once (the zoom rectangle).
    void Setzen(const std::array<TBereich, 3>& bereich);
    // Undoes the zoom, fits all three axes to the data and keeps the automatic flags.
    void Einpassen_Alle(const TDiagramm& d);
    // Writes the current limits and automatic flags into the document's axes: what the
    // window does before the properties dialog opens, in the refresh and in the date/time
    // switch. Titles, units and grids are the document's own and stay.
    void InsDiagramm(TDiagramm& d) const;

private:
    void ZoomMerken();
};
