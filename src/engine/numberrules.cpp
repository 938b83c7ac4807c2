#include "engine/numberrules.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace pernoa::num {
namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// Splits a numeric text into its ASCII core (sign stripped of a leading '+')
// and tells whether it has the accepted shape. Works on decoded characters, so
// full-width digits and other look-alikes never pass.
bool scan(const QString& text, std::string& core, int& magnitude) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && isBlank(text[i]))
        ++i;
    qsizetype end = n;
    while (end > i && isBlank(text[end - 1]))
        --end;
    if (i >= end)
        return false;

    core.clear();
    if (text[i] == u'+' || text[i] == u'-') {
        if (text[i] == u'-')
            core.push_back('-');
        ++i;
    }

    int intDigits = 0;
    int significantIntDigits = 0;
    bool seenNonZero = false;
    while (i < end && isDigit(text[i])) {
        if (text[i] != u'0')
            seenNonZero = true;
        if (seenNonZero)
            ++significantIntDigits;
        core.push_back(char(text[i].unicode()));
        ++intDigits;
        ++i;
    }
    int fracDigits = 0;
    int leadingFracZeros = 0;
    bool fracNonZero = false;
    if (i < end && text[i] == u'.') {
        core.push_back('.');
        ++i;
        while (i < end && isDigit(text[i])) {
            if (text[i] != u'0')
                fracNonZero = true;
            else if (!fracNonZero)
                ++leadingFracZeros;
            core.push_back(char(text[i].unicode()));
            ++fracDigits;
            ++i;
        }
    }
    if (intDigits == 0 && fracDigits == 0)
        return false;

    long exponent = 0;
    if (i < end && (text[i] == u'e' || text[i] == u'E')) {
        core.push_back('e');
        ++i;
        bool negative = false;
        if (i < end && (text[i] == u'+' || text[i] == u'-')) {
            negative = text[i] == u'-';
            if (negative)
                core.push_back('-');
            ++i;
        }
        int expDigits = 0;
        while (i < end && isDigit(text[i])) {
            if (exponent < 100000)
                exponent = exponent * 10 + (text[i].unicode() - u'0');
            core.push_back(char(text[i].unicode()));
            ++expDigits;
            ++i;
        }
        if (expDigits == 0)
            return false;
        if (negative)
            exponent = -exponent;
    }
    if (i != end)
        return false;

    // Decimal order of magnitude, only used to tell overflow from underflow.
    if (seenNonZero)
        magnitude = significantIntDigits + int(exponent);
    else if (fracNonZero)
        magnitude = -leadingFracZeros + int(exponent);
    else
        magnitude = std::numeric_limits<int>::min(); // zero
    return true;
}

// Converts; false when the number does not fit a double.
bool convert(const QString& text, double& out) {
    std::string core;
    int magnitude = 0;
    if (!scan(text, core, magnitude))
        return false;
    if (magnitude == std::numeric_limits<int>::min()) {
        out = 0.0;
        return true;
    }
    const char* first = core.data();
    const char* last = core.data() + core.size();
    double value = 0.0;
    const auto result = std::from_chars(first, last, value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        if (magnitude > 0)
            return false; // too large: not a number this program can hold
        out = 0.0;        // too small: underflows to zero, as the arithmetic would
        return true;
    }
    if (result.ec != std::errc() || result.ptr != last || !std::isfinite(value))
        return false;
    out = value;
    return true;
}

} // namespace

bool isNumeric(const QString& text) {
    double ignored = 0.0;
    return convert(text, ignored);
}

double toDouble(const QString& text) {
    double value = 0.0;
    if (!convert(text, value))
        throw RuntimeError(RuntimeError::Kind::TypeMismatch, "type mismatch");
    return value;
}

double toDoubleOrZero(const QString& text) {
    double value = 0.0;
    return convert(text, value) ? value : 0.0;
}

double roundHalfEven(double value) {
    if (!std::isfinite(value))
        return value;
    const double floor = std::floor(value);
    const double diff = value - floor;
    if (diff < 0.5)
        return floor;
    if (diff > 0.5)
        return floor + 1.0;
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

std::int16_t toInt16(double value) {
    const double r = roundHalfEven(value);
    if (!std::isfinite(r) || r < -32768.0 || r > 32767.0)
        throw RuntimeError(RuntimeError::Kind::Overflow, "overflow (16-bit)");
    return static_cast<std::int16_t>(r);
}

std::int32_t toInt32(double value) {
    const double r = roundHalfEven(value);
    if (!std::isfinite(r) || r < -2147483648.0 || r > 2147483647.0)
        throw RuntimeError(RuntimeError::Kind::Overflow, "overflow (32-bit)");
    return static_cast<std::int32_t>(r);
}

std::int16_t textToInt16(const QString& text) {
    return toInt16(toDouble(text));
}

std::int32_t textToInt32(const QString& text) {
    return toInt32(toDouble(text));
}

double checked(double value) {
    if (!std::isfinite(value))
        throw RuntimeError(RuntimeError::Kind::Overflow, "overflow");
    return value;
}

double divide(double a, double b) {
    if (b == 0.0) {
        if (a == 0.0 || std::isnan(a))
            throw RuntimeError(RuntimeError::Kind::Overflow, "overflow (0 / 0)");
        throw RuntimeError(RuntimeError::Kind::DivisionByZero, "division by zero");
    }
    return checked(a / b);
}

float toSingle(double value) {
    if (!std::isfinite(value) || std::fabs(value) > double(std::numeric_limits<float>::max()))
        throw RuntimeError(RuntimeError::Kind::Overflow, "overflow (single)");
    return static_cast<float>(value);
}

QString toText(double value) {
    if (value == 0.0)
        return QStringLiteral("0");
    if (!std::isfinite(value))
        throw RuntimeError(RuntimeError::Kind::Overflow, "overflow");
    QString text = QString::number(value, 'g', 15);
    if (!isNumeric(text)) {
        // Within half a unit in the 15th digit of the largest double, rounding
        // goes past it (1.79769313486232E+308), a text no reader can hold:
        // those few values are cut to 15 digits instead.
        const QString full = QString::number(value, 'e', 16); // d.dddddddddddddddde+ddd
        const qsizetype e = full.indexOf(u'e');
        QString mantissa = full.left((value < 0 ? 1 : 0) + 16);
        while (mantissa.endsWith(u'0'))
            mantissa.chop(1);
        if (mantissa.endsWith(u'.'))
            mantissa.chop(1);
        text = mantissa + full.sliced(e);
    }
    const qsizetype e = text.indexOf(u'e');
    if (e >= 0)
        text[e] = u'E';
    return text;
}

} // namespace pernoa::num
