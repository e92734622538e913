#pragma once

#include "graph/TKurve.h"
#include "graph/TKurvenStatistik.h"

#include <QVector>

// The figures of a curve between two X, made fast for moving markers: a curve whose shown X
// rise is cut into blocks of kBlock points, each summed once (count, extremes, first and
// last point, means and sums of squares around them, trapezoids). A range then takes its
// whole blocks from the summary and sums only the two partial blocks at its ends, so a
// marker move costs a few thousand points instead of all of them.
//
// The summary keeps a (shared) copy of the curve it was built from. Its figures are exactly
// those of Statistik::KurveAuswerten, which sums a sorted curve in the same blocks on the
// fly. A curve whose X do not rise has no blocks and is summed point by point.
class TKurvenSummen {
public:
    static constexpr qsizetype kBlock = 1024;

    // What one run of points (a block or a part of one) adds to the figures. Only points
    // whose shown X and Y are finite count.
    struct TBlock {
        qint64 N = 0;
        qsizetype Erster = -1; // index of the first and last point that counts
        qsizetype Letzter = -1;
        qsizetype MinIndex = -1; // first point holding the smallest / largest value
        qsizetype MaxIndex = -1;
        double Min = 0, Max = 0;
        double MittelX = 0, MittelY = 0;
        // Sums of squares and products of the deviations from the run's own means.
        double QX = 0, QY = 0, QXY = 0;
        // Twice the trapezoid area between neighbouring points of the run that both count.
        double Flaeche = 0;
        // Twice the trapezoid from the point before the run to its first point (0 when one
        // of the two does not count); added when that point is inside the range as well.
        double Anschluss = 0;
    };

    TKurvenSummen() = default;
    explicit TKurvenSummen(const TKurve& k);

    // Whether the summary was built from these values and factors (the values are shared
    // copy-on-write, so a changed curve no longer holds the same arrays).
    bool Passt(const TKurve& k) const;
    bool Aufsteigend() const { return FAufsteigend; }
    qsizetype Bloecke() const { return FBloecke.size(); }

    // The figures between `von` and `bis`, as Statistik::KurveAuswerten gives them.
    TKurvenStatistik Auswerten(double von, double bis, bool datumZeit) const;

    // The figures of points [anfang, ende) of a curve with rising X. `bloecke`: the
    // summary of that curve, or nullptr to sum the whole blocks on the fly.
    static TKurvenStatistik Bereich(const TKurve& k, qsizetype anfang, qsizetype ende,
                                    bool datumZeit, const QVector<TBlock>* bloecke);

private:
    TKurve FKurve;
    bool FAufsteigend = false;
    QVector<TBlock> FBloecke;
};
