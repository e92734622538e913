// The formula language's rules, one row per case: the value a formula gives or the error
// (class and exact text) it ends with.
#include "formula/EMathError.h"
#include "formula/EMathParserError.h"
#include "formula/TParser.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace {

constexpr double Pi = 3.141592653589793;

// Texts for the limits: operations nested Depth levels deep, and a bracketed sum whose
// deepest level holds Products operations "X*X" among 64 operands.
std::string NestedSum(int Depth) {
    std::string text = "1";
    for (int i = 0; i < Depth; ++i)
        text += "+1";
    return text;
}

std::string WideTree(int Products) {
    std::function<std::string(int, int&)> build = [&](int depth, int& leaf) -> std::string {
        if (depth == 0)
            return leaf++ < Products ? "X*X" : "X";
        const std::string left = build(depth - 1, leaf);
        const std::string right = build(depth - 1, leaf);
        return "(" + left + ")+(" + right + ")";
    };
    int leaf = 0;
    return build(6, leaf);
}

struct Case {
    const char* Name;
    std::string Formula;
    double X = 0;
    double Y = 0;
    double Expected = 0;      // when no error is expected
    std::string ErrorClass;   // empty: the formula compiles and evaluates to Expected
    std::string ErrorMessage; // compared exactly, when ErrorClass is set
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.Name;
}

// Error classes of both families share the ClassName() protocol.
template <typename Error> std::pair<std::string, std::string> Describe(const Error& e) {
    return {e.ClassName(), e.what()};
}

std::pair<std::string, std::string> Evaluate(const Case& c, double& value) {
    TParser parser;
    parser.X = c.X;
    parser.Y = c.Y;
    try {
        parser.SetExpression(c.Formula);
        value = parser.Value();
    } catch (const EMathParserError& e) {
        return Describe(e);
    } catch (const EMathError& e) {
        return Describe(e);
    } catch (const ERangeError& e) {
        return Describe(e);
    } catch (const EConvertError& e) {
        return Describe(e);
    }
    return {};
}

Case V(const char* name, std::string formula, double expected, double x = 0, double y = 0) {
    return Case{name, std::move(formula), x, y, expected, "", ""};
}
Case Err(const char* name, std::string formula, std::string cls, std::string message, double x = 0,
         double y = 0) {
    return Case{name, std::move(formula), x, y, 0, std::move(cls), std::move(message)};
}

const std::string Syntax = "ESyntaxError";
const std::string Parse = "Error parsing expression:\r";

