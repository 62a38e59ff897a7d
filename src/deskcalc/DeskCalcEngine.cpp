#include "deskcalc/DeskCalcEngine.h"

#include "deskcalc/ViewNumber.h"

#include <cmath>

namespace deskcalc {

namespace {

using Operation = DeskCalcState::Operation;

// A square root's text is cut to this many characters.
constexpr std::size_t kSquareRootTextLimit = 30;

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
        setOperator(Operation::Add);
        break;
    case Key::Subtract:
        setOperator(Operation::Subtract);
        break;
    case Key::Multiply:
        setOperator(Operation::Multiply);
        break;
    case Key::Divide:
        setOperator(Operation::Divide);
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

void DeskCalcEngine::digit(char figure)
{
    m_timeView = false;
    m_state.operandEntered = true;
    if (m_state.nextDigitStartsNumber) {
        m_view = std::string(1, figure);
        m_state.nextDigitStartsNumber = false;
    } else if (isViewNumber(m_view) && m_view != "0") {
        m_view.push_back(figure);
    } else {
        // The lone "0", "Error!", a lone "-" or any other text that is no
        // number is replaced.
        m_view = std::string(1, figure);
    }
}

void DeskCalcEngine::zero()
{
    m_timeView = false;
    m_state.operandEntered = true;
    // The new-number flag stays as it is: after a result the next digit replaces this "0".
    if (m_view.empty() || m_view == kErrorText || m_state.nextDigitStartsNumber)
        m_view = emptyView();
    // No leading zeros: a single "0", "-" or "." takes none.
    const bool singleNonDigit
        = characterCount(m_view) == 1 && !(m_view[0] >= '1' && m_view[0] <= '9');
    if (!singleNonDigit)
        m_view.push_back('0');
}

void DeskCalcEngine::point()
{
    if (m_view == kErrorText)
        return;
    m_state.operandEntered = true;
    if (m_state.nextDigitStartsNumber) {
        // On a result the point starts a new number, so that a digit typed
        // next follows "0." rather than the result.
        m_view = "0.";
        m_state.nextDigitStartsNumber = false;
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
    m_state.nextDigitStartsNumber = false;
    if (m_view.front() == '-')
        m_view.erase(0, 1);
    else
        m_view.insert(0, 1, '-');
}

void DeskCalcEngine::backspace()
{
    if (characterCount(m_view) > 1 && m_view != kErrorText)
        removeLastCharacter(m_view);
    else
        m_view = emptyView();
}

void DeskCalcEngine::clearEntry()
{
    m_timeView = false;
    m_view = emptyView();
    m_state.nextDigitStartsNumber = false;
}

void DeskCalcEngine::clearAll()
{
    clearEntry();
    m_state.pendingOperation = Operation::None;
}

void DeskCalcEngine::setOperator(Operation operation)
{
    // The operation pending before is dropped, not evaluated.
    m_state.pendingOperation = operation;
    m_state.nextDigitStartsNumber = false;
    m_state.storedOperand = value();
    m_view = emptyView();
    m_state.operandEntered = false;
}

void DeskCalcEngine::square()
{
    m_state.pendingOperation = Operation::Squared;
    m_state.storedOperand = value();
    m_view = resultText(m_state.storedOperand * m_state.storedOperand);
    // The operand is the number shown, not the unrounded product.
    m_state.storedOperand = value();
    m_state.nextDigitStartsNumber = true;
}

void DeskCalcEngine::squareRoot()
{
    m_state.storedOperand = value();
    m_state.pendingOperation = Operation::SquareRooted;
    if (m_state.storedOperand < 0.0) {
        m_view = std::string(kErrorText);
    } else {
        std::string text = resultText(std::sqrt(m_state.storedOperand));
        if (characterCount(text) > kSquareRootTextLimit)
            text.resize(kSquareRootTextLimit); // result texts are ASCII
        m_view = text;
        m_state.storedOperand = value();
    }
    m_state.nextDigitStartsNumber = true;
}

void DeskCalcEngine::reciprocal()
{
    // The stored operand stays: a pending operation then applies to it and
    // the reciprocal ("3 + 4 1/x =" is 3.25).
    const double shown = value();
    m_view = shown == 0.0 ? std::string(kErrorText) : resultText(1.0 / shown);
    // As after the other functions, the next digit starts a new number.
    m_state.nextDigitStartsNumber = true;
}

void DeskCalcEngine::equals()
{
    const double operand = value();
    switch (m_state.pendingOperation) {
    case Operation::Add:
        m_view = resultText(m_state.storedOperand + operand);
        break;
    case Operation::Subtract:
        m_view = resultText(m_state.storedOperand - operand);
        break;
    case Operation::Multiply:
        // "3 × =" squares: the view still holds the "0" that the operator
        // left. Once an operand was entered, "=" takes what the view shows,
        // also a "0" that was typed or that "C", "退格", the time button or
        // a reopened window put back ("3 × 5 C =" is 0).
        if ((m_view == "0" || m_view.empty()) && !m_state.operandEntered)
            m_view = resultText(m_state.storedOperand * m_state.storedOperand);
        else
            m_view = resultText(m_state.storedOperand * operand);
        break;
    case Operation::Divide:
        if (operand == 0.0) {
            m_view = std::string(kErrorText);
            m_state.pendingOperation = Operation::None;
        } else {
            m_view = resultText(m_state.storedOperand / operand);
        }
        break;
    default:
        break; // nothing pending, or a function that already showed its result
    }
    if (m_state.pendingOperation != Operation::None)
        m_state.nextDigitStartsNumber = true;
}

void DeskCalcEngine::toggleTimeView()
{
    m_timeView = !m_timeView;
    // Either way the number view starts again at "0"; the pending operation,
    // the stored operand and an operand typed since stay.
    m_view = emptyView();
}

} // namespace deskcalc
