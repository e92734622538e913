#include "formula/TCustomParser.h"

#include "formula/EMathError.h"
#include "formula/FloatingPointFlags.h"
#include "formula/TExpressionCompiler.h"

#include <algorithm>
#include <stdexcept>

namespace {

std::string UpperCase(std::string_view name) {
    std::string upper(name);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return upper;
}

bool IsIdentifier(std::string_view name) {
    auto letter = [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
    };
    if (name.empty() || !letter(name[0]))
        return false;
    return std::all_of(name.begin() + 1, name.end(),
                       [&](char c) { return letter(c) || (c >= '0' && c <= '9'); });
}

template <typename List> auto LowerBound(List& list, std::string_view name) {
    return std::lower_bound(list.begin(), list.end(), name,
                            [](const auto& entry, std::string_view n) { return entry.Name < n; });
}

template <typename List> auto Find(List& list, std::string_view name) {
    const auto it = LowerBound(list, name);
    return it != list.end() && it->Name == name ? it : list.end();
}

} // namespace

TCustomParser::TCustomParser() {
    FVariables.reserve(16);
    FFunctions1.reserve(32);
    FFunctions2.reserve(8);
}

TCustomParser::~TCustomParser() = default;

void TCustomParser::ReleaseCompiled() {
    FCallsBegin = nullptr;
    FCallsEnd = nullptr;
    FResult = nullptr;
    FOperations.clear();
    FCells.reset();
}

void TCustomParser::SetExpression(const std::string& Text) {
    ReleaseCompiled();
    FExpression = Text;
    FParserError = false;
    if (Text.empty())
        return;
    try {
        TExpressionCompiler compiler(*this);
        TCompiledFormula compiled = compiler.Compile(Text);
        FOperations = std::move(compiled.Operations);
        FCells = std::move(compiled.Cells);
        FResult = FOperations.back().Result;
        // A formula that is a single number or variable has nothing to call.
        const bool calls = FOperations.back().Routine != nullptr;
        FCallsBegin = FOperations.data();
        FCallsEnd = calls ? FOperations.data() + FOperations.size() : FOperations.data();
    } catch (const EMathParserError& error) {
        FParserError = true;
        ReleaseCompiled();
        if (!FOnParserError)
            throw;
        FOnParserError(*this, error);
    } catch (...) {
        ReleaseCompiled();
        throw;
    }
}

void TCustomParser::CheckResult(const TOperation& Operation) {
    // Run the operation once more with clean flags to learn which error it met. A
    // division by zero or an overflow is named before an invalid operation, as a routine
    // may go on from the infinity it made (1/tan(0) first divides, then nothing else).
    FloatingPointFlags::Clear();
    Operation.Routine(Operation);
    const int flags = FloatingPointFlags::Raised();
    FloatingPointFlags::Clear();
    if (flags & FE_DIVBYZERO)
        throw EZeroDivide();
    if (flags & FE_OVERFLOW)
        throw EOverflow();
    if (flags & FE_INVALID)
        throw EInvalidOp();
    // No flag: the operation only passed on an infinity or NaN that a variable held.
    const bool finiteOperands =
        std::isfinite(*Operation.Operand1) &&
        (Operation.Operand2 == nullptr || std::isfinite(*Operation.Operand2));
    if (!finiteOperands)
        return;
    // Finite operands and yet no finite result: an error all the same.
    if (std::isnan(*Operation.Result))
        throw EInvalidOp();
    throw EOverflow();
}

double* TCustomParser::DefineVariable(const std::string& Name, double Value) {
    const std::string upper = UpperCase(Name);
    if (const auto it = Find(FVariables, upper); it != FVariables.end()) {
        *it->Cell = Value;
        return it->Cell;
    }
    if (!IsIdentifier(Name) || upper.find("DIV") != std::string::npos ||
        upper.find("MOD") != std::string::npos)
        throw EBadName(Name);
    FOwnCells.push_back(std::make_unique<double>(Value));
    double* cell = FOwnCells.back().get();
    InsertVariable(upper, cell);
    return cell;
}

void TCustomParser::AddBuiltInVariable(const std::string& Name, double* Cell) {
    const std::string upper = UpperCase(Name);
    if (Find(FVariables, upper) == FVariables.end())
        InsertVariable(upper, Cell);
}

void TCustomParser::InsertVariable(const std::string& Name, double* Cell) {
    FVariables.insert(LowerBound(FVariables, Name), TNamedCell{Name, Cell});
}

void TCustomParser::RemoveVariables() {
    ReleaseCompiled();
    FVariables.clear();
    FOwnCells.clear();
    FExpression.clear();
}

double* TCustomParser::FindVariable(std::string_view Name) const {
    const auto it = Find(FVariables, Name);
    return it != FVariables.end() ? it->Cell : nullptr;
}

TRoutine TCustomParser::FindFunctionOneParameter(std::string_view Name) const {
    const auto it = Find(FFunctions1, Name);
    return it != FFunctions1.end() ? it->Routine : nullptr;
}

TRoutine TCustomParser::FindFunctionTwoParameters(std::string_view Name) const {
    const auto it = Find(FFunctions2, Name);
    return it != FFunctions2.end() ? it->Routine : nullptr;
}

void TCustomParser::AddFunctionOneParameter(const std::string& Name, TRoutine Routine) {
    const std::string upper = UpperCase(Name);
    if (Find(FFunctions1, upper) != FFunctions1.end())
        throw std::logic_error("Funktion doppelt registriert: " + upper);
    FFunctions1.insert(LowerBound(FFunctions1, upper), TNamedRoutine{upper, Routine});
}

void TCustomParser::AddFunctionTwoParameters(const std::string& Name, TRoutine Routine) {
    const std::string upper = UpperCase(Name);
    if (Find(FFunctions2, upper) != FFunctions2.end())
        throw std::logic_error("Funktion doppelt registriert: " + upper);
    FFunctions2.insert(LowerBound(FFunctions2, upper), TNamedRoutine{upper, Routine});
}
