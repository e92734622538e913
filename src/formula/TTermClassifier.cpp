#include "formula/TTermClassifier.h"

#include "formula/EMathError.h"
#include "formula/EMathParserError.h"
#include "formula/Rechenroutinen.h"
#include "formula/TCustomParser.h"
#include "formula/TOperation.h"

#include <algorithm>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Unwinds the recursion depth counter however Classify is left.
class DepthGuard {
public:
    explicit DepthGuard(int& depth) : FDepth(depth) { ++FDepth; }
    ~DepthGuard() { --FDepth; }
    DepthGuard(const DepthGuard&) = delete;
    DepthGuard& operator=(const DepthGuard&) = delete;

private:
    int& FDepth;
};

} // namespace

TTermClassifier::TTermClassifier(const std::string& Text, const TCustomParser& Parser)
    : FText(Text), FParser(Parser), FDecimalSeparator('.') {
    if (!Parser.PascalNumberformat()) {
        const std::lconv* conventions = std::localeconv();
        if (conventions != nullptr && conventions->decimal_point != nullptr &&
            conventions->decimal_point[0] != '\0')
            FDecimalSeparator = conventions->decimal_point[0];
    }
    const std::size_t n = FText.size();
    FOpen.assign(n + 1, 0);
    FClose.assign(n + 1, 0);
    FMatch.assign(n, -1);
    std::vector<std::size_t> open;
    for (std::size_t i = 0; i < n; ++i) {
        FOpen[i + 1] = FOpen[i] + (FText[i] == '(' ? 1 : 0);
        FClose[i + 1] = FClose[i] + (FText[i] == ')' ? 1 : 0);
        if (FText[i] == '(') {
            open.push_back(i);
        } else if (FText[i] == ')' && !open.empty()) {
            FMatch[open.back()] = static_cast<std::int64_t>(i);
            open.pop_back();
        }
    }
}

void TTermClassifier::Spend(std::uint32_t Steps) {
    FSteps += Steps;
    if (FSteps > MaxSteps || FKnown.size() > MaxRemembered)
        throw EExpressionTooComplex("Expression is too complex");
}

bool TTermClassifier::IsOuterBracketPair(TTextRange Range) const {
    return Range.Length() >= 2 && FText[Range.Begin] == '(' &&
           FMatch[Range.Begin] == static_cast<std::int64_t>(Range.End - 1);
}

bool TTermClassifier::IsValidExpression(TTextRange Range) {
    // A text in brackets is never accepted by a rule itself (its first operand would be
    // unbalanced and there is no name before its bracket), so only its content counts.
    while (IsOuterBracketPair(Range)) {
        ++Range.Begin;
        --Range.End;
    }
    return Range.Length() > 0 && Classify(Range).Valid;
}

TTextRange TTermClassifier::StripBrackets(TTextRange Range) {
    // A bracket pair is redundant when its content is a valid expression; that holds for
    // all stacked outer pairs at once or for none, as it depends only on the innermost
    // content. Checking that once keeps deeply bracketed texts linear.
    TTextRange inner = Range;
    while (IsOuterBracketPair(inner)) {
        ++inner.Begin;
        --inner.End;
    }
    if (inner.Length() == Range.Length() || inner.Length() == 0 || !Classify(inner).Valid)
        return Range;
    return inner;
}

