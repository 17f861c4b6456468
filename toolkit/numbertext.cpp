#include "toolkit/numbertext.h"

#include <QLocale>

#include <cerrno>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>

namespace mjcalc {

namespace {

constexpr std::uint64_t kLargestRadixValue = 0xFFFFFFFFu;

bool isAsciiDigit(char c)
{
    return c >= '0' && c <= '9';
}

int digitValue(char c, int radix)
{
    int value = -1;
    if (isAsciiDigit(c))
        value = c - '0';
    else if (c >= 'a' && c <= 'f')
        value = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        value = c - 'A' + 10;
    return value < radix ? value : -1;
}

// Non-ASCII characters become '\0', which no number can contain, so full-width or other
// script digits end a number instead of being misread.
char asciiOf(QChar c)
{
    return c.unicode() < 128 ? static_cast<char>(c.unicode()) : '\0';
}

std::string toAscii(QStringView text, bool dropBlanksEverywhere)
{
    std::string ascii;
    ascii.reserve(static_cast<std::size_t>(text.size()));
    for (QChar c : text) {
        if (dropBlanksEverywhere && (c == u' ' || c == u'\t' || c == u'\n' || c == u'\r'))
            continue;
        ascii.push_back(asciiOf(c));
    }
    return ascii;
}

// Blanks, tabs, line ends and other control characters: pasted text brings them along, and
// none of them can be part of a number.
bool isBlank(QChar c)
{
    return c.isSpace() || c.category() == QChar::Other_Control;
}

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// What players type for the locale's group separator: the locale's own character, and where that
// is a blank of some kind (French writes U+202F or U+00A0, depending on the Qt version), any of
// those or a plain blank; where it is the typographic apostrophe (Swiss German), the plain one.
bool isGroupSeparator(QChar c, QChar group)
{
    if (c == group)
        return true;
    if (group.isSpace())
        return c == u' ' || c == QChar(0x00A0) || c == QChar(0x202F);
    return group == QChar(0x2019) && c == u'\'';
}

// The locale's separators become "." and ","; a group separator counts only after a digit and
// before the next one, or at the end, where the player is about to type that digit. A "." or ","
// that is not the locale's own means nothing in a number there, so it becomes '\0', as does a
// group separator anywhere else.
std::string toAsciiSeparators(QStringView text, NumberSeparators separators)
{
    std::string ascii;
    ascii.reserve(static_cast<std::size_t>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == separators.decimalPoint) {
            ascii.push_back('.');
        } else if (isGroupSeparator(c, separators.group)) {
            const bool betweenDigits = i > 0 && isAsciiDigit(text[i - 1]) &&
                                       (i + 1 == text.size() || isAsciiDigit(text[i + 1]));
            ascii.push_back(betweenDigits ? ',' : '\0');
        } else if (c == u'.' || c == u',') {
            ascii.push_back('\0');
        } else {
            ascii.push_back(asciiOf(c));
        }
    }
    return ascii;
}

struct RadixScan {
    std::size_t consumed = 0; // characters read, prefix included; 0 when no prefix
    std::size_t digits = 0;
    bool overflow = false;
    std::uint64_t value = 0;
};

// "&H1F" and "&O17": the digits after the prefix, as an unsigned 32-bit value.
RadixScan scanRadix(std::string_view s)
{
    RadixScan scan;
    if (s.size() < 2 || s[0] != '&')
        return scan;
    int radix = 0;
    if (s[1] == 'H' || s[1] == 'h')
        radix = 16;
    else if (s[1] == 'O' || s[1] == 'o')
        radix = 8;
    else
        return scan;
    std::size_t i = 2;
    for (; i < s.size(); ++i) {
        const int digit = digitValue(s[i], radix);
        if (digit < 0)
            break;
        ++scan.digits;
        scan.value =
            scan.value * static_cast<std::uint64_t>(radix) + static_cast<std::uint64_t>(digit);
        if (scan.value > kLargestRadixValue) {
            scan.overflow = true;
            scan.value = 0;
        }
    }
    scan.consumed = i;
    return scan;
}

struct DecimalScan {
    std::string normalised;   // what std::from_chars can read: no "+", no ",", exponent as "e"
    std::size_t consumed = 0; // 0 when the text does not start with a number
    int magnitude = 0;        // rough power of ten, to tell huge from tiny when out of range
};

// [sign] digits [. digits] [exponent], with "," allowed after the first integer digit when
// grouping is on. Only a complete exponent is taken: "12e" reads as 12.
DecimalScan scanDecimal(std::string_view s, bool allowGrouping)
{
    DecimalScan scan;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        if (s[i] == '-')
            scan.normalised.push_back('-');
        ++i;
    }
    int integerDigits = 0;
    int significantIntegerDigits = 0;
    for (; i < s.size(); ++i) {
        if (isAsciiDigit(s[i])) {
            if (significantIntegerDigits > 0 || s[i] != '0')
                ++significantIntegerDigits;
            ++integerDigits;
            scan.normalised.push_back(s[i]);
        } else if (!(allowGrouping && s[i] == ',' && integerDigits > 0)) {
            break;
        }
    }
    int fractionDigits = 0;
    int leadingFractionZeros = 0;
    if (i < s.size() && s[i] == '.') {
        scan.normalised.push_back('.');
        for (++i; i < s.size() && isAsciiDigit(s[i]); ++i) {
            if (fractionDigits == leadingFractionZeros && s[i] == '0')
                ++leadingFractionZeros;
            ++fractionDigits;
            scan.normalised.push_back(s[i]);
        }
    }
    if (integerDigits + fractionDigits == 0) {
        scan.normalised.clear();
        return scan;
    }
    scan.magnitude =
        significantIntegerDigits > 0 ? significantIntegerDigits : -leadingFractionZeros;

    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            exponent.push_back(s[j++]);
        const std::size_t firstDigit = j;
        long long exponentValue = 0;
        for (; j < s.size() && isAsciiDigit(s[j]); ++j) {
            exponent.push_back(s[j]);
            if (exponentValue < 100000)
                exponentValue = exponentValue * 10 + (s[j] - '0');
        }
        if (j > firstDigit) {
            scan.normalised += exponent;
            scan.magnitude += static_cast<int>(exponent[1] == '-' ? -exponentValue : exponentValue);
            i = j;
        }
    }
    scan.consumed = i;
    return scan;
}

