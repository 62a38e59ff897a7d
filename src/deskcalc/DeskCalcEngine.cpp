#include "deskcalc/DeskCalcEngine.h"

#include "deskcalc/ViewNumber.h"

#include <cmath>

namespace deskcalc {

namespace {

enum Rule : int {
    none = 0,
    add = 1,
    subtract = 2,
    multiply = 3,
    divide = 4,
    squared = 5,
    squareRooted = 6,
};

// A square root's text is cut to this many characters.
constexpr std::size_t squareRootTextLimit = 30;

// The view after a clear, and at the start of an entry. Assigned as a
// string, not as a character array: GCC 12 warns falsely (-Wrestrict) about
// the inlined copy of a character array into a string.
const std::string &emptyView()
{
    static const std::string zero = "0";
    return zero;
}

bool isContinuationByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Length in characters (code points) of a UTF-8 text.
std::size_t characterCount(const std::string &text)
{
    std::size_t count = 0;
    for (char c : text) {
        if (!isContinuationByte(c))
            ++count;
    }
    return count;
}

void removeLastCharacter(std::string &text)
{
    while (!text.empty() && isContinuationByte(text.back()))
        text.pop_back();
    if (!text.empty())
        text.pop_back();
}

} // namespace

DeskCalcEngine::DeskCalcEngine(DeskCalcState &state)
    : m_state(state)
{ }

void DeskCalcEngine::press(Key key)
{
    const std::string before = m_view;
    dispatch(key);
    // After an operator the view holds its "0" until a key changes that: a
    // result, "Error!", a typed number or the "0" that clearing it leaves
    // is then the operand that "=" takes (see equals()).
    const bool isOperator
        = key == Key::Add || key == Key::Subtract || key == Key::Multiply || key == Key::Divide;
    if (!isOperator && m_view != before)
        m_state.operandEntered = true;
}

void DeskCalcEngine::dispatch(Key key)
{
    switch (key) {
    case Key::Digit1:
    case Key::Digit2:
    case Key::Digit3:
    case Key::Digit4:
    case Key::Digit5:
    case Key::Digit6:
    case Key::Digit7:
    case Key::Digit8:
    case Key::Digit9:
        digit(static_cast<char>('1' + (static_cast<int>(key) - static_cast<int>(Key::Digit1))));
        break;
    case Key::Zero:
        zero();
        break;
    case Key::Point:
        point();
        break;
    case Key::Sign:
        sign();
        break;
    case Key::Backspace:
        backspace();
        break;
    case Key::ClearEntry:
        clearEntry();
        break;
    case Key::ClearAll:
        clearAll();
        break;
    case Key::Add:
        setOperator(add);
        break;
    case Key::Subtract:
        setOperator(subtract);
        break;
    case Key::Multiply:
        setOperator(multiply);
        break;
    case Key::Divide:
        setOperator(divide);
        break;
    case Key::Square:
        square();
        break;
    case Key::SquareRoot:
        squareRoot();
        break;
    case Key::Reciprocal:
        reciprocal();
        break;
    case Key::Equals:
        equals();
        break;
    case Key::Time:
        toggleTimeView();
        break;
    }
}

void DeskCalcEngine::editView(const std::string &text)
{
    m_view = text;
    m_state.operandEntered = true;
}

double DeskCalcEngine::value() const
{
    return viewValue(m_view);
}

void DeskCalcEngine::digit(char d)
{
    m_timeView = false;
    m_state.operandEntered = true;
    if (m_state.nn == 1) {
        m_view = std::string(1, d);
        m_state.nn = 0;
    } else if (isViewNumber(m_view) && m_view != "0") {
        m_view.push_back(d);
    } else {
        // The lone "0", "Error!", a lone "-" or any other text that is no
        // number is replaced.
        m_view = std::string(1, d);
    }
}

void DeskCalcEngine::zero()
{
    m_timeView = false;
    m_state.operandEntered = true;
    // nn stays as it is: after a result the next digit replaces this "0".
    if (m_view.empty() || m_view == errorText || m_state.nn == 1)
        m_view = emptyView();
    // No leading zeros: a single "0", "-" or "." takes none.
    const bool singleNonDigit
        = characterCount(m_view) == 1 && !(m_view[0] >= '1' && m_view[0] <= '9');
    if (!singleNonDigit)
        m_view.push_back('0');
}

void DeskCalcEngine::point()
{
    if (m_view == errorText)
        return;
    m_state.operandEntered = true;
    if (m_state.nn == 1) {
        // On a result the point starts a new number, so that a digit typed
        // next follows "0." rather than the result.
        m_view = "0.";
        m_state.nn = 0;
        return;
    }
    if (m_view.find('.') == std::string::npos)
        m_view.push_back('.');
}

void DeskCalcEngine::sign()
{
    if (!isViewNumber(m_view) || value() == 0.0)
        return;
    // A signed result becomes the number being entered.
    m_state.nn = 0;
    if (m_view.front() == '-')
        m_view.erase(0, 1);
    else
        m_view.insert(0, 1, '-');
}

void DeskCalcEngine::backspace()
{
    if (characterCount(m_view) > 1 && m_view != errorText)
        removeLastCharacter(m_view);
    else
        m_view = emptyView();
}

void DeskCalcEngine::clearEntry()
{
    m_timeView = false;
    m_view = emptyView();
    m_state.nn = 0;
}

void DeskCalcEngine::clearAll()
{
    clearEntry();
    m_state.rule = none;
}

void DeskCalcEngine::setOperator(int code)
{
    // The operation pending before is dropped, not evaluated.
    m_state.rule = code;
    m_state.nn = 0;
    m_state.m = value();
    m_view = emptyView();
    m_state.operandEntered = false;
}

void DeskCalcEngine::square()
{
    m_state.rule = squared;
    m_state.m = value();
    m_view = resultText(m_state.m * m_state.m);
    // The operand is the number shown, not the unrounded product.
    m_state.m = value();
    m_state.nn = 1;
}

void DeskCalcEngine::squareRoot()
{
    m_state.m = value();
    m_state.rule = squareRooted;
    if (m_state.m < 0.0) {
        m_view = std::string(errorText);
    } else {
        std::string text = resultText(std::sqrt(m_state.m));
        if (characterCount(text) > squareRootTextLimit)
            text.resize(squareRootTextLimit); // result texts are ASCII
        m_view = text;
        m_state.m = value();
    }
    m_state.nn = 1;
}

void DeskCalcEngine::reciprocal()
{
    // The stored operand stays: a pending operation then applies to it and
    // the reciprocal ("3 + 4 1/x =" is 3.25).
    const double x = value();
    m_view = x == 0.0 ? std::string(errorText) : resultText(1.0 / x);
    // As after the other functions, the next digit starts a new number.
    m_state.nn = 1;
}

void DeskCalcEngine::equals()
{
    const double operand = value();
    switch (m_state.rule) {
    case add:
        m_view = resultText(m_state.m + operand);
        break;
    case subtract:
        m_view = resultText(m_state.m - operand);
        break;
    case multiply:
        // "3 × =" squares: the view still holds the "0" that the operator
        // left. Once an operand was entered, "=" takes what the view shows,
        // also a "0" that was typed or that "C", "退格", the time button or
        // a reopened window put back ("3 × 5 C =" is 0).
        if ((m_view == "0" || m_view.empty()) && !m_state.operandEntered)
            m_view = resultText(m_state.m * m_state.m);
        else
            m_view = resultText(m_state.m * operand);
        break;
    case divide:
        if (operand == 0.0) {
            m_view = std::string(errorText);
            m_state.rule = none;
        } else {
            m_view = resultText(m_state.m / operand);
        }
        break;
    default:
        break; // nothing pending, or a function that already showed its result
    }
    if (m_state.rule > none)
        m_state.nn = 1;
}

void DeskCalcEngine::toggleTimeView()
{
    m_timeView = !m_timeView;
    // Either way the number view starts again at "0"; the pending operation,
    // the stored operand and an operand typed since stay.
    m_view = emptyView();
}

} // namespace deskcalc
