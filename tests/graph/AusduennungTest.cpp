// Which points of a dense curve a still picture hands to the chart.
#include "graph/Ausduennung.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TKurve Kurve(QVector<double> x, QVector<double> y) {
    TKurve k;
    k.Werte = {x, y};
    return k;
}

// Columns one unit wide, starting at whole numbers.
Ausduennung::TSpalten Einheitsspalten(qsizetype mindestens = 0) {
    Ausduennung::TSpalten s;
    s.Ende = [](double x) { return std::floor(x) + 1; };
    s.Mindestens = [mindestens](double, double) { return mindestens; };
    return s;
}

} // namespace

TEST(Ausduennung, KeepsFirstSmallestLargestAndLastOfEachColumn) {
    struct TFall {
        const char* Name;
        TKurve Kurve;
        double Von, Bis;
        qsizetype Mindestens;
        QVector<qsizetype> Erwartet;
    } const faelle[] = {
        {"one column of eight",
         Kurve({0, .1, .2, .3, .4, .5, .6, .7}, {5, 3, 9, 1, 7, 4, 6, 2}),
         0,
         1,
         0,
         {0, 2, 3, 7}},
        {"a rising column keeps its ends, a column of one its point",
         Kurve({0, .5, .6, 1.5}, {1, 2, 3, 4}),
         0,
         2,
         0,
         {0, 2, 3}},
        {"spike of one sample between columns",
         Kurve({0, .2, .4, .6, .8, 1, 1.2, 1.4, 1.6, 1.8}, {0, 0, 0, 0, 0, 0, 0, 50, 0, 0}),
         0,
         2,
         0,
         {0, 4, 5, 7, 9}},
        {"only the nearest point on either side of the range",
         Kurve({-9, -8, -7, 0, .5, 7, 8, 9}, {1, 2, 3, 4, 5, 6, 7, 8}),
         0,
         1,
         0,
         {2, 3, 4, 5}},
        {"filled up evenly to the least number",
         Kurve({0, .1, .2, .3, .4, .5, .6, .7, .8, .9}, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}),
         0,
         1,
         6,
         {0, 1, 3, 5, 7, 9}},
        {"no points", Kurve({}, {}), 0, 1, 0, {}},
    };
    for (const TFall& f : faelle) {
        SCOPED_TRACE(f.Name);
        EXPECT_EQ(Ausduennung::Indizes(f.Kurve, f.Von, f.Bis, Einheitsspalten(f.Mindestens)),
                  f.Erwartet);
    }
}
