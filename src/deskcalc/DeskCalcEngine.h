#pragma once

#include "deskcalc/DeskCalcState.h"

#include <string>

namespace deskcalc {

// The desk calculator's keys working on one window's number view and on the
// shared state: the view's text is the number being entered and every
// result, and nothing else keeps a number. Plain C++, so the window's
// buttons and keys and the tests drive the same code.
class DeskCalcEngine
{
public:
    enum class Key {
        Digit1,
        Digit2,
        Digit3,
        Digit4,
        Digit5,
        Digit6,
        Digit7,
        Digit8,
        Digit9,
        Zero, // "0"
        Point, // "."
        Sign, // "+/-"
        Backspace, // "退格"
        ClearEntry, // "C"
        ClearAll, // "清除"
        Add, // "+"
        Subtract, // "-"
        Multiply, // "×"
        Divide, // "÷"
        Square, // "平方"
        SquareRoot, // "平方根"
        Reciprocal, // "1/x"
        Equals, // "="
        Time, // "时间" / "关闭": switches between the number and the time view
    };

    // A freshly opened window: the view reads "0" and the number view shows;
    // `state` is kept as it is.
    explicit DeskCalcEngine(DeskCalcState &state);

    void press(Key key);

    // The user changed the view's text by typing into it.
    void editView(const std::string &text);

    // The number view's text (UTF-8), also while the time view hides it.
    const std::string &view() const { return m_view; }
    bool timeViewShown() const { return m_timeView; }
    const DeskCalcState &state() const { return m_state; }

private:
    void dispatch(Key key);
    void digit(char figure);
    void zero();
    void point();
    void sign();
    void backspace();
    void clearEntry();
    void clearAll();
    void setOperator(DeskCalcState::Operation operation);
    void square();
    void squareRoot();
    void reciprocal();
    void equals();
    void toggleTimeView();

    double value() const;

    DeskCalcState &m_state;
    std::string m_view = "0";
    bool m_timeView = false;
};

} // namespace deskcalc
