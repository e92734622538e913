#pragma once

#include <QString>
#include <cmath>
#include <optional>

// The figures of one curve between two X values, in the curve's shown form (the values the
// chart draws). A figure that is not defined for the range (no point, one point for the
// standard deviation, all points at one X for the slope, or a result that would not be a
// finite number) holds no value; nothing here is ever NaN or infinite.
struct TKurvenStatistik {
    qsizetype Kurve = -1; // index in the document's curves
    QString Name;
    bool AchseRechts = false;
    qint64 Anzahl = 0; // points inside the range
    std::optional<double> Minimum;
    std::optional<double> MinimumX; // shown X of the first point holding the minimum
    std::optional<double> Maximum;
    std::optional<double> MaximumX;
    std::optional<double> Mittelwert;
    std::optional<double> Standardabweichung; // sample form, divided by n - 1
    std::optional<double> RMS;
    std::optional<double> Erster; // first and last point inside the range, in point order
    std::optional<double> Letzter;
    std::optional<double> Differenz; // Letzter - Erster
    // Trapezoid rule over neighbouring points inside the range (no part of a segment beyond
    // the range is counted); X in seconds on a date/time axis, else in axis units.
    std::optional<double> Integral;
    // Slope of the least-squares line; per second on a date/time axis, else per axis unit.
    std::optional<double> Steigung;

    // A figure as kept here: a finite number, or none.
    static std::optional<double> Endlich(double wert) {
        if (std::isfinite(wert)) {
            return wert;
        }
        return std::nullopt;
    }
};
