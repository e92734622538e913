#pragma once

#include <cfenv>

// The sticky exception flags of the floating-point unit. They tell which arithmetic error
// an operation met: division by zero, invalid operation or overflow. Inexact results and
// underflow are not errors. Reading the flags is slow on some machines, so the evaluation
// pass does not touch them; it looks at them only after an operation produced an infinity
// or NaN, to name the error.
class FloatingPointFlags {
public:
    static constexpr int Errors = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW;

    static void Clear() { std::feclearexcept(Errors); }
    static int Raised() { return std::fetestexcept(Errors); }
};
