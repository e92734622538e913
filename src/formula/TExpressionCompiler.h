#pragma once

#include "formula/TOperation.h"
#include "formula/TTermClassifier.h"
#include "formula/TermRecord.h"

#include <deque>
#include <memory>
#include <string>
#include <vector>

class TCustomParser;

// A compiled formula: its operations in the order one pass must run them, and the cells
// of its number literals and operation results, which the operations point at.
struct TCompiledFormula {
    std::vector<TOperation> Operations;
    std::unique_ptr<double[]> Cells;
};

// Turns a formula text into an operation chain: normalises and checks the text, builds
// the term tree level by level within the nesting and complexity limits, creates one
// operation per operation term and chains them deepest level first.
class TExpressionCompiler {
public:
    static constexpr int MaxNestings = 20; // deepest level of an operand
    static constexpr int MaxSlots = 50;    // operations per level

    explicit TExpressionCompiler(const TCustomParser& Parser) : FParser(Parser) {}

    // Throws the evaluator's errors for a faulty formula, ERangeError for an integral
    // exponent literal beyond 32 bits and EConvertError for a literal beyond a Double.
    TCompiledFormula Compile(const std::string& Expression);

private:
    struct TNode {
        TermRecord Term;
        TTextRange Range;
        TTermClass Class;
        TNode* Left = nullptr;
        TNode* Right = nullptr;
        double* Cell = nullptr; // the value this term hands to its parent
    };

    void BuildTerm(TNode& Node);
    TNode& AddChild(TNode& Parent, TTextRange Range, int Index, int Side);
    std::uint8_t PowerKind(const TNode& Exponent) const;

    const TCustomParser& FParser;
    std::string FText;
    std::unique_ptr<TTermClassifier> FClassifier;
    std::deque<TNode> FNodes; // level-0 term first; a deque keeps references valid
    int FSlots[MaxNestings + 2] = {};
};
