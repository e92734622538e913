// Reading the instrument's replies, from byte arrays.
#include "device/GeraetAntworten.h"
#include "shell/DatumZeit.h"

#include <gtest/gtest.h>

namespace GA = GeraetAntworten;

namespace {

double Jetzt() {
    return *DatumZeit::Kodieren({2024, 6, 1, 10, 0, 0});
}

TEST(GeraetAntworten, WaitingTimeInTicks) {
    EXPECT_EQ(GA::WarteTicks(5000), 90); // 4950 ms
    EXPECT_EQ(GA::WarteTicks(56), 1);
    EXPECT_EQ(GA::WarteTicks(55), 0);
    EXPECT_EQ(GA::WarteTicks(0), 0);
    EXPECT_EQ(GA::WarteTicks(-1000), -18);
}

TEST(GeraetAntworten, ResetNeedsEchoAndTheTypeName) {
    EXPECT_TRUE(GA::ResetPruefen("R01TypA\r\n", "R01", "TypA"));
    EXPECT_FALSE(GA::ResetPruefen("R01TypA\r\n", "R01", "TypB"));
    EXPECT_FALSE(GA::ResetPruefen("R01TypA\n", "R01", "TypA"));
    EXPECT_FALSE(GA::ResetPruefen("xR01TypA\r\n", "R01", "TypA"));
}

TEST(GeraetAntworten, ClockReply) {
    const auto wert = GA::UhrLesen("U0112:30:45 24.12.02\r\n", Jetzt());
    ASSERT_TRUE(wert);
    EXPECT_EQ(GA::StandardDatumZeit(*wert), QStringLiteral("24.12.2002 12:30:45"));
    EXPECT_EQ(GA::UhrSetzenText(*wert), QStringLiteral("12:30:45 24.12.02"));
    struct TFall {
        const char* Name;
        const char* Antwort;
    };
    const TFall faelle[] = {
        {"hour 25", "U0125:30:45 24.12.02\r\n"},
        {"day 32", "U0112:30:45 32.12.02\r\n"},
        {"no digits", "U01##:##:## ##.##.##\r\n"},
        {"cut off after the minutes", "U0112:30\r\n"},
        {"empty", ""},
        // Found by the fuzzer: a one-digit month and a three-digit year read as a date, which
        // then came out as a different text.
        {"one-digit month, three-digit year", "U0112:34:56 06.5.204\r"},
        {"one-digit hour", "U012:34:56  06.05.24\r\n"},
        {"blank in the year", "U0112:34:56 06.05. 4\r\n"},
    };
    for (const TFall& f : faelle) {
        SCOPED_TRACE(f.Name);
        EXPECT_FALSE(GA::UhrLesen(f.Antwort, Jetzt())) << f.Antwort;
    }
}

TEST(GeraetAntworten, StatusDigitsBecomeTheHalvesOfTheByte) {
    struct TFall {
        const char* Antwort;
        int Byte; // -1: no number
    };
    const TFall faelle[] = {
        {"Z01:05\r\n", 5}, {"Z01:12\r\n", 0x12}, {"Z01:99\r\n", 0x99}, {"Z01:00\r\n", 0},
        {"Z01:5\r\n", -1}, {"Z01:ab\r\n", -1},   {"Z01:-1\r\n", -1},   {"Z01:", -1},
    };
    for (const TFall& f : faelle) {
        const auto b = GA::ZustandLesen(f.Antwort, "Z01");
        if (f.Byte < 0) {
            EXPECT_FALSE(b) << f.Antwort;
        } else {
            ASSERT_TRUE(b) << f.Antwort;
            EXPECT_EQ(*b, f.Byte) << f.Antwort;
        }
    }
}

TEST(GeraetAntworten, ByteCountFromTheFirstBlock) {
    const QByteArray kopf("\x01\x01\xFE", 3);
    EXPECT_EQ(GA::DatenAnzahl(kopf + QByteArray("\x10\x27\x00\x00", 4)), 10000);
    EXPECT_EQ(GA::DatenAnzahl(kopf + QByteArray("\xFF\xFF\xFF\x7F", 4)), 0x7FFFFFFF);
    EXPECT_FALSE(GA::DatenAnzahl(kopf + QByteArray("\x00\x00\x00\x80", 4)));
    EXPECT_FALSE(GA::DatenAnzahl(kopf + QByteArray("\x10\x27\x00", 3)));
}

} // namespace
