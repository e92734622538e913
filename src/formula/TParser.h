#pragma once

#include "formula/TCustomParser.h"

// The evaluator with the built-in functions and the eight built-in variables A, B, C, D,
// E, T, X and Y. The variables' cells are the public fields below: writing a field gives
// the variable its value for the next evaluation.
class TParser : public TCustomParser {
public:
    TParser();

    double A = 0.0;
    double B = 0.0;
    double C = 0.0;
    double D = 0.0;
    double E = 0.0;
    double T = 0.0;
    double X = 0.0;
    double Y = 0.0;
};
