#include "engine/numberrules.h"

#include "engine/texts.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <string_view>

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

enum class Parsed { Number, NotNumber, TooLarge };

// Converts with from_chars, which no locale can change.
Parsed parse(const QString& text, double& out) {
    std::string core;
    int magnitude = 0;
    if (!scan(text, core, magnitude))
        return Parsed::NotNumber;
    if (magnitude == std::numeric_limits<int>::min()) {
        out = 0.0;
        return Parsed::Number;
    }
    const char* first = core.data();
    const char* last = core.data() + core.size();
    double value = 0.0;
    const auto result = std::from_chars(first, last, value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        if (magnitude > 0)
            return Parsed::TooLarge;
        out = 0.0; // too small: underflows to zero, as the arithmetic would
        return Parsed::Number;
    }
    if (result.ec != std::errc() || result.ptr != last)
        return Parsed::NotNumber;
    if (!std::isfinite(value))
        return Parsed::TooLarge;
    out = value;
    return Parsed::Number;
}

// Converts; false when the text is no number or the number does not fit a
// double.
bool convert(const QString& text, double& out) {
    return parse(text, out) == Parsed::Number;
}

} // namespace

bool isNumeric(const QString& text) {
    double ignored = 0.0;
    return convert(text, ignored);
}

double toDouble(const QString& text) {
    double value = 0.0;
    if (!convert(text, value))
        throw RuntimeError(RuntimeError::Kind::TypeMismatch, texts::typeMismatch());
    return value;
}

double toDoubleOrZero(const QString& text) {
    double value = 0.0;
    return convert(text, value) ? value : 0.0;
}

double valOf(const QString& text) {
    QString s;
    s.reserve(text.size());
    for (QChar c : text)
        if (c != u' ' && c != u'\t' && c != u'\n')
            s += c;

    // The longest start of the text that has the shape of a number.
    qsizetype i = 0;
    const qsizetype n = s.size();
    auto digits = [&] {
        const qsizetype from = i;
        while (i < n && isDigit(s[i]))
            ++i;
        return i - from;
    };
    if (i < n && (s[i] == u'+' || s[i] == u'-'))
        ++i;
    qsizetype mantissa = digits();
    if (i < n && s[i] == u'.') {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0)
        return 0.0;
    qsizetype end = i;
    if (i < n && (s[i] == u'e' || s[i] == u'E')) {
        ++i;
        if (i < n && (s[i] == u'+' || s[i] == u'-'))
            ++i;
        if (digits() > 0)
            end = i;
    }
    s.truncate(end);
    double value = 0.0;
    switch (parse(s, value)) {
    case Parsed::Number:
        return value;
    case Parsed::TooLarge:
        return s.startsWith(u'-') ? -std::numeric_limits<double>::infinity()
                                  : std::numeric_limits<double>::infinity();
    case Parsed::NotNumber:
        break;
    }
    return 0.0;
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
        throw RuntimeError(RuntimeError::Kind::Overflow, texts::overflow16Bit());
    return static_cast<std::int16_t>(r);
}

std::int32_t toInt32(double value) {
    const double r = roundHalfEven(value);
    if (!std::isfinite(r) || r < -2147483648.0 || r > 2147483647.0)
        throw RuntimeError(RuntimeError::Kind::Overflow, texts::overflow32Bit());
    return static_cast<std::int32_t>(r);
}

std::int32_t textToInt32(const QString& text) {
    return toInt32(toDouble(text));
}

double checked(double value) {
    if (!std::isfinite(value))
        throw RuntimeError(RuntimeError::Kind::Overflow, texts::overflow());
    return value;
}

double divide(double a, double b) {
    if (b == 0.0) {
        if (a == 0.0 || std::isnan(a))
            throw RuntimeError(RuntimeError::Kind::Overflow, texts::overflowZeroByZero());
        throw RuntimeError(RuntimeError::Kind::DivisionByZero, texts::divisionByZero());
    }
    return checked(a / b);
}

float toSingle(double value) {
    if (!std::isfinite(value) || std::fabs(value) > double(std::numeric_limits<float>::max()))
        throw RuntimeError(RuntimeError::Kind::Overflow, texts::overflowSingle());
    return static_cast<float>(value);
}

QString toText(double value) {
    if (value == 0.0)
        return QStringLiteral("0");
    if (!std::isfinite(value))
        throw RuntimeError(RuntimeError::Kind::Overflow, texts::overflow());
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

QString toPlainText(double value) {
    const QString text = toText(value);
    const qsizetype e = text.indexOf(u'E');
    if (e < 0)
        return text;

    QString mantissa = text.left(e);
    const QByteArray exponentText = text.sliced(e + 1).toLatin1(); // +dd or -ddd
    int exponent = 0;
    std::from_chars(exponentText.constData() + 1, exponentText.constData() + exponentText.size(),
                    exponent);
    if (exponentText.startsWith('-'))
        exponent = -exponent;
    QString sign;
    if (mantissa.startsWith(u'-')) {
        sign = QStringLiteral("-");
        mantissa.remove(0, 1);
    }
    qsizetype point = mantissa.indexOf(u'.');
    if (point < 0)
        point = mantissa.size();
    const QString digits = QString(mantissa).remove(u'.');
    const qsizetype newPoint = point + exponent;
    QString plain;
    if (newPoint <= 0)
        plain = QStringLiteral("0.") + QString(-newPoint, u'0') + digits;
    else if (newPoint >= digits.size())
        plain = digits + QString(newPoint - digits.size(), u'0');
    else
        plain = digits.left(newPoint) + u'.' + digits.sliced(newPoint);
    return sign + plain;
}

QString toTenthsText(double value) {
    return QString::number(checked(value), 'f', 1);
}

QString toGroupedText(double value) {
    double whole = roundHalfEven(checked(value));
    if (whole == 0.0)
        whole = 0.0; // -0 reads "0"
    // Every digit of the largest double, its sign and a margin.
    char buffer[std::numeric_limits<double>::max_exponent10 + 8];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, whole, std::chars_format::fixed, 0);
    const std::string_view digits(buffer, result.ptr);
    const std::size_t first = digits.starts_with('-') ? 1 : 0;
    QString text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > first && (digits.size() - i) % 3 == 0)
            text += u',';
        text += QLatin1Char(digits[i]);
    }
    return text;
}

} // namespace pernoa::num
