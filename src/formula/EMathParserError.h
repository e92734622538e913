#pragma once

#include <stdexcept>
#include <string>
#include <utility>

// The evaluator's own error family. Compile errors of a formula are reported with one of
// these; each class knows its name so that tools can print "CLASS: MESSAGE".
// Where the compiler knows the place of the fault, `Position` is its character index in the
// formula as given (counting from 0) and `Token` the text found there; otherwise Position is
// -1 and Token empty.
class EMathParserError : public std::runtime_error {
public:
    explicit EMathParserError(const std::string& message) : std::runtime_error(message) {}
    virtual const char* ClassName() const noexcept { return "EMathParserError"; }

    int Position = -1;
    std::string Token;
};

// `error` with its place in the formula, for `throw Placed(ESyntaxError(...), ...)` (the
// static type thrown stays the derived class).
template <typename Error> Error Placed(Error error, int position, std::string token) {
    error.Position = position;
    error.Token = std::move(token);
    return error;
}

class ESyntaxError : public EMathParserError {
public:
    using EMathParserError::EMathParserError;
    const char* ClassName() const noexcept override { return "ESyntaxError"; }
};

class EExpressionHasBlanks : public EMathParserError {
public:
    using EMathParserError::EMathParserError;
    const char* ClassName() const noexcept override { return "EExpressionHasBlanks"; }
};

class EExpressionTooComplex : public EMathParserError {
public:
    using EMathParserError::EMathParserError;
    const char* ClassName() const noexcept override { return "EExpressionTooComplex"; }
};

class ETooManyNestings : public EMathParserError {
public:
    using EMathParserError::EMathParserError;
    const char* ClassName() const noexcept override { return "ETooManyNestings"; }
};

class EMissMatchingBracket : public EMathParserError {
public:
    using EMathParserError::EMathParserError;
    const char* ClassName() const noexcept override { return "EMissMatchingBracket"; }
};

class EBadName : public EMathParserError {
public:
    using EMathParserError::EMathParserError;
    const char* ClassName() const noexcept override { return "EBadName"; }
};

class EParserInternalError : public EMathParserError {
public:
    using EMathParserError::EMathParserError;
    const char* ClassName() const noexcept override { return "EParserInternalError"; }
};
