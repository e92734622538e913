#include "formula/TExpressionCompiler.h"

#include "formula/EMathError.h"
#include "formula/EMathParserError.h"
#include "formula/Rechenroutinen.h"
#include "formula/TCustomParser.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

bool IsOperationKind(std::uint8_t kind) {
    return kind != TermKind::Variable && kind != TermKind::Number;
}

bool HasRightOperand(std::uint8_t kind) {
    return kind != TermKind::UnaryMinus && kind != TermKind::Function1;
}

} // namespace

TCompiledFormula TExpressionCompiler::Compile(const std::string& Expression) {
    // Upper case (ASCII letters only), without leading and trailing blanks.
    FText = Expression;
    for (char& c : FText)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    const std::size_t first = FText.find_first_not_of(' ');
    FText = first == std::string::npos
                ? std::string()
                : FText.substr(first, FText.find_last_not_of(' ') - first + 1);
    // Places are reported in the formula as the user gave it, before the trimming.
    const int offset = first == std::string::npos ? 0 : static_cast<int>(first);
    if (const std::size_t blank = FText.find(' '); blank != std::string::npos)
        throw Placed(EExpressionHasBlanks("Expression has blanks"),
                     offset + static_cast<int>(blank), " ");

    const auto opening = std::count(FText.begin(), FText.end(), '(');
    const auto closing = std::count(FText.begin(), FText.end(), ')');
    if (opening != closing) {
        // The bracket left without a partner: the first ")" that closes nothing, or else
        // the last "(" still open at the end.
        std::vector<int> open;
        int unmatched = -1;
        for (std::size_t i = 0; i < FText.size() && unmatched < 0; ++i) {
            if (FText[i] == '(') {
                open.push_back(static_cast<int>(i));
            } else if (FText[i] == ')') {
                if (open.empty())
                    unmatched = static_cast<int>(i);
                else
                    open.pop_back();
            }
        }
        if (unmatched < 0 && !open.empty())
            unmatched = open.back();
        const int place = unmatched < 0 ? -1 : offset + unmatched;
        const std::string token = unmatched < 0 ? std::string() : FText.substr(unmatched, 1);
        if (opening > closing)
            throw Placed(EMissMatchingBracket("Missing brackets in expression (\")\")"), place,
                         token);
        throw Placed(EMissMatchingBracket("Missing brackets in expression (\"(\")"), place, token);
    }

    FClassifier = std::make_unique<TTermClassifier>(FText, FParser);
    FNodes.clear();
    std::fill(std::begin(FSlots), std::end(FSlots), 0);

    const TTextRange whole =
        FClassifier->StripBrackets(TTextRange{0, static_cast<std::uint32_t>(FText.size())});
    const TTermClass wholeClass = FClassifier->Classify(whole);
    if (!wholeClass.Valid) {
        std::string message = "Error parsing expression:\r";
        if (wholeClass.SplitTried)
            message += std::string(FClassifier->Text(wholeClass.TriedLeft)) + "\r" +
                       std::string(FClassifier->Text(wholeClass.TriedRight));
        else
            message += std::string(FClassifier->Text(whole));
        // The place: the operator of the last split tried, or else the whole term.
        const TTextRange place = wholeClass.SplitTried ? TTextRange{wholeClass.TriedLeft.End,
                                                                    wholeClass.TriedRight.Begin}
                                                       : whole;
        throw Placed(ESyntaxError(message), offset + static_cast<int>(place.Begin),
                     Expression.substr(offset + place.Begin, place.Length()));
    }

    TNode& root = FNodes.emplace_back();
    root.Range = whole;
    root.Term.Text = std::string(FClassifier->Text(whole));
    BuildTerm(root);

    // Cells: one per number literal and one per operation result.
    std::size_t cellCount = 0;
    std::vector<TNode*> operations;
    for (TNode& node : FNodes) {
        if (node.Term.Kind == TermKind::Number)
            ++cellCount;
        else if (IsOperationKind(node.Term.Kind)) {
            ++cellCount;
            operations.push_back(&node);
        }
    }
    TCompiledFormula compiled;
    compiled.Cells = std::make_unique<double[]>(cellCount);
    std::size_t nextCell = 0;
    for (TNode& node : FNodes) {
        if (node.Term.Kind == TermKind::Number) {
            node.Cell = &compiled.Cells[nextCell++];
            *node.Cell = FClassifier->NumberValue(node.Range);
        } else if (node.Term.Kind == TermKind::Variable) {
            node.Cell = FParser.FindVariable(FClassifier->Text(node.Range));
        } else {
            node.Cell = &compiled.Cells[nextCell++];
        }
    }
    for (TNode* node : operations)
        if (node->Term.Kind == TermKind::IntPower)
            node->Term.Kind = PowerKind(*node->Right);

    if (operations.empty()) {
        // A single number or variable: one operation without routine whose result is the
        // operand itself.
        TOperation& only = compiled.Operations.emplace_back();
        only.Kind = TermKind::Variable;
        only.Operand1 = root.Cell;
        only.Result = root.Cell;
        return compiled;
    }

    // Deepest level first, within a level by slot index: every operation then comes
    // after the operations whose results it reads.
    std::stable_sort(operations.begin(), operations.end(), [](const TNode* a, const TNode* b) {
        if (a->Term.Level != b->Term.Level)
            return a->Term.Level > b->Term.Level;
        return a->Term.Index < b->Term.Index;
    });
    compiled.Operations.resize(operations.size());
    for (std::size_t i = 0; i < operations.size(); ++i) {
        const TNode& node = *operations[i];
        TOperation& operation = compiled.Operations[i];
        operation.Kind = node.Term.Kind;
        operation.Result = node.Cell;
        operation.Operand1 = node.Left->Cell;
        operation.Operand2 = node.Right != nullptr ? node.Right->Cell : nullptr;
        if (node.Term.Kind == TermKind::Function1)
            operation.Routine =
                FParser.FindFunctionOneParameter(FClassifier->Text(node.Class.Name));
        else if (node.Term.Kind == TermKind::Function2)
            operation.Routine =
                FParser.FindFunctionTwoParameters(FClassifier->Text(node.Class.Name));
        else
            operation.Routine = Rechenroutinen::OperationRoutine(node.Term.Kind);
        if (operation.Routine == nullptr)
            throw EParserInternalError("TParser internal error");
        operation.Next = i + 1 < operations.size() ? &compiled.Operations[i + 1] : nullptr;
    }
    return compiled;
}

