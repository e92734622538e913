#include "CliLauf.h"

#include <gtest/gtest.h>

namespace {

TEST(CliEval, PrintsTheValueOrTheErrorWithItsExitCode) {
    TCliHeim heim;
    const TCliLauf wert = heim.Lauf({"eval", "2*x+1", "x=3"});
    EXPECT_EQ(wert.Ergebnis, 0);
    EXPECT_EQ(wert.Ausgabe, "7\n");
    const TCliLauf syntax = heim.Lauf({"eval", "2+"});
    EXPECT_EQ(syntax.Ergebnis, 2);
    EXPECT_TRUE(syntax.Fehler.contains("ESyntaxError: ")) << syntax.Fehler.toStdString();
    const TCliLauf null = heim.Lauf({"eval", "1/x", "x=0"});
    EXPECT_EQ(null.Ergebnis, 3);
    EXPECT_TRUE(null.Ausgabe.isEmpty());
    EXPECT_EQ(heim.Lauf({"eval"}).Ergebnis, 1);
}

} // namespace
