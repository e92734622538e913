// The cycle schedule of the measurement reader: which cycles are visited, which carry a
// stamp and which series store in them, in their order.
#include "measurement/TTaktPlan.h"

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>

namespace {

// The first `zyklen` visited cycles as "cycle:S:0,2" (S: an intermediate stamp).
QString Ablauf(const QVector<quint64>& abstaende, quint64 stempel, int zyklen) {
    TTaktPlan plan(abstaende, stempel);
    QStringList teile;
    for (int n = 0; n < zyklen; ++n) {
        plan.Weiter();
        QString teil = QString::number(plan.Takt()) + u':';
        if (plan.Stempel()) {
            teil += QStringLiteral("S:");
        }
        QStringList reihen;
        for (int i : plan.Faellige()) {
            reihen << QString::number(i);
        }
        teile << teil + reihen.join(u',');
    }
    return teile.join(u' ');
}

TEST(TTaktPlan, VisitsOnlyTheCyclesInWhichSomethingHappens) {
    const struct {
        const char* Name;
        QVector<quint64> Abstaende;
        quint64 Stempel;
        int Zyklen;
        const char* Erwartet;
    } faelle[] = {
        {"every cycle", {1, 1}, 0, 3, "1:0,1 2:0,1 3:0,1"},
        {"every cycle with a stamp every second", {1}, 2, 3, "1:0 2:S:0 3:0"},
        {"rare series skip cycles", {3, 5}, 0, 4, "3:0 5:1 6:0 9:0"},
        {"mixed keep the series order", {2, 1, 2}, 0, 2, "1:1 2:0,1,2"},
        {"a stamp alone is a cycle", {4}, 3, 4, "3:S: 4:0 6:S: 8:0"},
        {"two series due together", {2, 2}, 0, 2, "2:0,1 4:0,1"},
        {"nothing but stamps", {}, 5, 2, "5:S: 10:S:"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.Name);
        EXPECT_EQ(Ablauf(f.Abstaende, f.Stempel, f.Zyklen).toStdString(), f.Erwartet);
    }
}

TEST(TTaktPlan, SaysWhetherTheFirstSeriesStoresInTheStampedCycle) {
    // The reader asks before it walks the cycle: the data may end right after the stamp.
    TTaktPlan selten({2, 1}, 2);
    selten.Weiter(); // cycle 1: series 1 only
    EXPECT_FALSE(selten.ErsteFaellig());
    selten.Weiter(); // cycle 2: stamp, series 0 and 1
    EXPECT_TRUE(selten.Stempel());
    EXPECT_TRUE(selten.ErsteFaellig());

    TTaktPlan andere({3, 2}, 2);
    andere.Weiter(); // cycle 2: stamp and series 1
    EXPECT_TRUE(andere.Stempel());
    EXPECT_FALSE(andere.ErsteFaellig());
}

} // namespace