bool TTermClassifier::IsNumber(TTextRange Range) const {
    const std::string_view s = Text(Range);
    if (s == "PI" || s == "-PI")
        return true;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    std::size_t digits = 0;
    while (i < s.size() && IsDigit(s[i])) {
        ++i;
        ++digits;
    }
    if (i < s.size() && s[i] == FDecimalSeparator) {
        ++i;
        while (i < s.size() && IsDigit(s[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return false;
    if (i < s.size() && s[i] == 'E') {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            ++i;
        std::size_t exponentDigits = 0;
        while (i < s.size() && IsDigit(s[i])) {
            ++i;
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            return false;
    }
    return i == s.size();
}

double TTermClassifier::NumberValue(TTextRange Range) const {
    const std::string_view s = Text(Range);
    if (s == "PI")
        return Rechenroutinen::Pi;
    if (s == "-PI")
        return -Rechenroutinen::Pi;
    std::string digits(s.substr(!s.empty() && s[0] == '+' ? 1 : 0));
    for (char& c : digits)
        if (c == FDecimalSeparator)
            c = '.';
    double value = 0.0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Too small for a Double is simply zero; too large cannot be represented. Which
        // of the two it is shows in the decimal exponent of the first significant digit.
        long exponent = 0;
        const std::size_t e = digits.find('E');
        if (e != std::string::npos)
            exponent = std::clamp(std::strtol(digits.c_str() + e + 1, nullptr, 10), -1000000000L,
                                  1000000000L);
        const std::string mantissa = digits.substr(0, e);
        const std::size_t point = mantissa.find('.');
        const std::size_t intEnd = point == std::string::npos ? mantissa.size() : point;
        const std::size_t first = mantissa.find_first_of("123456789");
        long magnitude = first == std::string::npos ? 0
                         : first < intEnd           ? static_cast<long>(intEnd - first)
                                                    : -static_cast<long>(first - intEnd) + 1;
        if (exponent + magnitude <= 0)
            return digits[0] == '-' ? -0.0 : 0.0;
        throw EConvertError("'" + std::string(s) + "' ist kein gültiger Gleitkommawert");
    }
    if (error != std::errc() || end != digits.data() + digits.size())
        throw EConvertError("'" + std::string(s) + "' ist kein gültiger Gleitkommawert");
    return value;
}

bool TTermClassifier::IsValidOperand(TTextRange Range, std::uint32_t Accepted) {
    if (Range.Length() == 0)
        return false;
    if (IsOuterBracketPair(Range))
        return IsValidExpression(Range);
    const TTermClass c = Classify(Range);
    if (!c.Valid)
        return false;
    const std::uint32_t bit = c.Kind == TermKind::IntPower ? PowBit : (1u << c.Kind);
    return (bit & (Plain | Accepted)) != 0;
}

bool TTermClassifier::TryOperator(TTextRange Range, std::string_view Operator, std::uint8_t Kind,
                                  std::uint32_t LeftAccepts, std::uint32_t RightAccepts,
                                  TTermClass& Result) {
    const std::uint32_t length = static_cast<std::uint32_t>(Operator.size());
    const bool word = length > 1; // DIV and MOD
    const bool minus = Operator == "-";
    std::uint32_t from = Range.Begin + (minus ? 1 : 0);
    while (from + length <= Range.End) {
        const std::size_t found = std::string_view(FText).substr(0, Range.End).find(Operator, from);
        if (found == std::string_view::npos)
            return false;
        const std::uint32_t p = static_cast<std::uint32_t>(found);
        from = p + 1;
        if (p == Range.Begin) {
            if (word)
                continue; // DIV or MOD at the start is skipped
            return false;
        }
        if (p + length == Range.End)
            return false;
        Spend(1);
        const TTextRange left{Range.Begin, p};
        const TTextRange right{p + length, Range.End};
        Result.SplitTried = true;
        Result.TriedLeft = left;
        Result.TriedRight = right;
        if (!Balanced(left.Begin, left.End) || !Balanced(right.Begin, right.End))
            continue;
        // No valid expression ends with an operator, "(" or ",", and none starts with
        // "*", "/", "^", ")" or ","; such splits are refused without classifying them.
        if (std::string_view("+-*/^(,").find(FText[left.End - 1]) != std::string_view::npos ||
            std::string_view("*/^),").find(FText[right.Begin]) != std::string_view::npos)
            continue;
        if (IsValidOperand(left, LeftAccepts) && IsValidOperand(right, RightAccepts)) {
            Result.Valid = true;
            Result.Kind = Kind;
            Result.Left = left;
            Result.Right = right;
            return true;
        }
    }
    return false;
}

TTermClass TTermClassifier::Classify(TTextRange Range) {
    const std::uint64_t key = (static_cast<std::uint64_t>(Range.Begin) << 32) | Range.End;
    if (const auto known = FKnown.find(key); known != FKnown.end())
        return known->second;
    if (FDepth >= MaxDepth)
        throw ETooManyNestings("Expression contains too many nestings");
    DepthGuard depth(FDepth);
    Spend(1 + Range.Length() / 8);
    TTermClass result = ClassifyNew(Range);
    FKnown.emplace(key, result);
    return result;
}

TTermClass TTermClassifier::ClassifyNew(TTextRange Range) {
    TTermClass result;
    if (Range.Length() == 0)
        return result;
    const std::string_view s = Text(Range);

    if (IsNumber(Range)) {
        result.Valid = true;
        result.Kind = TermKind::Number;
        return result;
    }
    if (FParser.FindVariable(s) != nullptr) {
        result.Valid = true;
        result.Kind = TermKind::Variable;
        return result;
    }
    // Unary minus before a bracketed expression, a variable, a power or a function call.
    if (s[0] == '-' && s.size() > 1) {
        const TTextRange rest{Range.Begin + 1, Range.End};
        bool accepted = false;
        if (IsOuterBracketPair(rest)) {
            accepted = IsValidExpression(rest);
        } else {
            const TTermClass c = Classify(rest);
            accepted = c.Valid && (c.Kind == TermKind::Variable || c.Kind == TermKind::IntPower ||
                                   c.Kind == TermKind::Function1 || c.Kind == TermKind::Function2);
        }
        if (accepted) {
            result.Valid = true;
            result.Kind = TermKind::UnaryMinus;
            result.Left = rest;
            return result;
        }
    }

    // The operators, loosest first; the accepted operand forms give the grouping.
    const std::uint32_t products = MulBit | IntDivBit | ModBit | DivBit | PowBit;
    const std::uint32_t quotients = IntDivBit | ModBit | DivBit | PowBit;
    if (TryOperator(Range, "+", TermKind::Add, Unary | SubBit | products,
                    AddBit | SubBit | products, result) ||
        TryOperator(Range, "-", TermKind::Subtract, Unary | SubBit | products, products, result) ||
        TryOperator(Range, "*", TermKind::Multiply, Unary | quotients, products, result) ||
        TryOperator(Range, "DIV", TermKind::IntDivide, Unary | quotients, PowBit, result) ||
        TryOperator(Range, "MOD", TermKind::Modulo, Unary | quotients, PowBit, result) ||
        TryOperator(Range, "/", TermKind::Divide, Unary | quotients, PowBit, result) ||
        TryOperator(Range, "^", TermKind::IntPower, 0, 0, result))
        return result;

    // Function calls: NAME(argument) and NAME(first,second).
    const std::size_t bracket = s.find('(');
    if (bracket != std::string_view::npos && bracket > 0) {
        const std::string_view name = s.substr(0, bracket);
        const std::uint32_t open = Range.Begin + static_cast<std::uint32_t>(bracket);
        const TTextRange call{open, Range.End};
        if (FParser.FindFunctionOneParameter(name) != nullptr && IsOuterBracketPair(call) &&
            IsValidExpression(call)) {
            result.Valid = true;
            result.Kind = TermKind::Function1;
            result.Name = TTextRange{Range.Begin, open};
            result.Left = call;
            return result;
        }
        if (FParser.FindFunctionTwoParameters(name) != nullptr && s.back() == ')') {
            for (std::uint32_t comma = open + 1; comma + 1 < Range.End; ++comma) {
                if (FText[comma] != ',')
                    continue;
                Spend(1);
                const TTextRange first{open + 1, comma};
                const TTextRange second{comma + 1, Range.End - 1};
                if (IsValidExpression(first) && IsValidExpression(second)) {
                    result.Valid = true;
                    result.Kind = TermKind::Function2;
                    result.Name = TTextRange{Range.Begin, open};
                    result.Left = first;
                    result.Right = second;
                    return result;
                }
            }
        }
    }
    return result;
}
