#include "shell/DatumZeit.h"

#include <gtest/gtest.h>

namespace {

using namespace DatumZeit;

double Datum(int j, int m, int t, int h = 0, int n = 0, int s = 0, int z = 0) {
    return Kodieren({j, m, t, h, n, s, z}).value();
}

TEST(DatumZeit, CountsDaysFromTheZeroPoint) {
    EXPECT_EQ(Datum(1899, 12, 30), 0.0);
    EXPECT_EQ(Datum(1900, 1, 1), 2.0);
    EXPECT_EQ(Datum(2000, 1, 1), 36526.0);
    EXPECT_DOUBLE_EQ(Datum(2000, 1, 1, 12), 36526.5);
    EXPECT_DOUBLE_EQ(Datum(1899, 12, 29, 6), -1.25);
    EXPECT_EQ(Kodieren({2001, 2, 29, 0, 0, 0, 0}), std::nullopt);
    EXPECT_EQ(Kodieren({2001, 1, 1, 24, 0, 0, 0}), std::nullopt);
}

TEST(DatumZeit, DecodingRoundsToTheMillisecond) {
    const TTeile t = Zerlegen(Datum(2002, 12, 24, 12, 30, 45, 999));
    EXPECT_EQ(t.Jahr, 2002);
    EXPECT_EQ(t.Monat, 12);
    EXPECT_EQ(t.Tag, 24);
    EXPECT_EQ(t.Stunde, 12);
    EXPECT_EQ(t.Minute, 30);
    EXPECT_EQ(t.Sekunde, 45);
    EXPECT_EQ(t.Millisekunde, 999);
    // Just short of midnight rounds up into the next day.
    const TTeile m = Zerlegen(Datum(2002, 12, 24) + 0.9999999999);
    EXPECT_EQ(m.Tag, 25);
    EXPECT_EQ(m.Stunde, 0);
    const TTeile v = Zerlegen(-1.25);
    EXPECT_EQ(v.Tag, 29);
    EXPECT_EQ(v.Stunde, 6);
}

TEST(DatumZeit, FormatsThePatternsOfTheConfiguration) {
    const double w = Datum(2003, 4, 5, 6, 7, 8, 9);
    struct Fall {
        const char* Muster;
        const char* Text;
    };
    const Fall faelle[] = {
        {"dd.MM.yyyy HH:mm:ss.zzz", "05.04.2003 06:07:08.009"},
        {"HH:mm:ss", "06:07:08"},
        {"dd.MM.yy", "05.04.03"},
        {"d.m.yyyy h:n:s.z", "5.4.2003 6:7:8.9"},
        {"hh:nn:ss dd.mm.yy", "06:07:08 05.04.03"},
        {"hh 'Uhr' mm", "06 Uhr 07"},
        {"dd/mm/yyyy", "05.04.2003"},
        {"ddd dddd mmm mmmm", "Sa Samstag Apr April"},
        {"\"m\"m", "m4"},
    };
    for (const Fall& f : faelle) {
        EXPECT_EQ(Formatieren(QString::fromUtf8(f.Muster), w), QString::fromUtf8(f.Text))
            << f.Muster;
    }
}

TEST(DatumZeit, ReadsByPatternWithTwoDigitYearsInTheCurrentCentury) {
    const double jetzt = Datum(2026, 12, 10);
    struct Fall {
        const char* Text;
        const char* Muster;
        std::optional<double> Wert;
    };
    const Fall faelle[] = {
        {"12:30:45 24.12.02", "hh:nn:ss dd.mm.yy", Datum(2002, 12, 24, 12, 30, 45)},
        {"05.04.2003 06:07:08.009", "dd.MM.yyyy HH:mm:ss.zzz", Datum(2003, 4, 5, 6, 7, 8, 9)},
        {"1.2.03", "dd.MM.yy", Datum(2003, 2, 1)},
        {"99", "yy", Datum(2099, 12, 30)}, // day and month stay at 30.12.
        {"12:30", "hh:nn", Datum(1899, 12, 30, 12, 30)},
        {"31.02.2003", "dd.MM.yyyy", std::nullopt},
        {"12:61", "hh:nn", std::nullopt},
        {"12-30", "hh:nn", std::nullopt},
        {"12:30 x", "hh:nn", std::nullopt},
        {"", "hh:nn", std::nullopt},
    };
    for (const Fall& f : faelle) {
        const auto wert = Lesen(QString::fromUtf8(f.Text), QString::fromUtf8(f.Muster), jetzt);
        if (f.Wert) {
            ASSERT_TRUE(wert.has_value()) << f.Text;
            EXPECT_NEAR(*wert, *f.Wert, 1e-9) << f.Text;
        } else {
            EXPECT_FALSE(wert.has_value()) << f.Text;
        }
    }
    EXPECT_EQ(Zerlegen(Lesen("01.01.03", "dd.mm.yy", jetzt).value()).Jahr, 2003);
    EXPECT_EQ(Zerlegen(Lesen("01.01.03", "dd.mm.yy", Datum(1999, 1, 1)).value()).Jahr, 1903);
}

} // namespace
