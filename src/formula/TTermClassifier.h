#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class TCustomParser;

// A piece of the formula text, as positions [Begin, End).
struct TTextRange {
    std::uint32_t Begin = 0;
    std::uint32_t End = 0;
    std::uint32_t Length() const { return End - Begin; }
};

// What the classification of one term text found.
struct TTermClass {
    bool Valid = false;
    std::uint8_t Kind = 0; // a TermKind; every power term is TermKind::IntPower here
    TTextRange Left;       // left or only operand (function: the argument)
    TTextRange Right;      // right operand (two-argument function: the second argument)
    TTextRange Name;       // function name
    // For a text that is no term: the last operator split tried, if any.
    bool SplitTried = false;
    TTextRange TriedLeft;
    TTextRange TriedRight;
};

// Decides for pieces of one upper-case formula text which kind of term they are: number,
// variable, unary minus, one of the operators or a function call, trying the rules in
// their fixed order. Operands are judged by classifying them in turn; every piece is
// classified once and remembered, so a long formula costs polynomial, not exponential,
// time. A budget on the work and on the depth of that recursion ends texts that would
// take too long with EExpressionTooComplex or ETooManyNestings.
class TTermClassifier {
public:
    TTermClassifier(const std::string& Text, const TCustomParser& Parser);

    TTermClass Classify(TTextRange Range);
    // A text that some rule accepts, or such a text in brackets.
    bool IsValidExpression(TTextRange Range);
    // Removes every redundant outer pair of brackets around a valid expression.
    TTextRange StripBrackets(TTextRange Range);
    bool IsOuterBracketPair(TTextRange Range) const;

    // The value of a text that Classify found to be a number.
    double NumberValue(TTextRange Range) const;

    std::string_view Text(TTextRange Range) const {
        return std::string_view(FText).substr(Range.Begin, Range.Length());
    }

    static constexpr std::uint32_t MaxSteps = 1000000;
    static constexpr std::size_t MaxRemembered = 200000;
    static constexpr int MaxDepth = 1000;

private:
    enum : std::uint32_t {
        Plain = (1u << 0) | (1u << 1) | (1u << 14) | (1u << 15), // variable, number, calls
        Unary = 1u << 2,
        AddBit = 1u << 3,
        SubBit = 1u << 4,
        MulBit = 1u << 5,
        DivBit = 1u << 6,
        ModBit = 1u << 7,
        IntDivBit = 1u << 8,
        PowBit = 1u << 9,
    };

    TTermClass ClassifyNew(TTextRange Range);
    bool IsNumber(TTextRange Range) const;
    bool IsValidOperand(TTextRange Range, std::uint32_t Accepted);
    bool TryOperator(TTextRange Range, std::string_view Operator, std::uint8_t Kind,
                     std::uint32_t LeftAccepts, std::uint32_t RightAccepts, TTermClass& Result);
    bool Balanced(std::uint32_t Begin, std::uint32_t End) const {
        return FOpen[End] - FOpen[Begin] == FClose[End] - FClose[Begin];
    }
    void Spend(std::uint32_t Steps);

    const std::string& FText;
    const TCustomParser& FParser;
    char FDecimalSeparator;
    std::vector<std::uint32_t> FOpen;  // number of "(" before each position
    std::vector<std::uint32_t> FClose; // number of ")" before each position
    std::vector<std::int64_t> FMatch;  // position of the ")" closing a "(", else -1
    std::unordered_map<std::uint64_t, TTermClass> FKnown;
    std::uint32_t FSteps = 0;
    int FDepth = 0;
};