std::vector<Case> Cases() {
    return {
        // Precedence and grouping.
        V("ProductBeforeSum", "2+3*4", 14),
        V("SumAfterProduct", "2*3+4", 10),
        V("MinusLeftToRight", "10-4-3", 3),
        V("MinusThenPlus", "10-4+3", 9),
        V("DivideLeftToRight", "8/4/2", 1),
        V("DivideThenMultiply", "X/2*4", 16, 8),
        V("MultiplyBindsLooserThanDiv", "2*7DIV2", 6),
        V("DivThenMultiply", "7DIV2*2", 6),
        V("MultiplyBindsLooserThanMod", "2*3MOD2", 2),
        V("DivThenDivide", "7DIV2/2", 1.5),
        V("ModOfNegativeLiteral", "-7MOD3", -1),
        V("ModSignOfDividend", "7MOD-3", 1),
        V("DivTruncatesOperands", "7.9DIV2", 3),
        V("DivTowardZero", "-7DIV2", -3),
        // Unary minus and signed literals.
        V("UnaryMinusOfPower", "-X^2", -9, 3),
        V("UnaryMinusOfBrackets", "-(X+1)*2", -4, 1),
        V("NegativeLiteralAsRightOperand", "X*-2", -6, 3),
        Err("UnaryMinusAsRightOperand", "X*-Y", Syntax, Parse + "X\r-Y", 1, 2),
        Err("UnaryMinusAfterPlus", "X+-Y", Syntax, Parse + "X+\rY", 1, 2),
        Err("NoUnaryPlus", "+X", Syntax, Parse + "+X", 1),
        V("PlusLiteral", "+5", 5),
        V("ExponentLiteral", "1E-3*1000", 1),
        V("MinusPi", "-PI", -Pi),
        // Powers.
        V("IntegerPower", "2^10", 1024),
        V("GeneralPower", "X^0.5", 3, 9),
        V("Square", "X^2", 9, 3),
        V("Cube", "X^3", 8, 2),
        V("FourthPower", "X^4", 16, 2),
        V("NegativeIntegerPower", "X^-1", 0.25, 4),
        V("PowerZero", "0^0", 1),
        V("PowerOfBrackets", "(2^3)^2", 64),
        Err("PowerOfPower", "2^3^2", Syntax, Parse + "2^3\r2"),
        V("PowerUnderflowIsZero", "10^-400", 0),
        V("NegativeBaseIntegralExponent", "POWER(-8,3)", -512),
        // Letter case, blanks, brackets.
        V("LetterCaseIgnored", "sin(pi/2)", 1),
        V("OuterBlanksAccepted", "  X+1  ", 2, 1),
        Err("InnerBlanks", "X + 1", "EExpressionHasBlanks", "Expression has blanks", 1),
        Err("MissingClosingBracket", "(X+1", "EMissMatchingBracket",
            "Missing brackets in expression (\")\")"),
        Err("MissingOpeningBracket", "X+1)", "EMissMatchingBracket",
            "Missing brackets in expression (\"(\")"),
        Err("BracketsInWrongOrder", ")X(", Syntax, Parse + ")X("),
        V("RedundantBrackets", "((X))", 5, 5),
        Err("OnlyBlanks", "   ", Syntax, Parse),
        // Functions.
        V("FirstWorkableComma", "MAX(X,MIN(Y,3))", 3, 1, 5),
        V("LaterComma", "MAX(MIN(Y,3),X)", 3, 1, 5),
        Err("TwoArgumentFunctionWithOne", "MAX(X)", Syntax, Parse + "MAX(X)"),
        Err("UnknownFunction", "FOO(1)", Syntax, Parse + "FOO(1)"),
        Err("UnknownVariable", "Q+1", Syntax, Parse + "Q\r1"),
        V("ArgOrigin", "ARG(0,0)", -Pi / 2),
        V("ArgNegativeX", "ARG(-1,0)", Pi),
        V("ArgFirstQuadrant", "ARG(1,1)", Pi / 4),
        V("Ceil", "CEIL(-1.5)", -1),
        V("CeilPositive", "CEIL(1.5)", 2),
        V("Floor", "FLOOR(-1.5)", -2),
        V("Trunc", "TRUNC(-1.5)", -1),
        V("Int", "INT(-1.5)", -1),
        V("HeavAtZero", "HEAV(0)", 1),
        V("HeavNegative", "HEAV(-0.1)", 0),
        V("ZeroAtZero", "ZERO(0)", 0),
        V("ZeroElsewhere", "ZERO(-2)", 1),
        V("SignNegative", "SIGN(-3)", -1),
        V("PhaseHalfTurnTiesToEven", "PH(0.3183098861837907)", Pi),
        V("PhaseOneAndAHalfTiesToEven", "PH(3*0.3183098861837907)", -Pi),
        V("IntPowerFunction", "INTPOWER(2,-2)", 0.25),
        V("LogN", "LOGN(2,8)", 3),
        V("Log10", "LOG10(1000)", 3),
        V("Sqr", "SQR(-3)", 9),
        V("CoTan", "COTAN(PI/4)", 1),
        V("Cosh", "COSH(0)", 1),
        // Limits.
        V("TwentyNestings", NestedSum(20), 21),
        Err("TwentyOneNestings", NestedSum(21), "ETooManyNestings",
            "Expression contains too many nestings"),
        V("FiftyOperationsOnOneLevel", WideTree(50), 50 * 4 + 14 * 2, 2),
        Err("FiftyOneOperationsOnOneLevel", WideTree(51), "EExpressionTooComplex",
            "Expression is too complex", 2),
        Err("ExponentBeyond32Bits", "X^1E10", "ERangeError",
            "Exponent außerhalb des Bereichs: 1E10"),
        Err("LiteralBeyondDouble", "1E400", "EConvertError",
            "'1E400' ist kein gültiger Gleitkommawert"),
        V("LiteralBelowDoubleIsZero", "1E-400+1", 1),
        // Arithmetic errors while evaluating.
        Err("DivisionByZero", "X/0", "EZeroDivide", "Gleitkommadivision durch Null", 1),
        Err("ZeroByZero", "X/0", "EInvalidOp", "Ungültige Gleitkommaoperation", 0),
        Err("SqrtOfNegative", "SQRT(X)", "EInvalidOp", "Ungültige Gleitkommaoperation", -1),
        Err("LogOfZero", "LN(X)", "EZeroDivide", "Gleitkommadivision durch Null", 0),
        Err("LogOfNegative", "LOG2(X)", "EInvalidOp", "Ungültige Gleitkommaoperation", -1),
        Err("ZeroToNegativePower", "X^-1", "EZeroDivide", "Gleitkommadivision durch Null", 0),
        Err("NegativeBaseFractionalExponent", "X^(1/3)", "EInvalidOp",
            "Ungültige Gleitkommaoperation", -8),
        Err("ExpOverflow", "EXP(X)", "EOverflow", "Gleitkommaüberlauf", 1000),
        Err("ProductOverflow", "X*X", "EOverflow", "Gleitkommaüberlauf", 1e300),
        Err("IntegerPowerOverflow", "2^1024", "EOverflow", "Gleitkommaüberlauf"),
        Err("CoTanOfZero", "COTAN(0)", "EZeroDivide", "Gleitkommadivision durch Null"),
        Err("DivByZero", "7DIVX", "EDivByZero", "Ganzzahldivision durch Null", 0.5),
        Err("ModByZero", "7MODX", "EDivByZero", "Ganzzahldivision durch Null", 0),
        Err("DivOperandBeyond64Bits", "1E30DIV2", "EInvalidOp", "Ungültige Gleitkommaoperation"),
        Err("DivQuotientBeyond64Bits", "-9223372036854775808DIV-1", "EIntOverflow",
            "Ganzzahlüberlauf"),
        V("ModSmallestByMinusOne", "-9223372036854775808MOD-1", 0),
        // Both a division by zero and the invalid operation made from its infinity: the
        // cause is reported.
        Err("ZeroDivideBeforeItsConsequence", "1/X-1/X", "EZeroDivide",
            "Gleitkommadivision durch Null", 0),
    };
}

class EdgeCase : public testing::TestWithParam<Case> {};

TEST_P(EdgeCase, GivesValueOrError) {
    const Case& c = GetParam();
    double value = std::nan("");
    const auto [cls, message] = Evaluate(c, value);
    if (c.ErrorClass.empty()) {
        ASSERT_EQ(cls, "") << message;
        EXPECT_NEAR(value, c.Expected, 1e-12 * std::max(1.0, std::fabs(c.Expected)));
    } else {
        EXPECT_EQ(cls, c.ErrorClass);
        EXPECT_EQ(message, c.ErrorMessage);
    }
}

INSTANTIATE_TEST_SUITE_P(Formula, EdgeCase, testing::ValuesIn(Cases()),
                         [](const testing::TestParamInfo<Case>& info) {
                             return std::string(info.param.Name);
                         });

} // namespace
