#include "shell/KommaText.h"
#include "shell/Zahlen.h"

#include <gtest/gtest.h>

namespace {

TEST(Zahlen, GeneralFormatWithFifteenDigits) {
    struct Fall {
        double Wert;
        const char* Text;
    };
    const Fall faelle[] = {
        {1, "1"},
        {0.001, "0.001"},
        {0.0001, "0.0001"},
        {1e-5, "1E-5"},
        {-2.25, "-2.25"},
        {0, "0"},
        {123456789012345.0, "123456789012345"},
        {1234567890123456.0, "1.23456789012346E15"},
        {1.5e20, "1.5E20"},
        {0.1 + 0.2, "0.3"},
        {1.0 / 3.0, "0.333333333333333"},
        {4294967294.0, "4294967294"},
        {-1.25e-7, "-1.25E-7"},
    };
    for (const Fall& f : faelle) {
        EXPECT_EQ(Zahlen::GleitzahlText(f.Wert), QLatin1String(f.Text)) << f.Text;
    }
}

TEST(Zahlen, ReadingFloatsUsesThePointOnly) {
    struct Fall {
        const char* Text;
        std::optional<double> Wert;
    };
    const Fall faelle[] = {
        {"2.5", 2.5},  {"+2.5", 2.5},   {" -1E-5 ", -1e-5}, {"1e10", 1e10}, {".5", 0.5},
        {"5.", 5.0},   {"2,5", {}},     {"", {}},           {"abc", {}},    {"1e", {}},
        {"inf", {}},   {"1e999", {}},   {"--1", {}},        {"1 2", {}},
    };
    for (const Fall& f : faelle) {
        EXPECT_EQ(Zahlen::GleitzahlLesen(QLatin1String(f.Text)), f.Wert) << f.Text;
    }
}

TEST(Zahlen, ReadingIntegersAcceptsDecimalAndHexadecimal) {
    struct Fall {
        const char* Text;
        std::optional<qint32> Wert;
    };
    const Fall faelle[] = {
        {"12", 12},           {"  -7", -7},         {"+3", 3},
        {"$ff", 255},         {"0x1A", 26},         {"$FFFFFFFF", -1},
        {"2147483647", 2147483647}, {"2147483648", {}}, {"-2147483648", -2147483647 - 1},
        {"12 ", {}},          {"1.0", {}},          {"", {}},
        {"$", {}},            {"0x", {}},           {"abc", {}},
    };
    for (const Fall& f : faelle) {
        EXPECT_EQ(Zahlen::GanzzahlLesen(QLatin1String(f.Text)), f.Wert) << f.Text;
    }
}

TEST(KommaText, SplitsLikeTheOldRuntime) {
    struct Fall {
        const char* Text;
        QStringList Felder;
    };
    const Fall faelle[] = {
        {"dig,1,0,Digit", {"dig", "1", "0", "Digit"}},
        {"a,,b", {"a", "", "b"}},
        {"a,", {"a", ""}},
        {"deg C,1,0,K", {"deg", "C", "1", "0", "K"}},
        {"\"deg C\",1,0,K", {"deg C", "1", "0", "K"}},
        {"\"a\"\"b\",2", {"a\"b", "2"}},
        {"  x , y ", {"x", "y"}},
        {"", {}},
        {",1", {"", "1"}},
    };
    for (const Fall& f : faelle) {
        EXPECT_EQ(KommaTextZerlegen(QLatin1String(f.Text)), f.Felder) << f.Text;
    }
}

} // namespace
