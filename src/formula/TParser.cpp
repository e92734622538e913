#include "formula/TParser.h"

#include "formula/Rechenroutinen.h"

TParser::TParser() {
    for (const auto& function : Rechenroutinen::OneParameterFunctions)
        AddFunctionOneParameter(function.Name, function.Routine);
    for (const auto& function : Rechenroutinen::TwoParameterFunctions)
        AddFunctionTwoParameters(function.Name, function.Routine);
    AddBuiltInVariable("A", &A);
    AddBuiltInVariable("B", &B);
    AddBuiltInVariable("C", &C);
    AddBuiltInVariable("D", &D);
    AddBuiltInVariable("E", &E);
    AddBuiltInVariable("X", &X);
    AddBuiltInVariable("Y", &Y);
    AddBuiltInVariable("T", &T);
}
