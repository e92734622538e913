#pragma once

#include <stdexcept>
#include <string>

// Arithmetic, range and conversion errors of the evaluator. They are not part of the
// parser's own error family: a compiled formula that meets a division by zero or an
// overflow while it is evaluated reports one of these to the reader of Value, and a number
// literal that cannot be represented ends the compile with one of them.
class EMathError : public std::runtime_error {
public:
    explicit EMathError(const std::string& message) : std::runtime_error(message) {}
    virtual const char* ClassName() const noexcept { return "EMathError"; }
};

// Floating-point division of a non-zero value by zero, logarithm of zero.
class EZeroDivide : public EMathError {
public:
    EZeroDivide() : EMathError("Gleitkommadivision durch Null") {}
    const char* ClassName() const noexcept override { return "EZeroDivide"; }
};

// 0/0, square root or logarithm of a negative number, a value too large for an integer.
class EInvalidOp : public EMathError {
public:
    EInvalidOp() : EMathError("Ungültige Gleitkommaoperation") {}
    const char* ClassName() const noexcept override { return "EInvalidOp"; }
};

// A result too large for a Double.
class EOverflow : public EMathError {
public:
    EOverflow() : EMathError("Gleitkommaüberlauf") {}
    const char* ClassName() const noexcept override { return "EOverflow"; }
};

// DIV or MOD by zero.
class EDivByZero : public EMathError {
public:
    EDivByZero() : EMathError("Ganzzahldivision durch Null") {}
    const char* ClassName() const noexcept override { return "EDivByZero"; }
};

// DIV whose quotient does not fit in 64 bits (the smallest integer divided by -1).
class EIntOverflow : public EMathError {
public:
    EIntOverflow() : EMathError("Ganzzahlüberlauf") {}
    const char* ClassName() const noexcept override { return "EIntOverflow"; }
};

// A value outside the range its use allows, such as an integral exponent literal that
// does not fit in 32 bits.
class ERangeError : public std::runtime_error {
public:
    explicit ERangeError(const std::string& message) : std::runtime_error(message) {}
    virtual const char* ClassName() const noexcept { return "ERangeError"; }
};

// A text that has the form of a number but cannot be converted into a Double.
class EConvertError : public std::runtime_error {
public:
    explicit EConvertError(const std::string& message) : std::runtime_error(message) {}
    virtual const char* ClassName() const noexcept { return "EConvertError"; }
};
