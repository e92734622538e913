#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// The command "eval FORMULA [NAME=VALUE]..." of orvan-cli. Args holds the words after
// "eval": the formula first, then the variable assignments. A fresh TParser gets each
// variable (DefineVariable), then the formula (Expression), then its Value is read.
// Prints the value in its shortest round-trip form on Out and returns 0. A missing formula
// or an argument without "NAME=" returns 1; a bad name, a bad number or a faulty formula
// prints "CLASS: MESSAGE" (carriage return and line feed written as \r and \n) on Err
// and returns 2; an error while computing prints the same and returns 3.
int FormelAuswertenCli(const std::vector<std::string>& Args, std::ostream& Out, std::ostream& Err);
