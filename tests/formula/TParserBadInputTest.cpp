// Any text as a formula ends in a compiled formula or one of the evaluator's errors.
#include "formula/EMathError.h"
#include "formula/EMathParserError.h"
#include "formula/TParser.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Repeat(const std::string& piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i)
        text += piece;
    return text;
}

std::string AllBytes() {
    std::string text;
    for (int c = 1; c < 256; ++c)
        text += static_cast<char>(c);
    return text;
}

const char FuzzMinusRuns[] =
    "--X*----------------------------------------------------------------------"
    "--3^44------------------------------------------------------------------3^"
    "44----------------------#-----------------------41.--20.X----*--*--0.-X---"
    "--------------------#-----------------------41.--20.X----*--*--0.-X----*"
    "\xad"
    "*\xdd"
    "-6";

struct Row {
    const char* Name;
    std::string Formula;
    std::string Outcome; // "value" or the error class
};

std::string Outcome(const std::string& formula) {
    TParser parser;
    parser.X = 1.5;
    try {
        parser.SetExpression(formula);
        (void)parser.Value();
        return "value";
    } catch (const EMathParserError& e) {
        return e.ClassName();
    } catch (const EMathError& e) {
        return e.ClassName();
    } catch (const ERangeError& e) {
        return e.ClassName();
    } catch (const EConvertError& e) {
        return e.ClassName();
    }
}

TEST(TParserBadInput, EndsInFormulaOrEvaluatorError) {
    const Row rows[] = {
        {"Empty", "", "value"},
        {"NulByte", std::string("X\0", 2), "ESyntaxError"},
        {"AllBytes", AllBytes(), "EExpressionHasBlanks"},
        {"HighBytes", "\xC3\x9C+\xFF", "ESyntaxError"},
        {"LongLiteral", "1." + Repeat("0", 100000) + "1", "value"},
        {"LongUnknownName", Repeat("Q", 100000), "ESyntaxError"},
        {"DeepBrackets", Repeat("(", 100000) + "X" + Repeat(")", 100000), "value"},
        {"DeepBracketsInvalid", Repeat("(", 100000) + "X+" + Repeat(")", 100000), "ESyntaxError"},
        {"DeepCalls", Repeat("SIN(", 20000) + "X" + Repeat(")", 20000), "EExpressionTooComplex"},
        {"LongRightChain", "X" + Repeat("+X", 100000), "EExpressionTooComplex"},
        {"LongLeftChain", "X" + Repeat("-X", 5000), "EExpressionTooComplex"},
        {"LongChainOfProducts", "X" + Repeat("/X", 5000), "EExpressionTooComplex"},
        {"JuxtaposedBrackets", Repeat("(X+", 3000) + Repeat("X)", 3000), "ESyntaxError"},
        {"OperatorsOnly", Repeat("+-*/^", 20000), "ESyntaxError"},
        {"CommasOnly", "MAX(" + Repeat(",", 50000) + ")", "EExpressionTooComplex"},
        {"ManyCommasAndCalls", "MAX(" + Repeat("MIN(X,", 2000) + "X" + Repeat(")", 2000) + ")",
         "EExpressionTooComplex"},
        // Found by the fuzzer: runs of minus signs took seconds to be judged.
        {"FuzzRunsOfMinusSigns", std::string(FuzzMinusRuns, sizeof FuzzMinusRuns - 1),
         "ESyntaxError"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(Outcome(row.Formula), row.Outcome) << row.Name;
}

} // namespace
