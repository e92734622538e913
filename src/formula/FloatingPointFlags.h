#pragma once

// The sticky exception flags of the floating-point unit, used to find out whether one
// evaluation pass met a division by zero, an invalid operation or an overflow. Only those
// three count; inexact results and underflow are not errors.
//
// On x86-64 the flags live in MXCSR and are read with one STMXCSR; they are written only
// when one of them is set, which after a clean pass they never are. Elsewhere <cfenv>
// does the same job.

#if defined(__x86_64__) || defined(_M_X64)
#define ORVAN_FLAGS_MXCSR 1
#else
#include <cfenv>
#endif

class FloatingPointFlags {
public:
#if ORVAN_FLAGS_MXCSR
    static constexpr unsigned Invalid = 0x01;
    static constexpr unsigned ZeroDivide = 0x04;
    static constexpr unsigned Overflow = 0x08;
#else
    static constexpr unsigned Invalid = FE_INVALID;
    static constexpr unsigned ZeroDivide = FE_DIVBYZERO;
    static constexpr unsigned Overflow = FE_OVERFLOW;
#endif
    static constexpr unsigned Errors = Invalid | ZeroDivide | Overflow;

    // Clears the error flags so that a following Raised() sees only what happened since.
    static inline void Clear() {
#if ORVAN_FLAGS_MXCSR
        unsigned csr = Read();
        if (csr & Errors) {
            csr &= ~Errors;
            __asm__ volatile("ldmxcsr %0" : : "m"(csr) : "memory");
        }
#else
        std::feclearexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW);
#endif
    }

    // The error flags set since the last Clear().
    static inline unsigned Raised() {
#if ORVAN_FLAGS_MXCSR
        return Read() & Errors;
#else
        return static_cast<unsigned>(std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW));
#endif
    }

private:
#if ORVAN_FLAGS_MXCSR
    static inline unsigned Read() {
        unsigned csr;
        // The memory clobber keeps the compiler from moving arithmetic across the read.
        __asm__ volatile("stmxcsr %0" : "=m"(csr) : : "memory");
        return csr;
    }
#endif
};
