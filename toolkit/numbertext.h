#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>

class QLocale;

namespace mjcalc {

// Decimal digits after one blank for zero and positive numbers, after "-" for negative ones:
// the blank keeps a column of figures lined up whatever their sign.
[[nodiscard]] QString numberToText(std::int64_t value);

// The number a text starts with, read the forgiving way: blanks, tabs and line ends anywhere are
// dropped, reading stops at the first character that cannot continue a number, and a text that
// does not start with a number counts as 0. Understands a sign, "." fractions, exponents
// ("1e3", "1d3") and the &H (hex) and &O (octal) prefixes. Empty only when the number is too large
// to hold at all.
[[nodiscard]] std::optional<double> leadingNumber(QStringView text);

enum class ConversionError { None, NotANumber, Overflow };

struct WholeNumber {
    std::int32_t value = 0;
    ConversionError error = ConversionError::None;

    [[nodiscard]] bool ok() const { return error == ConversionError::None; }
};

// How the player's locale writes numbers: "1,000.5" in English, "1.000,5" in German.
struct NumberSeparators {
    QChar decimalPoint = u'.';
    QChar group = u',';

    [[nodiscard]] static NumberSeparators of(const QLocale& locale);
};

// The whole text as one 32-bit integer, read strictly: blanks, line ends and control characters
// around the number, the group separator between two digits and a fraction (rounded to the nearest
// whole number, halves to the even one) are allowed; anything else is NotANumber, and a value
// outside the 32-bit range Overflow. Where the group separator is a blank of some kind, an
// ordinary blank serves as well, and so does "'" for the Swiss "’". Whatever the locale, a number
// written by numberToText reads back as itself.
[[nodiscard]] WholeNumber textToInt32(QStringView text, NumberSeparators separators = {});

} // namespace mjcalc
