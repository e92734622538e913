#pragma once

#include "formula/TOperation.h"

#include <cstdint>

// The routines behind the operators and built-in functions of formulas.
namespace Rechenroutinen {

constexpr double Pi = 3.141592653589793;

// x to the integral power n by repeated squaring; the reciprocal for negative n.
double IntPower(double x, std::int32_t n);

// x to the power y: 1 for y = 0, 0 for x = 0 and y > 0, the integral power for integral y
// that fits in 32 bits, otherwise e^(y ln x).
double GeneralPower(double x, double y);

// The routine of an operation kind from 2 (unary minus) to 13 (fourth power); nullptr
// for the kinds that have no routine of their own.
TRoutine OperationRoutine(std::uint8_t Kind);

struct TFunction {
    const char* Name;
    TRoutine Routine;
};

// The built-in functions in the order they are registered.
extern const TFunction OneParameterFunctions[24];
extern const TFunction TwoParameterFunctions[6];

} // namespace Rechenroutinen
