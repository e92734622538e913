#pragma once

#include <stdexcept>
#include <string>

// The evaluator's own error family. Compile errors of a formula are reported with one of
// these; each class knows its name so that tools can print "CLASS: MESSAGE".
class EMathParserError : public std::runtime_error {
public:
    explicit EMathParserError(const std::string& message) : std::runtime_error(message) {}
    virtual const char* ClassName() const noexcept { return "EMathParserError"; }
};

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
