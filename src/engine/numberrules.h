#pragma once

// The number rules of the whole program, in one place.
//
// The sheet parameters are typed as text, checked, converted, rounded and drawn.
// Every step must agree: a text that the check accepts must convert, a count
// typed with a fraction rounds half to even, and an arithmetic fault (overflow,
// division by zero, a value that is no longer finite) must stop the drawing
// through its one error handler instead of silently producing garbage.

#include <QString>

#include <cstdint>
#include <stdexcept>

namespace pernoa {

// Millimetres to twips: the program's own factor, not 1440 / 25.4.
inline constexpr double TwipsPerMm = 56.7;

// A run-time error in the program's arithmetic or in a device it drives.
// Every routine that draws or prints catches it in one place and shows the
// fixed error message.
class RuntimeError : public std::runtime_error {
public:
    enum class Kind { Overflow, DivisionByZero, TypeMismatch, OutOfMemory, Device };

    RuntimeError(Kind kind, const std::string& what) : std::runtime_error(what), m_kind(kind) {}
    RuntimeError(Kind kind, const QString& what) : RuntimeError(kind, what.toStdString()) {}
    Kind kind() const { return m_kind; }

private:
    Kind m_kind;
};

namespace num {

// True when the whole text is a number in plain decimal notation:
// optional blanks (spaces, tabs) around, an optional sign, digits with an
// optional point and fraction (".5" and "5." are numbers), an optional
// exponent (e or E, optional sign, digits). No digit grouping, no locale
// separators, no hexadecimal, no "inf"/"nan". The empty text and a text of
// blanks only are not numbers, and neither is a value too large for a double.
bool isNumeric(const QString& text);

// The text as a double. Throws RuntimeError(TypeMismatch) when isNumeric()
// is false, so a text that passed the check always converts.
double toDouble(const QString& text);

// Like toDouble(), but 0 for any text that is not numeric. For readers of
// stored values, where a malformed number reads as 0.
double toDoubleOrZero(const QString& text);

// The number at the start of a text, as a typed offset is kept: spaces, tabs
// and line feeds anywhere are ignored, "." is the point, an exponent counts
// only with its digits ("1.5mm" and "1.5e" give 1.5); 0 when the text does
// not start with a number. A value too large for a double gives an infinity
// of its sign, which no writer accepts.
double valOf(const QString& text);

// Rounds to the nearest integer, halves to even (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
// Non-finite input is returned unchanged.
double roundHalfEven(double value);

// Rounding conversions into 16- and 32-bit integers. Throw
// RuntimeError(Overflow) when the rounded value is out of range or the value
// is not finite.
std::int16_t toInt16(double value);
std::int32_t toInt32(double value);

// The text as toDouble() reads it, rounded into 32 bits as toInt32() does.
std::int32_t textToInt32(const QString& text);

// Throws RuntimeError(Overflow) unless value is finite; returns it otherwise.
double checked(double value);

// a / b, raising RuntimeError(DivisionByZero) for a zero divisor and
// RuntimeError(Overflow) for a result that is not finite.
double divide(double a, double b);

// The text of a number: at most 15 significant digits, no trailing zeros,
// "." as the point, "E" with a signed two-digit exponent for very large or
// very small magnitudes (1E+15, 1E-05). 16.53352929649234 gives
// "16.5335292964923"; 1.50 gives "1.5"; 3 gives "3"; -0 gives "0". The text
// always reads back as a number: next to the largest double, where rounding
// would pass it, the digits are cut instead (1.79769313486231E+308).
QString toText(double value);

// The text of a number in plain decimal notation: the digits of toText(),
// with an exponent written out as zeros (1E+15 gives "1000000000000000",
// 1.5E-05 gives "0.000015"). Throws RuntimeError(Overflow) for a value that
// is not finite.
QString toPlainText(double value);

// A number rounded half to even to a whole number, its thousands grouped by
// commas, for messages: 1000005 gives "1,000,005". Throws
// RuntimeError(Overflow) for a value that is not finite.
QString toGroupedText(double value);

// A number rounded to one decimal, for messages about fields that take
// tenths: 98 gives "98.0". Throws RuntimeError(Overflow) for a value that is
// not finite.
QString toTenthsText(double value);

// A coordinate handed to a drawing surface: single precision, as the surfaces
// take it. Throws RuntimeError(Overflow) when it does not fit a float.
float toSingle(double value);

// Millimetres to twips: mm x 56.7 in double precision, unrounded.
inline double mmToTwips(double mm) {
    return mm * TwipsPerMm;
}

} // namespace num
} // namespace pernoa
