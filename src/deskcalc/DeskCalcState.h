#pragma once

namespace deskcalc {

// The desk calculator's shared state: one copy for the whole run, kept while
// calculator windows open and close (a window only owns its view's text).
struct DeskCalcState
{
    // What "=" or the next key works on: an operator's pending operation
    // (only these four does "=" apply), or the function that showed the
    // last result.
    enum class Operation {
        None,
        Add, // "+"
        Subtract, // "-"
        Multiply, // "×"
        Divide, // "÷"
        Squared, // after "平方"
        SquareRooted, // after "平方根"
    };

    Operation pendingOperation = Operation::None;
    // The first operand, stored by the operators and the functions.
    double storedOperand = 0.0;
    // True: the view shows a result and the next digit starts a new number;
    // false: digits extend the view's text.
    bool nextDigitStartsNumber = false;
    // Whether a second operand has been entered since the last operator:
    // typed (a "0" too) or shown by any key that changed the view. It tells
    // "3 × 0 =" and "3 × 5 C =" (both 0) from "3 × =" (which squares). Only
    // the next operator sets it back: clearing the entry or reopening the
    // window leaves it set.
    bool operandEntered = false;
};

} // namespace deskcalc
