#include "graph/KurveBerechnen.h"
#include "app/TAnwendung.h"
#include "formula/TParser.h"
#include "shell/TSkriptBenutzer.h"

#include <gtest/gtest.h>

namespace {

TMessreihe Reihe(int kanal, QVector<double> t, QVector<double> y, const QString& name = "R") {
    TMessreihe r;
    r.Aktiv = 1;
    r.Kanal = quint8(kanal);
    r.Anzahl = quint32(t.size());
    r.Messkonstante = 1;
    r.Name = name;
    r.Messwerte = {t, y};
    return r;
}

// Series 0..n-1 with Kanal = index, plus the series to compute at the end.
class KurveBerechnenTest : public ::testing::Test {
protected:
    int Rechne(const QString& name, double nullwert = 0, double konstante = 1) {
        TMessreihe s;
        s.Aktiv = 1;
        s.Kanal = quint8(M.Messreihen.size());
        s.Name = name;
        s.Nullwert = nullwert;
        s.Messkonstante = konstante;
        M.Messreihen.append(s);
        const int k = int(M.Messreihen.size() - 1);
        Ergebnis = KurveBerechnen(App, Parser, k, M);
        return k;
    }
    const TMesswerte& Werte(int k) const { return M.Messreihen[k].Messwerte; }

