// Variables, the compiled chain, error reporting and repeated evaluation.
#include "formula/TParser.h"
#include "formula/EMathError.h"
#include "formula/EMathParserError.h"
#include "formula/TOperation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<int> ChainKinds(const TParser& parser) {
    std::vector<int> kinds;
    for (const TOperation* op = parser.FirstOperation(); op != nullptr; op = op->Next)
        kinds.push_back(op->Kind);
    return kinds;
}

TEST(TParserChain, OperationKindsInChainOrder) {
    struct Row {
        const char* Formula;
        std::vector<int> Kinds;
    };
    const Row rows[] = {
        {"((X))", {0}},
        {"7", {0}},
        {"X^2", {11}},
        {"X^3", {12}},
        {"X^4", {13}},
        {"2^10", {9}},
        {"X^-3", {9}},
        {"X^0.5", {10}},
        {"X^Y", {10}},
        {"X^2.0", {11}},
        {"-X^2", {11, 2}},
        {"(X+1)*(X-1)", {3, 4, 5}},
        {"SIN(X)+MAX(X,Y)", {14, 15, 3}},
        {"7MOD2+7DIV2", {7, 8, 3}},
    };
    for (const Row& row : rows) {
        TParser parser;
        parser.SetExpression(row.Formula);
        EXPECT_EQ(ChainKinds(parser), row.Kinds) << row.Formula;
    }
}

TEST(TParserChain, SingleVariableReadsItsCell) {
    TParser parser;
    parser.SetExpression("((X))");
    const TOperation* only = parser.FirstOperation();
    ASSERT_NE(only, nullptr);
    EXPECT_EQ(only->Operand1, &parser.X);
    EXPECT_EQ(only->Result, &parser.X);
    parser.X = 4.5;
    EXPECT_EQ(parser.Value(), 4.5);
}

TEST(TParserChain, OperandsPointAtCellsAndEarlierResults) {
    TParser parser;
    parser.SetExpression("(X+1)*Y");
    const TOperation* sum = parser.FirstOperation();
    ASSERT_NE(sum, nullptr);
    const TOperation* product = sum->Next;
    ASSERT_NE(product, nullptr);
    EXPECT_EQ(product->Next, nullptr);
    EXPECT_EQ(sum->Operand1, &parser.X);
    EXPECT_EQ(*sum->Operand2, 1.0);
    EXPECT_EQ(product->Operand1, sum->Result);
    EXPECT_EQ(product->Operand2, &parser.Y);
}

TEST(TParserVariables, NewValuesWithoutRecompiling) {
    TParser parser;
    double* m1 = parser.DefineVariable("m1", 2);
    parser.SetExpression("2*M1+X");
    parser.X = 1;
    EXPECT_EQ(parser.Value(), 5);
    *m1 = 10;
    EXPECT_EQ(parser.Value(), 21);
    // Any letter case finds the same cell.
    EXPECT_EQ(parser.DefineVariable("M1", 3), m1);
    EXPECT_EQ(parser.DefineVariable("x", 7), &parser.X);
    EXPECT_EQ(parser.Value(), 13);
}

TEST(TParserVariables, BadNamesAreRefusedWithTheName) {
    for (const char* name : {"MODUL", "xdivy", "1X", "", "A-B", "Ü"}) {
        TParser parser;
        try {
            parser.DefineVariable(name, 1);
            ADD_FAILURE() << "accepted: " << name;
        } catch (const EBadName& e) {
            EXPECT_STREQ(e.what(), name);
        }
    }
    TParser parser;
    EXPECT_NO_THROW(parser.DefineVariable("_a1", 1));
}

TEST(TParserVariables, RemoveVariablesForgetsBuiltInsAndFormula) {
    TParser parser;
    parser.SetExpression("X+1");
    parser.RemoveVariables();
    EXPECT_EQ(parser.Expression(), "");
    EXPECT_EQ(parser.Value(), 0);
    EXPECT_THROW(parser.SetExpression("X+1"), ESyntaxError);
    // Defined again, X is a variable of its own, no longer the field.
    parser.DefineVariable("X", 2);
    parser.SetExpression("X+1");
    parser.X = 100;
    EXPECT_EQ(parser.Value(), 3);
}

TEST(TParserErrors, FailedCompileLeavesNothingCompiled) {
    TParser parser;
    parser.SetExpression("X+1");
    parser.X = 1;
    EXPECT_THROW(parser.SetExpression("X+"), ESyntaxError);
    EXPECT_TRUE(parser.ParserError());
    EXPECT_EQ(parser.Expression(), "X+");
    EXPECT_EQ(parser.FirstOperation(), nullptr);
    EXPECT_EQ(parser.Value(), 0);
    parser.SetExpression("");
    EXPECT_FALSE(parser.ParserError());
    EXPECT_EQ(parser.Value(), 0);
}

TEST(TParserErrors, HandlerReceivesParserErrorsOnly) {
    TParser parser;
    TCustomParser* sender = nullptr;
    std::string seen;
    parser.SetOnParserError([&](TCustomParser& s, const EMathParserError& e) {
        sender = &s;
        seen = std::string(e.ClassName()) + ": " + e.what();
    });
    EXPECT_NO_THROW(parser.SetExpression("X + 1"));
    EXPECT_EQ(sender, &parser);
    EXPECT_EQ(seen, "EExpressionHasBlanks: Expression has blanks");
    EXPECT_TRUE(parser.ParserError());
    EXPECT_EQ(parser.Value(), 0);
    // Errors outside the family still reach the caller.
    seen.clear();
    EXPECT_THROW(parser.SetExpression("X^1E10"), ERangeError);
    EXPECT_EQ(seen, "");
    EXPECT_EQ(parser.Value(), 0);
}

TEST(TParserErrors, EvaluationRecoversAfterArithmeticError) {
    TParser parser;
    parser.SetExpression("X/Y+SQRT(Y)");
    parser.X = 1;
    parser.Y = 0;
    EXPECT_THROW(parser.Value(), EZeroDivide);
    parser.Y = -1;
    EXPECT_THROW(parser.Value(), EInvalidOp);
    parser.Y = 4;
    EXPECT_EQ(parser.Value(), 2.25);
    parser.SetExpression("7DIVY");
    parser.Y = 0;
    EXPECT_THROW(parser.Value(), EDivByZero);
    parser.Y = 2;
    EXPECT_EQ(parser.Value(), 3);
}

TEST(TParserEvaluation, RepeatedReadsAgreeExceptForRandom) {
    TParser parser;
    parser.X = 0.7;
    parser.SetExpression("SIN(X)*EXP(X)-X^3");
    EXPECT_EQ(parser.Value(), parser.Value());

    parser.SetExpression("RANDOM(0)");
    const double first = parser.Value();
    const double second = parser.Value();
    EXPECT_NE(first, second);
    for (double r : {first, second}) {
        EXPECT_GE(r, 0.0);
        EXPECT_LT(r, 1.0);
    }
    parser.SetExpression("RND(10.9)");
    for (int i = 0; i < 100; ++i) {
        const double r = parser.Value();
        EXPECT_GE(r, 0.0);
        EXPECT_LT(r, 10.0);
    }
}

TEST(TParserEvaluation, LocaleNumberFormatUsesTheDecimalPoint) {
    // The program runs with "." as decimal separator, so both settings read the same.
    TParser parser;
    parser.SetPascalNumberformat(false);
    parser.SetExpression("1.5*2");
    EXPECT_EQ(parser.Value(), 3);
    EXPECT_THROW(parser.SetExpression("1,5*2"), ESyntaxError);
}

} // namespace