TExpressionCompiler::TNode& TExpressionCompiler::AddChild(TNode& Parent, TTextRange Range,
                                                          int Index, int Side) {
    TNode& child = FNodes.emplace_back();
    child.Range = FClassifier->StripBrackets(Range);
    child.Term.Text = std::string(FClassifier->Text(child.Range));
    child.Term.Level = Parent.Term.Level + 1;
    child.Term.Index = Index;
    child.Term.Side = Side;
    child.Term.Parent = &Parent.Term;
    (Side == 1 ? Parent.Term.LeftChild : Parent.Term.RightChild) = &child.Term;
    (Side == 1 ? Parent.Left : Parent.Right) = &child;
    return child;
}

void TExpressionCompiler::BuildTerm(TNode& Node) {
    Node.Class = FClassifier->Classify(Node.Range);
    if (!Node.Class.Valid)
        throw EParserInternalError("TParser internal error");
    Node.Term.Kind = Node.Class.Kind;
    if (!IsOperationKind(Node.Term.Kind))
        return;

    const int level = Node.Term.Level + 1;
    if (level > MaxNestings)
        throw ETooManyNestings("Expression contains too many nestings");
    const int index = FSlots[level] + 1;
    if (index > MaxSlots)
        throw EExpressionTooComplex("Expression is too complex");
    ++FSlots[level];

    Node.Term.LeftText = std::string(FClassifier->Text(Node.Class.Left));
    TNode& left = AddChild(Node, Node.Class.Left, index, 1);
    BuildTerm(left);
    if (HasRightOperand(Node.Term.Kind)) {
        Node.Term.RightText = std::string(FClassifier->Text(Node.Class.Right));
        TNode& right = AddChild(Node, Node.Class.Right, index, 2);
        BuildTerm(right);
    }
}

std::uint8_t TExpressionCompiler::PowerKind(const TNode& Exponent) const {
    if (Exponent.Term.Kind != TermKind::Number)
        return TermKind::Power;
    const double value = *Exponent.Cell;
    const double n = std::trunc(value);
    if (!(n >= -2147483648.0 && n <= 2147483647.0))
        throw ERangeError("Exponent außerhalb des Bereichs: " + Exponent.Term.Text);
    if (n != value)
        return TermKind::Power;
    if (n == 2)
        return TermKind::Square;
    if (n == 3)
        return TermKind::Cube;
    if (n == 4)
        return TermKind::FourthPower;
    return TermKind::IntPower;
}
