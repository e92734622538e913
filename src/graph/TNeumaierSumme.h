#pragma once

#include <cmath>

// A running sum with Neumaier's compensation: the low-order bits that each addition loses
// are collected in a second term and added at the end, so that long sums of values of
// very different size keep their precision.
struct TNeumaierSumme {
    double Summe = 0;
    double Ausgleich = 0;

    void Addieren(double wert) {
        const double t = Summe + wert;
        if (std::fabs(Summe) >= std::fabs(wert)) {
            Ausgleich += (Summe - t) + wert;
        } else {
            Ausgleich += (wert - t) + Summe;
        }
        Summe = t;
    }
    double Wert() const { return Summe + Ausgleich; }
};
