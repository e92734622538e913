#pragma once

// What the chart benchmarks share: the best time of several rounds, and a long measured
// curve (one point a second from 6 May 2024, a slow wave with a fast ripple).
#include "graph/TKurve.h"

#include <QElapsedTimer>
#include <algorithm>
#include <cmath>
#include <functional>

namespace BenchKurven {

// The shortest of `runden` runs of `f`, in milliseconds.
inline double Bestzeit(int runden, const std::function<void()>& f) {
    double beste = 1e300;
    for (int i = 0; i < runden; ++i) {
        QElapsedTimer uhr;
        uhr.start();
        f();
        beste = std::min(beste, uhr.nsecsElapsed() / 1e6);
    }
    return beste;
}

inline TKurve Messkurve(qsizetype n) {
    TKurve k;
    k.Name = QStringLiteral("Druck");
    k.Sichtbar = true;
    k.LinieSichtbar = true;
    k.Linienbreite = 1;
    k.Linienfarbe = 0x000080;
    k.Werte[0].resize(n);
    k.Werte[1].resize(n);
    for (qsizetype j = 0; j < n; ++j) {
        k.Werte[0][j] = 45418.0 + j / 86400.0;
        k.Werte[1][j] = 30 + 8 * std::sin(j / 5000.0) + 3 * std::sin(j / 37.0);
    }
    return k;
}

} // namespace BenchKurven
