#include "measurement/Zeitstempel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace {

double EinzelnAddiert(double t, double periode, quint64 schritte) {
    for (quint64 k = 0; k < schritte; ++k) {
        t += periode;
    }
    return t;
}

// The fast count must give the very bits of adding one period after the other, whatever
// the magnitude, across powers of two, for periods halfway between two grid steps, for
// negative times and for periods too small to change the time.
TEST(ZeitFortschreiben, SameBitsAsAddingStepByStep) {
    const struct {
        const char* Name;
        double Start;
        double Periode;
        quint64 Schritte;
    } faelle[] = {
        {"a day of 100 Hz in 2024", 45418.25, 1.0 / (100.0 * 86400.0), 8640000},
        {"1 kHz across 2^16 days", 65535.9, 1.0 / (1000.0 * 86400.0), 3000000},
        {"slow clock, large steps", 1.0, 1.0 / (1.0 / 4294967295.0 * 86400.0), 100000},
        {"from zero through many powers of two", 0.0, 1e-9, 2000000},
        {"negative times up through zero", -0.5, 3e-7, 3000000},
        {"period exactly half a grid step", 32768.0, std::ldexp(1.0, -38), 1000000},
        {"period one and a half grid steps", 32768.0 + std::ldexp(1.0, -37),
         3 * std::ldexp(1.0, -38), 1000000},
        {"period below half a grid step", 40000.0, std::ldexp(1.0, -40), 1000000},
        {"no steps", 45000.0, 1e-5, 0},
        {"one step", 45000.0, 1e-5, 1},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.Name);
        const double erwartet = EinzelnAddiert(f.Start, f.Periode, f.Schritte);
        const double schnell = ZeitFortschreiben(f.Start, f.Periode, f.Schritte);
        EXPECT_EQ(std::memcmp(&erwartet, &schnell, sizeof(double)), 0)
            << erwartet << " != " << schnell;
    }
}

TEST(ZeitFortschreiben, NonFiniteTimesStayAsTheyAre) {
    EXPECT_TRUE(std::isnan(ZeitFortschreiben(std::nan(""), 1e-5, 1000)));
    EXPECT_EQ(ZeitFortschreiben(INFINITY, 1e-5, 1000), INFINITY);
}

} // namespace
