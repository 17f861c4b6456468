// Random texts through the number conversions and the table-limit decision, each under the
// separators of one of the locales players use. Beyond "no crash and no undefined behaviour", each
// text is held to what the conversions promise their callers, checked by other means than the
// code uses: a broken promise stops the run like a crash.

#include "calculator/tablelimit.h"
#include "toolkit/numbertext.h"

#include <QString>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <limits>
#include <optional>

using namespace mjcalc;

namespace {

// How the locales players use write numbers: the decimal point, the group separator, and what
// else a player may type for the group separator there.
struct Locale {
    NumberSeparators separators;
    const char16_t* groupsAlike;
};
const Locale kLocales[] = {
    {{u'.', u','}, u","},                        // C, English, Hindi
    {{u',', u'.'}, u"."},                        // German
    {{u',', QChar(0x202F)}, u"\u202F \u00A0"},   // French
    {{u',', QChar(0x00A0)}, u"\u00A0 \u202F"},   // Russian, Polish
    {{u'.', QChar(0x2019)}, u"\u2019'"},         // Swiss German
    {{QChar(0x066B), QChar(0x066C)}, u"\u066C"}, // Arabic
};

void mustHold(bool holds, const char* promise, const QString& text)
{
    if (holds)
        return;
    std::fprintf(stderr, "broken: %s\ntext: \"%s\" (UTF-16 units: %lld)\n", promise,
                 text.toUtf8().constData(), static_cast<long long>(text.size()));
    __builtin_trap();
}

bool sameReading(const WholeNumber& a, const WholeNumber& b)
{
    return a.error == b.error && (!a.ok() || a.value == b.value);
}

bool sameNumber(const std::optional<double>& a, const std::optional<double>& b)
{
    return a.has_value() == b.has_value() && (!a || *a == *b);
}

bool sameDecision(const LimitDecision& a, const LimitDecision& b)
{
    return a.action == b.action && (a.action != LimitAction::Accept || a.limit == b.limit);
}

bool isDigitOrPoint(QChar c, const Locale& locale)
{
    return (c >= u'0' && c <= u'9') || c == locale.separators.decimalPoint;
}

bool groupsAlike(QChar c, const Locale& locale)
{
    return QStringView(locale.groupsAlike).contains(c);
}

// The text without the blanks, tabs and line ends that leadingNumber skips wherever they are.
QString withoutSkippedBlanks(QString text)
{
    for (QChar blank : {u' ', u'\t', u'\n', u'\r'})
        text.remove(blank);
    return text;
}

QString trimmedOfBlanks(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    const auto blank = [](QChar c) { return c.isSpace() || c.category() == QChar::Other_Control; };
    while (first < last && blank(text[first]))
        ++first;
    while (last > first && blank(text[last - 1]))
        --last;
    return text.mid(first, last - first);
}

// The figures shown on the sheet must read back as what they show, in every locale, and so must
// the same figure grouped the locale's way.
void checkShownNumberReadsBack(std::int64_t value, const Locale& locale)
{
    const bool fits = value >= std::numeric_limits<std::int32_t>::min() &&
                      value <= std::numeric_limits<std::int32_t>::max();
    QString grouped = QString::number(value);
    for (qsizetype at = grouped.size() - 3; at > (value < 0 ? 1 : 0); at -= 3)
        grouped.insert(at, QStringView(locale.groupsAlike).front());
    for (const QString& shown : {numberToText(value), grouped}) {
        const WholeNumber read = textToInt32(shown, locale.separators);
        if (fits)
            mustHold(read.ok() && read.value == value, "a shown number reads back as itself",
                     shown);
        else
            mustHold(read.error == ConversionError::Overflow,
                     "a shown number beyond 32 bits reads as overflow", shown);
    }
}

void checkWholeNumber(const QString& text, QChar blank, const Locale& locale)
{
    const NumberSeparators separators = locale.separators;
    const WholeNumber whole = textToInt32(text, separators);

    mustHold(sameReading(textToInt32(QStringLiteral(" \t\r\n") + text + blank, separators), whole),
             "blanks and line ends around the text do not change its reading", text);

    if (!whole.ok())
        return;
    checkShownNumberReadsBack(whole.value, locale);

    const QString bare = trimmedOfBlanks(text);
    QString ungrouped = bare;
    ungrouped.removeIf([&](QChar c) { return groupsAlike(c, locale); });
    mustHold(sameReading(textToInt32(ungrouped, separators), whole),
             "a group separator adds nothing to the value", text);

    // Where both read the same characters, the strict reading must be the forgiving one rounded;
    // nearbyint rounds halves to even in the default rounding mode.
    const bool sameCharacters =
        ungrouped == bare && (separators.decimalPoint == u'.' ||
                              !(text.contains(u'.') || text.contains(separators.decimalPoint)));
    if (sameCharacters) {
        const std::optional<double> leading = leadingNumber(bare);
        mustHold(leading.has_value(), "an accepted number has a leading number", text);
        mustHold(std::nearbyint(*leading) == static_cast<double>(whole.value),
                 "an accepted number is its leading number rounded half to even", text);
    }

    if (!bare.isEmpty() && isDigitOrPoint(bare.front(), locale)) {
        const WholeNumber negated = textToInt32(QChar(u'-') + bare, separators);
        mustHold(negated.ok() && negated.value == -whole.value,
                 "a minus sign negates the reading, halves included", text);
    }
}

void checkLeadingNumber(const QString& text, qsizetype insertAt, QChar blank)
{
    const std::optional<double> leading = leadingNumber(text);

    QString spaced = text;
    spaced.insert(insertAt, blank);
    mustHold(sameNumber(leadingNumber(spaced), leading),
             "a blank, tab or line end anywhere does not change the leading number", text);

    // The whole text may go on past a group separator, where the leading number stops, to an
    // exponent that brings it back into range: "1", 400 zeros, ",0" and "e-400" read as 10.
    if (!leading && !text.contains(u','))
        mustHold(!textToInt32(text).ok(), "a number too large for a double is no 32-bit number",
                 text);

    const QString compact = withoutSkippedBlanks(text);
    if (!compact.isEmpty() && isDigitOrPoint(compact.front(), kLocales[0])) {
        const std::optional<double> negated = leadingNumber(QChar(u'-') + text);
        mustHold(negated.has_value() == leading.has_value() && (!leading || *negated == -*leading),
                 "a minus sign negates the leading number", text);
    }
}

void checkTableLimit(const QString& text, const Locale& locale)
{
    constexpr double highest = kHighestTableLimit;
    const LimitDecision decision = decideTableLimit(text, locale.separators);
    const std::optional<double> leading = leadingNumber(text);
    const WholeNumber whole = textToInt32(text, locale.separators);
    const bool leadingTooHigh = leading && *leading > highest;
    const bool wholeTooHigh = whole.ok() && whole.value > kHighestTableLimit;

    mustHold((decision.action == LimitAction::Ignore) == text.isEmpty(),
             "only an empty box keeps the limit in force", text);

    // After "too high" the box shows the highest limit with a leading blank, as all figures do.
    if (!text.isEmpty())
        mustHold(sameDecision(decideTableLimit(QChar(u' ') + text, locale.separators), decision),
                 "a leading blank does not change the decision", text);

    // Reading the start of the text failed, which is a typo whatever the whole text reads as.
    if (!leading) {
        mustHold(decision.action == LimitAction::Typo,
                 "a text starting with a number too large to hold is a typo", text);
        return;
    }
    if (decision.action == LimitAction::Accept) {
        mustHold(decision.limit >= 0 && decision.limit <= kHighestTableLimit,
                 "an accepted limit lies between 0 and the highest limit", text);
        mustHold(whole.ok() && whole.value == decision.limit,
                 "an accepted limit is what the whole text reads as", text);
        mustHold(*leading <= highest,
                 "no limit is accepted while the text starts above the highest", text);
    }
    mustHold((decision.action == LimitAction::TooHigh) == (leadingTooHigh || wholeTooHigh),
             "too high exactly when the leading or the whole number is above the highest", text);
    if (whole.ok() && whole.value >= 0 && !leadingTooHigh && !wholeTooHigh)
        mustHold(decision.action == LimitAction::Accept, "a number that fits is accepted", text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    // The last byte also picks the locale and the blank to try, so that every text meets every
    // locale's separators.
    const std::uint8_t last = size > 0 ? data[size - 1] : 0;
    constexpr char16_t blanks[] = {u' ', u'\t', u'\n', u'\r'};
    const QChar blank = blanks[last % 4];
    const Locale& locale = kLocales[(last / 4) % std::size(kLocales)];
    const qsizetype insertAt = size > 0 ? data[0] % (text.size() + 1) : 0;

    // The raw bytes also make a 64-bit number, to try figures the texts would rarely spell.
    std::int64_t raw = 0;
    std::memcpy(&raw, data, size < sizeof raw ? size : sizeof raw);
    checkShownNumberReadsBack(raw, locale);

    checkWholeNumber(text, blank, locale);
    checkLeadingNumber(text, insertAt, blank);
    checkTableLimit(text, locale);
    return 0;
}
