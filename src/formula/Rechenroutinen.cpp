#include "formula/Rechenroutinen.h"

#include "formula/EMathError.h"
#include "formula/Zufallszahl.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>

namespace Rechenroutinen {

double IntPower(double x, std::int32_t n) {
    if (n == 0)
        return 1.0;
    // The squaring runs in extended precision, whose wider exponent range keeps an
    // intermediate such as 10^400 for 10^-400 from overflowing. Only the final value has
    // to fit in a Double; that is checked here because the x87 unit's flags are not the
    // ones the evaluation pass tests.
    std::uint32_t m = n < 0 ? 0u - static_cast<std::uint32_t>(n) : static_cast<std::uint32_t>(n);
    long double base = x;
    long double result = 1.0L;
    for (;;) {
        if (m & 1u)
            result *= base;
        m >>= 1;
        if (m == 0)
            break;
        base *= base;
    }
    if (n < 0) {
        if (result == 0.0L) {
            if (x == 0.0)
                throw EZeroDivide();
            throw EOverflow(); // |x|^|n| fell below even the extended range
        }
        result = 1.0L / result;
    }
    if (std::fabs(result) > static_cast<long double>(DBL_MAX) && std::isfinite(x))
        throw EOverflow();
    return static_cast<double>(result);
}

double GeneralPower(double x, double y) {
    if (y == 0.0)
        return 1.0;
    if (x == 0.0 && y > 0.0)
        return 0.0;
    if (std::trunc(y) == y && std::fabs(y) <= 2147483647.0)
        return IntPower(x, static_cast<std::int32_t>(y));
    // e^(y ln x): the logarithm of a negative base is an invalid operation, whatever y is.
    // pow() gives the same value as the exponential of the logarithm but without losing
    // digits in the product y ln x.
    if (x < 0.0)
        throw EInvalidOp();
    return std::pow(x, y);
}

namespace {

// Trunc() of the runtime: the integer part as a 64-bit integer. A value outside that
// range (or not a number) is an invalid operation.
std::int64_t Trunc64(double x) {
    if (!(x >= -0x1p63 && x < 0x1p63))
        throw EInvalidOp();
    return static_cast<std::int64_t>(x);
}

void Negate(const TOperation& o) {
    *o.Result = -*o.Operand1;
}
void Add(const TOperation& o) {
    *o.Result = *o.Operand1 + *o.Operand2;
}
void Subtract(const TOperation& o) {
    *o.Result = *o.Operand1 - *o.Operand2;
}
void Multiply(const TOperation& o) {
    *o.Result = *o.Operand1 * *o.Operand2;
}
void Divide(const TOperation& o) {
    *o.Result = *o.Operand1 / *o.Operand2;
}

void Modulo(const TOperation& o) {
    const std::int64_t a = Trunc64(*o.Operand1);
    const std::int64_t b = Trunc64(*o.Operand2);
    if (b == 0)
        throw EDivByZero();
    // The smallest integer mod -1 is 0; computing it with % would trap.
    *o.Result = b == -1 ? 0.0 : static_cast<double>(a % b);
}

void IntDivide(const TOperation& o) {
    const std::int64_t a = Trunc64(*o.Operand1);
    const std::int64_t b = Trunc64(*o.Operand2);
    if (b == 0)
        throw EDivByZero();
    if (b == -1 && a == std::numeric_limits<std::int64_t>::min())
        throw EIntOverflow();
    *o.Result = static_cast<double>(a / b);
}

// The exponent of an integer power term is a literal already known to fit in 32 bits.
void IntPowerOp(const TOperation& o) {
    *o.Result = IntPower(*o.Operand1, static_cast<std::int32_t>(*o.Operand2));
}
void PowerOp(const TOperation& o) {
    *o.Result = GeneralPower(*o.Operand1, *o.Operand2);
}

void SquareOp(const TOperation& o) {
    const double x = *o.Operand1;
    *o.Result = x * x;
}
void CubeOp(const TOperation& o) {
    const double x = *o.Operand1;
    *o.Result = x * (x * x);
}
void FourthPowerOp(const TOperation& o) {
    const double x = *o.Operand1;
    const double q = x * x;
    *o.Result = q * q;
}

template <double (*F)(double)> void Call1(const TOperation& o) {
    *o.Result = F(*o.Operand1);
}
template <double (*F)(double, double)> void Call2(const TOperation& o) {
    *o.Result = F(*o.Operand1, *o.Operand2);
}

double Tan(double x) {
    return std::tan(x);
}
double Sin(double x) {
    return std::sin(x);
}
double Cos(double x) {
    return std::cos(x);
}
double Sinh(double x) {
    return std::sinh(x);
}
double Cosh(double x) {
    return std::cosh(x);
}
double ArcTan(double x) {
    return std::atan(x);
}
double CoTan(double x) {
    return 1.0 / std::tan(x);
}
double Exp(double x) {
    return std::exp(x);
}
double Ln(double x) {
    return std::log(x);
}
double Log10(double x) {
    return std::log10(x);
}
double Log2(double x) {
    return std::log2(x);
}
double Sqr(double x) {
    return x * x;
}
double Sqrt(double x) {
    return std::sqrt(x);
}
double Abs(double x) {
    return std::fabs(x);
}
double Int(double x) {
    return std::trunc(x);
}
double Ceil(double x) {
    return std::ceil(x);
}
double Floor(double x) {
    return std::floor(x);
}
double Heav(double x) {
    return x >= 0.0 ? 1.0 : 0.0;
}
double Sign(double x) {
    return x > 0.0 ? 1.0 : (x < 0.0 ? -1.0 : 0.0);
}
double Zero(double x) {
    return x == 0.0 ? 0.0 : 1.0;
}
double Ph(double x) {
    // Divided by 2/pi, as the instruments' phase values expect, not by 2 pi.
    const double u = x / 0.6366197723675814;
    return (u - std::nearbyint(u)) * (2.0 * Pi);
}
double Rnd(double x) {
    return std::trunc(x) * Zufallszahl();
}
double Random(double) {
    return Zufallszahl();
}

double Max(double x, double y) {
    return x >= y ? x : y;
}
double Min(double x, double y) {
    return x >= y ? y : x;
}
double IntPowerFn(double x, double y) {
    const double n = std::trunc(y);
    if (!(n >= -2147483648.0 && n <= 2147483647.0))
        throw EInvalidOp();
    return IntPower(x, static_cast<std::int32_t>(n));
}
double LogN(double x, double y) {
    return std::log2(y) / std::log2(x);
}
double Arg(double x, double y) {
    if (x < 0.0)
        return std::atan(y / x) + Pi;
    if (x > 0.0)
        return std::atan(y / x);
    return y > 0.0 ? Pi / 2.0 : -Pi / 2.0;
}

} // namespace

TRoutine OperationRoutine(std::uint8_t Kind) {
    switch (Kind) {
    case TermKind::UnaryMinus:
        return Negate;
    case TermKind::Add:
        return Add;
    case TermKind::Subtract:
        return Subtract;
    case TermKind::Multiply:
        return Multiply;
    case TermKind::Divide:
        return Divide;
    case TermKind::Modulo:
        return Modulo;
    case TermKind::IntDivide:
        return IntDivide;
    case TermKind::IntPower:
        return IntPowerOp;
    case TermKind::Power:
        return PowerOp;
    case TermKind::Square:
        return SquareOp;
    case TermKind::Cube:
        return CubeOp;
    case TermKind::FourthPower:
        return FourthPowerOp;
    default:
        return nullptr;
    }
}

const TFunction OneParameterFunctions[24] = {
    {"TAN", Call1<Tan>},     {"SIN", Call1<Sin>},   {"COS", Call1<Cos>},
    {"SINH", Call1<Sinh>},   {"COSH", Call1<Cosh>}, {"ARCTAN", Call1<ArcTan>},
    {"COTAN", Call1<CoTan>}, {"EXP", Call1<Exp>},   {"LN", Call1<Ln>},
    {"LOG10", Call1<Log10>}, {"LOG2", Call1<Log2>}, {"SQR", Call1<Sqr>},
    {"SQRT", Call1<Sqrt>},   {"ABS", Call1<Abs>},   {"TRUNC", Call1<Int>},
    {"INT", Call1<Int>},     {"CEIL", Call1<Ceil>}, {"FLOOR", Call1<Floor>},
    {"HEAV", Call1<Heav>},   {"SIGN", Call1<Sign>}, {"ZERO", Call1<Zero>},
    {"PH", Call1<Ph>},       {"RND", Call1<Rnd>},   {"RANDOM", Call1<Random>},
};

const TFunction TwoParameterFunctions[6] = {
    {"MAX", Call2<Max>},
    {"MIN", Call2<Min>},
    {"POWER", Call2<GeneralPower>},
    {"INTPOWER", Call2<IntPowerFn>},
    {"LOGN", Call2<LogN>},
    {"ARG", Call2<Arg>},
};

} // namespace Rechenroutinen