    TSkriptBenutzer Benutzer;
    TAnwendung App{Benutzer};
    TParser Parser;
    TMessDatei M;
    TErgebnis Ergebnis;
};

TEST(Berechnungsformel, References) {
    struct TFall {
        const char* Formel;
        std::optional<QVector<int>> Bezuege;
    };
    const TFall faelle[] = {
        {"M0+M1", QVector<int>{0, 1}},  {"M12/M3*M12", QVector<int>{12, 3, 12}},
        {"2*M01", QVector<int>{1}}, // the number is 1, the variable is named M1
        {"IGR(M2)", QVector<int>{2}},   {"m1+2", QVector<int>{}}, // lower case is no reference
        {"2*M", QVector<int>{}}, // an M at the very end starts nothing
        {"M1M2", std::nullopt},  // two references need a character between them
        {"MAX(M1;2)", std::nullopt},    {"M+1", std::nullopt},
        {"M99999999999", std::nullopt},
    };
    for (const TFall& f : faelle) {
        QString fehler;
        EXPECT_EQ(Berechnungsformel::Bezuege(QLatin1String(f.Formel), &fehler), f.Bezuege)
            << f.Formel;
        EXPECT_EQ(fehler.isEmpty(), f.Bezuege.has_value()) << f.Formel;
    }
    EXPECT_EQ(Berechnungsformel::Formel("Summe=M0+M1"), QStringLiteral("M0+M1"));
    EXPECT_EQ(Berechnungsformel::Formel("a=b=M1"), QStringLiteral("b=M1"));
    EXPECT_EQ(Berechnungsformel::Formel("M1*2"), QStringLiteral("M1*2"));
}

TEST_F(KurveBerechnenTest, SumOfTwoSeriesWithOffsetAndFactor) {
    M.Messreihen = {Reihe(0, {1, 2, 3, 4, 5}, {10, 20, 30, 40, 50}),
                    Reihe(1, {1.5, 2.5, 3.5, 4.5, 5.5}, {1, 2, 3, 4, 5})};
    const int k = Rechne("Summe=M0+M1", 1, 2);
    ASSERT_TRUE(Ergebnis);
    EXPECT_EQ(Werte(k)[0], (QVector<double>{1, 2, 3, 4})); // times of series 0, last unused
    EXPECT_EQ(Werte(k)[1], (QVector<double>{24, 46, 68, 90}));
    EXPECT_TRUE(Benutzer.Nummern().isEmpty());
}

TEST_F(KurveBerechnenTest, IntegralIsARunningSumOverDays) {
    M.Messreihen = {Reihe(0, {}, {}), Reihe(1, {}, {}), Reihe(2, {0, 0.5, 1.5}, {1, 1, 1})};
    const int k = Rechne("Flaeche=IGR(M2)");
    ASSERT_TRUE(Ergebnis);
    EXPECT_EQ(Werte(k)[0], (QVector<double>{0, 0.5}));
    EXPECT_EQ(Werte(k)[1], (QVector<double>{0, 0.5}));

    // With offset and factor: first value Nullwert*Messkonstante, then rectangles.
    const int k2 = Rechne("igr(M2)", 1, 3);
    ASSERT_TRUE(Ergebnis);
    EXPECT_EQ(Werte(k2)[1], (QVector<double>{3, 3 + (1 + 1) * 3 * 0.5}));
}

TEST_F(KurveBerechnenTest, UnusableReferencesComputeNothing) {
    struct TFall {
        const char* Formel;
        QVector<double> Werte; // empty: nothing computed
    };
    const TFall faelle[] = {
        {"M5*2", {}},            // no series 5
        {"M0+M1", {}},           // series 1 has fewer measurements than series 0
        {"M1+M0", {5, 5, 5, 5}}, // the first reference decides the length
        {"3*2", {}},             // no reference at all
        {"M0+M2", {}},           // series 2 claims 10 measurements but holds only 3
        {"M2+1", {2, 3}},        // as the first reference its real rows decide the length
    };
    for (const TFall& f : faelle) {
        M.Messreihen = {Reihe(0, QVector<double>(10, 1), QVector<double>(10, 2)),
                        Reihe(1, QVector<double>(5, 1), QVector<double>(5, 3)),
                        Reihe(2, {1, 2, 3}, {1, 2, 3})};
        M.Messreihen[2].Anzahl = 10;
        const int k = Rechne(QLatin1String(f.Formel));
        ASSERT_TRUE(Ergebnis) << f.Formel;
        EXPECT_EQ(Werte(k)[1], f.Werte) << f.Formel;
        EXPECT_EQ(Werte(k)[0].size(), f.Werte.size()) << f.Formel;
    }
    EXPECT_TRUE(Benutzer.Nummern().isEmpty());
}

TEST_F(KurveBerechnenTest, SeriesComputedEarlierCanBeReferenced) {
    // Anzahl of a computed series is 0 although it holds points; its rows decide.
    M.Messreihen = {Reihe(0, {1, 2, 3, 4}, {1, 2, 3, 4})};
    const int a = Rechne("A=M0*10");
    M.Messreihen[a].Anzahl = 0;
    const int b = Rechne("B=M1+1");
    ASSERT_TRUE(Ergebnis);
    EXPECT_EQ(Werte(a)[1], (QVector<double>{10, 20, 30}));
    EXPECT_EQ(Werte(b)[1], (QVector<double>{11, 21}));
}

TEST_F(KurveBerechnenTest, ShortOrEmptyFirstSeriesGivesAnEmptyResult) {
    M.Messreihen = {Reihe(0, {7}, {1}), Reihe(1, {}, {})};
    const int k = Rechne("M0*2");
    ASSERT_TRUE(Ergebnis);
    EXPECT_TRUE(Werte(k)[0].isEmpty());
    const int k2 = Rechne("IGR(M1)");
    ASSERT_TRUE(Ergebnis);
    EXPECT_TRUE(Werte(k2)[0].isEmpty() && Werte(k2)[1].isEmpty());
}

TEST_F(KurveBerechnenTest, RefusedFormulaShowsMessage35AndGivesTheOffsetOnly) {
    // A syntax error, an exponent out of range and an unreadable number are all refused by
    // the compiler; none of them may escape as an exception.
    for (const char* formel : {"M0+*2", "M0^1E10", "M0*1.5E99999"}) {
        SCOPED_TRACE(formel);
        TSkriptBenutzer benutzer;
        TAnwendung app{benutzer};
        M.Messreihen = {Reihe(0, {1, 2, 3}, {1, 2, 3})};
        TMessreihe s;
        s.Name = QStringLiteral("Falsch=") + QLatin1String(formel);
        s.Kanal = 1;
        s.Nullwert = 2;
        s.Messkonstante = 3;
        M.Messreihen.append(s);
        const TErgebnis e = KurveBerechnen(app, Parser, 1, M);
        ASSERT_TRUE(e);
        EXPECT_EQ(benutzer.Nummern(), (QList<int>{35}));
        ASSERT_FALSE(benutzer.Gezeigt.isEmpty());
        EXPECT_TRUE(benutzer.Gezeigt[0].Text.contains(QLatin1String(formel)));
        EXPECT_EQ(Werte(1)[1], (QVector<double>{6, 6}));
    }
}

TEST_F(KurveBerechnenTest, BrokenReferenceAndArithmeticErrorFailWithoutChange) {
    M.Messreihen = {Reihe(0, {1, 2, 3}, {1, 0, 3})};
    for (const char* formel : {"M0+MAX(1;2)", "1/M0"}) {
        TMessreihe s;
        s.Name = QLatin1String(formel);
        s.Kanal = 1;
        s.Messkonstante = 1;
        s.Messwerte = {QVector<double>{9}, QVector<double>{9}};
        M.Messreihen.resize(1);
        M.Messreihen.append(s);
        const TErgebnis e = KurveBerechnen(App, Parser, 1, M);
        EXPECT_FALSE(e) << formel;
        EXPECT_FALSE(e.Meldung.isEmpty()) << formel;
        EXPECT_EQ(Werte(1)[0], (QVector<double>{9})) << formel;
    }
}

} // namespace
