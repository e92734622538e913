// The read-out texts: numbers as precise as the axis span calls for, dates in the user's
// format and differences of times as durations.
#include "graph/Ablesung.h"
#include "shell/DatumZeit.h"

#include <gtest/gtest.h>

#include <limits>

TEST(Ablesung, NumbersCarryTheDecimalsTheSpanCallsFor) {
    struct TFall {
        const char* Name;
        double Wert, Spanne;
        const char* Text;
    };
    const TFall faelle[] = {
        {"span 100", 23.456789123456, 100, "23.5"},
        {"span 1", 0.123456789, 1, "0.123"},
        {"span 0.001", 1.0000123456, 0.001, "1.000012"},
        {"span 100000", 12345.678, 1e5, "12346"},
        {"negative", -7.25, 10, "-7.25"},
        {"rounds to zero without a sign", -0.0004, 1, "0.000"},
        {"huge magnitude", 1.5e20, 1e20, "1.5e+20"},
        {"zero span", 2.5, 0, "2.500000"},
        {"not a number", std::numeric_limits<double>::quiet_NaN(), 1, "nan"},
    };
    for (const TFall& f : faelle) {
        SCOPED_TRACE(f.Name);
        EXPECT_EQ(Ablesung::Zahl(f.Wert, f.Spanne), QString::fromUtf8(f.Text));
    }
}

TEST(Ablesung, TimeDifferencesReadAsDurations) {
    const double s = 1.0 / 86400;
    struct TFall {
        const char* Name;
        double Tage, Spanne;
        const char* Text;
    };
    const TFall faelle[] = {
        {"whole seconds when the span is days", 1 + (5 * 3600 + 3 * 60 + 10.4) * s, 2,
         "1 d 05:03:10"},
        {"tenths when the span is minutes", (5 * 3600 + 3 * 60 + 10.5) * s, 60 * s, "05:03:10.5"},
        {"milliseconds at most", 1.2346 * s, 0.001 * s, "00:00:01.235"},
        {"negative", -(90 * s), 3600 * s, "-00:01:30"},
        {"zero", 0, 1, "00:00:00"},
        {"59.96 s rounds up to the minute", 59.96 * s, 3600 * s, "00:01:00"},
        {"hundredths when the span is a minute", 59.96 * s, 60 * s, "00:00:59.96"},
        {"several days", 12 + 0.5, 30, "12 d 12:00:00"},
    };
    for (const TFall& f : faelle) {
        SCOPED_TRACE(f.Name);
        EXPECT_EQ(Ablesung::Dauer(f.Tage, f.Spanne), QString::fromUtf8(f.Text));
    }
    // The example of the user guide: a span of minutes shows tenths.
    EXPECT_EQ(Ablesung::Dauer(1 + (5 * 3600 + 3 * 60 + 10.5) * s, 100 * s),
              QStringLiteral("1 d 05:03:10.5"));
}

TEST(Ablesung, DateAxisShowsTheUsersFormatAndNumberAxisANumber) {
    const double t = *DatumZeit::Kodieren({2025, 2, 3, 10, 20, 30, 500});
    const QString muster = QStringLiteral("dd.MM.yyyy HH:mm:ss.zzz");
    EXPECT_EQ(Ablesung::Wert(t, 1, true, muster), QStringLiteral("03.02.2025 10:20:30.500"));
    EXPECT_EQ(Ablesung::Wert(t, 1, true, QStringLiteral("yyyy-mm-dd hh:nn")),
              QStringLiteral("2025-02-03 10:20"));
    EXPECT_EQ(Ablesung::Wert(2.5, 10, false, muster), QStringLiteral("2.50"));
    // Outside the calendar a date axis still says something.
    EXPECT_EQ(Ablesung::Wert(1e9, 10, true, muster), QStringLiteral("1000000000.00"));
    EXPECT_EQ(Ablesung::Differenz(0.5, 1, true), QStringLiteral("12:00:00"));
    EXPECT_EQ(Ablesung::Differenz(0.5, 1, false), QStringLiteral("0.500"));
    EXPECT_EQ(Ablesung::Zeile(QStringLiteral("T"), QStringLiteral("1.5"), QStringLiteral("°C")),
              QStringLiteral("T=1.5 °C"));
    EXPECT_EQ(Ablesung::Zeile(QStringLiteral("T"), QStringLiteral("1.5"), QString()),
              QStringLiteral("T=1.5"));
}