// Empty when the number is too large for a double; numbers too small to hold read as 0.
std::optional<double> toDouble(const DecimalScan& scan)
{
    double value = 0.0;
    const char* first = scan.normalised.data();
    const char* last = first + scan.normalised.size();
#ifdef __cpp_lib_to_chars
    const auto [end, error] = std::from_chars(first, last, value);
    const bool outOfRange = error == std::errc::result_out_of_range;
    const bool read = error == std::errc() && end == last;
#else
    // A standard library without from_chars for doubles (the browser build's libc++) has the C
    // library read it: the text is plain ASCII with a point, which every C locale reads alike,
    // and the C library of that build knows no other decimal point.
    char* end = nullptr;
    errno = 0;
    value = std::strtod(first, &end);
    // A result too small to hold comes back as a number below the smallest normal double.
    const bool outOfRange = errno == ERANGE && (std::isinf(value) || std::fabs(value) < DBL_MIN);
    const bool read = end == last;
#endif
    if (outOfRange)
        return scan.magnitude > 0 ? std::nullopt : std::optional<double>(0.0);
    if (!read)
        return 0.0;
    return value;
}

double roundHalfToEven(double value)
{
    const double floor = std::floor(value);
    const double rest = value - floor;
    if (rest > 0.5)
        return floor + 1.0;
    if (rest < 0.5)
        return floor;
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

WholeNumber fromDouble(double value)
{
    const double rounded = roundHalfToEven(value);
    if (!(rounded >= static_cast<double>(std::numeric_limits<std::int32_t>::min()) &&
          rounded <= static_cast<double>(std::numeric_limits<std::int32_t>::max())))
        return {0, ConversionError::Overflow};
    return {static_cast<std::int32_t>(rounded), ConversionError::None};
}

} // namespace

QString numberToText(std::int64_t value)
{
    const QString digits = QString::number(value);
    return value < 0 ? digits : QLatin1Char(' ') + digits;
}

std::optional<double> leadingNumber(QStringView text)
{
    const std::string compact = toAscii(text, true);
    const RadixScan radix = scanRadix(compact);
    if (radix.consumed > 0) {
        if (radix.overflow)
            return std::nullopt;
        return static_cast<double>(radix.value);
    }
    const DecimalScan decimal = scanDecimal(compact, false);
    if (decimal.consumed == 0)
        return 0.0;
    return toDouble(decimal);
}

NumberSeparators NumberSeparators::of(const QLocale& locale)
{
    NumberSeparators separators;
    const QString decimalPoint = locale.decimalPoint();
    const QString group = locale.groupSeparator();
    if (decimalPoint.size() == 1)
        separators.decimalPoint = decimalPoint.front();
    if (group.size() == 1 && group.front() != separators.decimalPoint)
        separators.group = group.front();
    return separators;
}

WholeNumber textToInt32(QStringView text, NumberSeparators separators)
{
    // Blanks around the number go first, so that none of them is taken for a group separator.
    while (!text.isEmpty() && isBlank(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && isBlank(text.back()))
        text.chop(1);
    const std::string ascii = toAsciiSeparators(text, separators);
    const std::string_view s = ascii;

    const RadixScan radix = scanRadix(s);
    if (radix.consumed > 0) {
        if (radix.digits == 0 || radix.consumed != s.size())
            return {0, ConversionError::NotANumber};
        if (radix.overflow)
            return {0, ConversionError::Overflow};
        return fromDouble(static_cast<double>(radix.value));
    }

    const DecimalScan decimal = scanDecimal(s, true);
    if (decimal.consumed == 0 || decimal.consumed != s.size())
        return {0, ConversionError::NotANumber};
    const std::optional<double> value = toDouble(decimal);
    if (!value)
        return {0, ConversionError::Overflow};
    return fromDouble(*value);
}

} // namespace mjcalc
