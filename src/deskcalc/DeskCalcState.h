#pragma once

namespace deskcalc {

// The desk calculator's shared state: one copy for the whole run, kept while
// calculator windows open and close (a window only owns its view's text).
struct DeskCalcState
{
    // Pending operation: 0 none, 1 "+", 2 "-", 3 "×", 4 "÷", 5 after "平方",
    // 6 after "平方根". "=" applies only the codes 1 to 4.
    int rule = 0;
    // The stored first operand.
    double m = 0.0;
    // 1: the view shows a result and the next digit starts a new number;
    // 0: digits extend the view's text.
    int nn = 0;
    // Whether a second operand has been entered since the last operator:
    // typed (a "0" too) or shown by any key that changed the view. It tells
    // "3 × 0 =" and "3 × 5 C =" (both 0) from "3 × =" (which squares). Only
    // the next operator sets it back: clearing the entry or reopening the
    // window leaves it set.
    bool operandEntered = false;
};

} // namespace deskcalc
