#pragma once

#include "formula/EMathParserError.h"
#include "formula/TOperation.h"

#include <cmath>
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TCustomParser;

// Called with the evaluator and the error when compiling a formula fails with one of the
// evaluator's own errors; the error then goes no further.
using TParserExceptionEvent = std::function<void(TCustomParser& Sender, const EMathParserError& E)>;

// The formula evaluator: holds the formula, the variables, the function lists and the
// compiled operation chain. Setting Expression compiles the formula once; reading Value
// evaluates it with the variables' current values in one pass over the chain, without
// parsing, look-ups or allocation.
class TCustomParser {
public:
    TCustomParser();
    virtual ~TCustomParser();
    // Compiled operations point into the object's own cells, so it cannot be copied.
    TCustomParser(const TCustomParser&) = delete;
    TCustomParser& operator=(const TCustomParser&) = delete;

    // The formula's value for the current variable values; 0 when nothing is compiled.
    // Arithmetic errors are thrown as EMathError (EZeroDivide, EInvalidOp, EOverflow,
    // EDivByZero, EIntOverflow).
    double Value();

    const std::string& Expression() const { return FExpression; }
    // Compiles the text; an empty text leaves nothing compiled.
    void SetExpression(const std::string& Text);

    bool PascalNumberformat() const { return FPascalNumberformat; }
    void SetPascalNumberformat(bool Pascal) { FPascalNumberformat = Pascal; }

    const TParserExceptionEvent& OnParserError() const { return FOnParserError; }
    void SetOnParserError(TParserExceptionEvent Handler) { FOnParserError = std::move(Handler); }

    // Gives the variable the value and returns its cell; a new name is added in upper
    // case. Throws EBadName for a name that is no identifier or contains DIV or MOD.
    double* DefineVariable(const std::string& Name, double Value);
    // Forgets every variable (the built-in ones too) and the formula.
    void RemoveVariables();

    // True after a compile that ended with one of the evaluator's errors.
    bool ParserError() const { return FParserError; }

    // The compiled chain, first operation first (follow Next); nullptr when nothing is
    // compiled.
    const TOperation* FirstOperation() const {
        return FOperations.empty() ? nullptr : FOperations.data();
    }

    // Look-ups for the compiler; names in upper case.
    double* FindVariable(std::string_view Name) const;
    TRoutine FindFunctionOneParameter(std::string_view Name) const;
    TRoutine FindFunctionTwoParameters(std::string_view Name) const;

protected:
    // Registration; a name that is already registered is a programming error.
    void AddFunctionOneParameter(const std::string& Name, TRoutine Routine);
    void AddFunctionTwoParameters(const std::string& Name, TRoutine Routine);
    // A variable whose cell belongs to the derived object.
    void AddBuiltInVariable(const std::string& Name, double* Cell);

private:
    struct TNamedCell {
        std::string Name;
        double* Cell;
    };
    struct TNamedRoutine {
        std::string Name;
        TRoutine Routine;
    };

    void ReleaseCompiled();
    void InsertVariable(const std::string& Name, double* Cell);
    // Called when an operation's result is an infinity or NaN: throws the arithmetic
    // error that produced it, or returns when it only carried on a non-finite input.
    static void CheckResult(const TOperation& Operation);

    std::string FExpression;
    bool FPascalNumberformat = true;
    bool FParserError = false;
    TParserExceptionEvent FOnParserError;

    std::vector<TNamedCell> FVariables; // sorted by name
    std::vector<std::unique_ptr<double>> FOwnCells;
    std::vector<TNamedRoutine> FFunctions1; // sorted by name
    std::vector<TNamedRoutine> FFunctions2; // sorted by name

    // The compiled form: the operations in chain order, and the cells of number literals
    // and operation results they point at.
    std::vector<TOperation> FOperations;
    std::unique_ptr<double[]> FCells;
    const TOperation* FCallsBegin = nullptr;
    const TOperation* FCallsEnd = nullptr;
    const double* FResult = nullptr;
};

inline double TCustomParser::Value() {
    if (FResult == nullptr)
        return 0.0;
    for (const TOperation* operation = FCallsBegin; operation != FCallsEnd; ++operation) {
        // The plain arithmetic is done right here; everything else calls its routine.
        // Both compute the same, the inline cases only save the call.
        const TOperation& o = *operation;
        double r;
        switch (o.Kind) {
        case TermKind::Add:
            r = *o.Operand1 + *o.Operand2;
            break;
        case TermKind::Subtract:
            r = *o.Operand1 - *o.Operand2;
            break;
        case TermKind::Multiply:
            r = *o.Operand1 * *o.Operand2;
            break;
        case TermKind::Divide:
            r = *o.Operand1 / *o.Operand2;
            break;
        case TermKind::UnaryMinus:
            r = -*o.Operand1;
            break;
        case TermKind::Square:
            r = *o.Operand1 * *o.Operand1;
            break;
        default:
            o.Routine(o);
            r = *o.Result;
            break;
        }
        *o.Result = r;
        // Every arithmetic error leaves an infinity or NaN in the result cell of the
        // operation that met it, so one test per operation finds it before a later
        // operation (a comparison, MIN, HEAV) could hide it.
        if (!std::isfinite(r)) [[unlikely]]
            CheckResult(o);
    }
    return *FResult;
}
