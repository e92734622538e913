#pragma once

#include <cstdint>

struct TOperation;

// Every operation and every function is computed by a routine of this form: it reads the
// operand cells of its record and writes the record's result cell.
using TRoutine = void (*)(const TOperation& Operation);

// One operation of a compiled formula. The operand and result fields point straight at
// their value cells (a variable's cell, a number literal's cell or the result cell of an
// earlier operation), so evaluating needs neither names nor look-ups.
struct TOperation {
    double* Operand1 = nullptr;
    double* Operand2 = nullptr;
    double* Result = nullptr;
    TOperation* Next = nullptr;
    TRoutine Routine = nullptr;
    std::uint8_t Kind = 0;
};

// The kind byte of terms and operations.
namespace TermKind {
constexpr std::uint8_t Variable = 0;
constexpr std::uint8_t Number = 1;
constexpr std::uint8_t UnaryMinus = 2;
constexpr std::uint8_t Add = 3;
constexpr std::uint8_t Subtract = 4;
constexpr std::uint8_t Multiply = 5;
constexpr std::uint8_t Divide = 6;
constexpr std::uint8_t Modulo = 7;
constexpr std::uint8_t IntDivide = 8;
constexpr std::uint8_t IntPower = 9;
constexpr std::uint8_t Power = 10;
constexpr std::uint8_t Square = 11;
constexpr std::uint8_t Cube = 12;
constexpr std::uint8_t FourthPower = 13;
constexpr std::uint8_t Function1 = 14;
constexpr std::uint8_t Function2 = 15;
} // namespace TermKind
