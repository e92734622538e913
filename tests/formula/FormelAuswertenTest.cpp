// The eval command: output, error lines and exit codes.
#include "formula/FormelAuswerten.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

struct Row {
    std::vector<std::string> Args;
    int Code;
    std::string Out;
    std::string Err; // exact, or a prefix for usage errors (PrefixOnly)
    bool PrefixOnly = false;
};

TEST(FormelAuswertenCli, PrintsValueOrErrorWithExitCode) {
    const Row rows[] = {
        {{"2+3*4"}, 0, "14\n", ""},
        {{"0.1+0.2"}, 0, "0.30000000000000004\n", ""},
        {{"X*y", "x=2", "Y=3.5"}, 0, "7\n", ""},
        {{"NEU*2", "neu=-4"}, 0, "-8\n", ""},
        {{"X", "X=+1e3"}, 0, "1000\n", ""},
        // Compile errors name their place in the formula as given (index from 0).
        {{"X + 1"}, 2, "", "EExpressionHasBlanks: Expression has blanks\nStelle 1: \" \"\n"},
        {{"  X + 1"}, 2, "", "EExpressionHasBlanks: Expression has blanks\nStelle 3: \" \"\n"},
        {{"Q+1"}, 2, "", "ESyntaxError: Error parsing expression:\\rQ\\r1\nStelle 1: \"+\"\n"},
        {{"q"}, 2, "", "ESyntaxError: Error parsing expression:\\rQ\nStelle 0: \"q\"\n"},
        {{"(X"},
         2,
         "",
         "EMissMatchingBracket: Missing brackets in expression (\")\")\nStelle 0: \"(\"\n"},
        {{"(X)+(X"},
         2,
         "",
         "EMissMatchingBracket: Missing brackets in expression (\")\")\nStelle 4: \"(\"\n"},
        {{"X)*2"},
         2,
         "",
         "EMissMatchingBracket: Missing brackets in expression (\"(\")\nStelle 1: \")\"\n"},
        {{"X^1E10"}, 2, "", "ERangeError: Exponent außerhalb des Bereichs: 1E10\n"},
        {{"X", "1X=3"}, 2, "", "EBadName: 1X\n"},
        {{"X", "X=abc"}, 2, "", "EConvertError: 'abc' ist kein gültiger Gleitkommawert\n"},
        {{"X", "X=nan"}, 2, "", "EConvertError: 'nan' ist kein gültiger Gleitkommawert\n"},
        {{"1/X", "X=0"}, 3, "", "EZeroDivide: Gleitkommadivision durch Null\n"},
        {{"7DIV0"}, 3, "", "EDivByZero: Ganzzahldivision durch Null\n"},
        {{}, 1, "", "Aufruf: eval", true},
        {{"X", "X"}, 1, "", "Aufruf: eval", true},
        {{"X", "=3"}, 1, "", "Aufruf: eval", true},
    };
    for (const Row& row : rows) {
        std::ostringstream out;
        std::ostringstream err;
        const int code = FormelAuswertenCli(row.Args, out, err);
        const std::string label = row.Args.empty() ? "(none)" : row.Args[0];
        EXPECT_EQ(code, row.Code) << label;
        EXPECT_EQ(out.str(), row.Out) << label;
        if (row.PrefixOnly)
            EXPECT_EQ(err.str().rfind(row.Err, 0), 0u) << label << ": " << err.str();
        else
            EXPECT_EQ(err.str(), row.Err) << label;
    }
}

} // namespace
