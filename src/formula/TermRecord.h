#pragma once

#include <cstdint>
#include <string>

// One node of the term tree that the compiler builds from a formula: the whole formula at
// level 0, each operand one level deeper than its operation.
struct TermRecord {
    std::string Text;
    std::string LeftText = " ";  // left or only operand, as the classification split it
    std::string RightText = " "; // right operand
    std::uint8_t Kind = 0;
    int Level = 0;
    int Index = 1; // slot within the level, from 1; both operands of one operation share it
    int Side = 1;  // 1 = left or only operand, 2 = right operand
    TermRecord* LeftChild = nullptr;
    TermRecord* RightChild = nullptr;
    TermRecord* Parent = nullptr;
};
