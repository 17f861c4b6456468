// Random texts through the number conversions and the table-limit decision. Beyond "no crash and
// no undefined behaviour", each text is held to what the conversions promise their callers,
// checked by other means than the code uses: a broken promise stops the run like a crash.

#include "calculator/tablelimit.h"
#include "toolkit/numbertext.h"

#include <QString>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <optional>

using namespace mjcalc;

namespace {

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

bool isDigitOrPoint(QChar c)
{
    return (c >= u'0' && c <= u'9') || c == u'.';
}

// The text without the blanks, tabs and line feeds that leadingNumber skips wherever they are.
QString withoutSkippedBlanks(QString text)
{
    text.remove(u' ');
    text.remove(u'\t');
    text.remove(u'\n');
    return text;
}

QString trimmedOfBlanksAndTabs(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && (text[first] == u' ' || text[first] == u'\t'))
        ++first;
    while (last > first && (text[last - 1] == u' ' || text[last - 1] == u'\t'))
        --last;
    return text.mid(first, last - first);
}

// The figures shown on the sheet must read back as what they show.
void checkShownNumberReadsBack(std::int64_t value)
{
    const QString shown = numberToText(value);
    const WholeNumber read = textToInt32(shown);
    const bool fits = value >= std::numeric_limits<std::int32_t>::min() &&
                      value <= std::numeric_limits<std::int32_t>::max();
    if (fits)
        mustHold(read.ok() && read.value == value, "a shown number reads back as itself", shown);
    else
        mustHold(read.error == ConversionError::Overflow,
                 "a shown number beyond 32 bits reads as overflow", shown);
}

void checkWholeNumber(const QString& text, char blank)
{
    const WholeNumber whole = textToInt32(text);

    // Only blanks and tabs are trimmed: a line feed is never part of a number.
    const QChar after = blank == '\n' ? QChar(u'\t') : QChar::fromLatin1(blank);
    mustHold(sameReading(textToInt32(QStringLiteral(" \t ") + text + after), whole),
             "blanks and tabs around the text do not change its reading", text);

    if (!whole.ok())
        return;
    checkShownNumberReadsBack(whole.value);

    QString ungrouped = text;
    ungrouped.remove(u',');
    mustHold(sameReading(textToInt32(ungrouped), whole),
             "a thousands separator adds nothing to the value", text);

    if (!text.contains(u',')) {
        // Without separators both read the same characters, so the strict reading must be the
        // forgiving one rounded; nearbyint rounds halves to even in the default rounding mode.
        const std::optional<double> leading = leadingNumber(text);
        mustHold(leading.has_value(), "an accepted number has a leading number", text);
        mustHold(std::nearbyint(*leading) == static_cast<double>(whole.value),
                 "an accepted number is its leading number rounded half to even", text);
    }

    const QString bare = trimmedOfBlanksAndTabs(text);
    if (!bare.isEmpty() && isDigitOrPoint(bare.front())) {
        const WholeNumber negated = textToInt32(QChar(u'-') + bare);
        mustHold(negated.ok() && negated.value == -whole.value,
                 "a minus sign negates the reading, halves included", text);
    }
}

void checkLeadingNumber(const QString& text, qsizetype insertAt, char blank)
{
    const std::optional<double> leading = leadingNumber(text);

    QString spaced = text;
    spaced.insert(insertAt, QChar::fromLatin1(blank));
    mustHold(sameNumber(leadingNumber(spaced), leading),
             "a blank, tab or line feed anywhere does not change the leading number", text);

    if (!leading)
        mustHold(!textToInt32(text).ok(), "a number too large for a double is no 32-bit number",
                 text);

    const QString compact = withoutSkippedBlanks(text);
    if (!compact.isEmpty() && isDigitOrPoint(compact.front())) {
        const std::optional<double> negated = leadingNumber(QChar(u'-') + text);
        mustHold(negated.has_value() == leading.has_value() && (!leading || *negated == -*leading),
                 "a minus sign negates the leading number", text);
    }
}

void checkTableLimit(const QString& text)
{
    constexpr double highest = kHighestTableLimit;
    const LimitDecision decision = decideTableLimit(text);
    const std::optional<double> leading = leadingNumber(text);
    const WholeNumber whole = textToInt32(text);
    const bool leadingTooHigh = leading && *leading > highest;
    const bool wholeTooHigh = whole.ok() && whole.value > kHighestTableLimit;

    mustHold((decision.action == LimitAction::Ignore) == text.isEmpty(),
             "only an empty box keeps the limit in force", text);

    if (decision.action == LimitAction::Accept) {
        mustHold(decision.limit >= 0 && decision.limit <= kHighestTableLimit,
                 "an accepted limit lies between 0 and the highest limit", text);
        mustHold(whole.ok() && whole.value == decision.limit,
                 "an accepted limit is what the whole text reads as", text);
        mustHold(leading && *leading <= highest,
                 "no limit is accepted while the text starts above the highest", text);
    }
    mustHold((decision.action == LimitAction::TooHigh) == (leadingTooHigh || wholeTooHigh),
             "too high exactly when the leading or the whole number is above the highest", text);
    if (whole.ok() && whole.value >= 0 && !leadingTooHigh && !wholeTooHigh)
        mustHold(decision.action == LimitAction::Accept, "a number that fits is accepted", text);

    // After "too high" the box shows the highest limit with a leading blank, as all figures do.
    if (!text.isEmpty())
        mustHold(sameDecision(decideTableLimit(QChar(u' ') + text), decision),
                 "a leading blank does not change the decision", text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    // The raw bytes also make a 64-bit number, to try figures the texts would rarely spell.
    std::int64_t raw = 0;
    std::memcpy(&raw, data, size < sizeof raw ? size : sizeof raw);
    checkShownNumberReadsBack(raw);

    constexpr char blanks[] = {' ', '\t', '\n'};
    const char blank = size > 0 ? blanks[data[size - 1] % 3] : ' ';
    const qsizetype insertAt = size > 0 ? data[0] % (text.size() + 1) : 0;

    checkWholeNumber(text, blank);
    checkLeadingNumber(text, insertAt, blank);
    checkTableLimit(text);
    return 0;
}
