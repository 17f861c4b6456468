#include "calculator/tablelimit.h"
#include "toolkit/checkedint.h"

#include <QLocale>
#include <QTest>

#include <string>

using namespace mjcalc;

constexpr std::int32_t kMax = 2147483647, kMin = -kMax - 1;
const double kTooLarge = qQNaN(); // where leadingNumber gives up
// 10^400 written out, and 10^399 as a fraction with many zeros and an exponent.
const std::string kManyDigits = '1' + std::string(400, '0');
const std::string kLongFraction = "0.1" + std::string(1000, '0') + "e400";
// 10^-400 behind 500 zeros, which say nothing of its size.
const std::string kZerosBeforeTiny = std::string(500, '0') + "1e-400";
// Each groups digits its own way: ",", ".", U+202F, U+00A0 (twice), "’", lakhs, Arabic "٬".
const char* const kLocales[] = {"C", "de_DE", "fr_FR", "ru_RU", "pl_PL", "de_CH", "hi_IN", "ar_EG"};

struct Case {
    const char* text;
    double leading;
    int whole;
    ConversionError error;
    const char* locale = nullptr; // none: the same in every locale
};
struct Limit {
    const char* text;
    LimitAction action;
    int limit = 0;
    const char* locale = "C";
};
Q_DECLARE_METATYPE(Case)
Q_DECLARE_METATYPE(Limit)

// How the locale that the test sets writes numbers.
static NumberSeparators separatorsOf(const char* locale)
{
    QLocale::setDefault(QLocale(QString::fromLatin1(locale)));
    return NumberSeparators::of(QLocale());
}

class TestConversions : public QObject {
    Q_OBJECT

private slots:
    // The same text through both readers: leadingNumber forgives, textToInt32 does not. A row
    // without a locale runs under each of them.
    void conversions_data()
    {
        QTest::addColumn<Case>("c");
        using enum ConversionError;
        const auto row = [](const char* tag, const Case& c) {
            if (c.locale)
                QTest::addRow("%s, %s", tag, c.locale) << c;
            for (const char* locale : kLocales) {
                if (!c.locale)
                    QTest::addRow("%s, %s", tag, locale)
                        << Case{c.text, c.leading, c.whole, c.error, locale};
            }
        };
        row("blanks around a sign", {" \t+42\t ", 42, 42, None});
        row("line ends around", {"\r\n15\r\n", 15, 15, None});
        row("control characters around", {"\x0b"
                                          "13\x01",
                                          0, 13, None});
        row("blanks inside", {" 1 2\t3\n4", 1234, 0, NotANumber});
        row("sign alone", {"-", 0, 0, NotANumber});
        row("exponent D", {"1D+2", 100, 100, None});
        row("bare exponent", {"12e", 12, 0, NotANumber});
        row("beyond double", {"1e400", kTooLarge, 0, Overflow});
        row("digits beyond double", {kManyDigits.c_str(), kTooLarge, 0, Overflow});
        row("long fraction beyond double", {kLongFraction.c_str(), kTooLarge, 0, Overflow, "C"});
        row("hex of both cases", {"&hAfaF", 44975, 44975, None});
        row("capital hex digits", {"&HABCDEF", 11259375, 11259375, None});
        row("leading zeros", {"007", 7, 7, None});
        row("leading zeros before a tiny number", {kZerosBeforeTiny.c_str(), 0, 0, None});
        row("largest hex", {"&HFFFFFFFF", 4294967295.0, 0, Overflow});
        row("hex past 32 bits", {"&H100000000", kTooLarge, 0, Overflow});
        row("octal stops at 8", {"&O18", 1, 0, NotANumber});
        row("octal in lower case", {"&o17", 15, 15, None});
        row("a prefix's letter without its &", {"1H5", 1, 0, NotANumber});
        row("prefix alone", {"&H", 0, 0, NotANumber});
        row("largest", {"2147483647", kMax, kMax, None});
        row("below smallest", {"-2147483649", -2147483649.0, 0, Overflow});
        row("smallest as shown", {"-2147483648", kMin, kMin, None});
        row("group first", {",5", 0, 0, NotANumber, "C"});
        row("grouped", {"1,000,000", 1, 1000000, None, "C"});
        row("group last, the next digit to come", {"1000,", 1000, 1000, None, "C"});
        row("two groups running", {"1,,000", 1, 0, NotANumber, "C"});
        row("grouped with a fraction", {"1,000.5", 1, 1000, None, "C"});
        row("one group and a fraction", {"12,345.75", 12, 12346, None, "C"});
        row("group before the point", {"1,.5", 1, 0, NotANumber, "C"});
        row("group after the point", {"1.5,0", 1.5, 0, NotANumber, "C"});
        row("half of zero to even", {".5", 0.5, 0, None, "C"});
        row("half up to even", {"3.5", 3.5, 4, None, "C"});
        row("negative half to even", {"-2.5", -2.5, -2, None, "C"});
        row("above half", {"2.51", 2.51, 3, None, "C"});
        row("exponent E", {"2.5E-1", 0.25, 0, None, "C"});
        row("largest and a half", {"2147483647.5", 2147483647.5, 0, Overflow, "C"});
        row("smallest less a half", {"-2147483648.5", -2147483648.5, kMin, None, "C"});
        row("blank between digits", {"1 000", 1000, 0, NotANumber, "C"});
        row("German", {"1.000,5", 1, 1000, None, "de_DE"});
        row("own blank", {"1\u202F000 000", 1, 1000000, None, "fr_FR"});
        row("plain blank", {"1 000", 1000, 1000, None, "fr_FR"});
        row("no-break blank, as older Qt writes French", {"1\u00A0000", 1, 1000, None, "fr_FR"});
        row("narrow no-break blank", {"1\u202F000", 1, 1000, None, "ru_RU"});
        row("foreign point", {"1.5", 1.5, 0, NotANumber, "fr_FR"});
        row("two blanks running", {"1  000", 1000, 0, NotANumber, "pl_PL"});
        row("blank before the sign", {" -5", -5, -5, None, "pl_PL"});
        row("blank after the sign", {"- 5", -5, 0, NotANumber, "pl_PL"});
        row("Swiss apostrophe", {"65\u2019536", 65, 65536, None, "de_CH"});
        row("plain apostrophe", {"65'536", 65, 65536, None, "de_CH"});
        row("lakhs", {"1,00,000", 1, 100000, None, "hi_IN"});
        row("Arabic groups", {"1\u066C000", 1, 1000, None, "ar_EG"});
        row("Arabic fraction", {"2\u066B5", 2, 2, None, "ar_EG"});
    }

    void conversions()
    {
        QFETCH(Case, c);
        const NumberSeparators separators = separatorsOf(c.locale);
        QCOMPARE(leadingNumber(QString::fromUtf8(c.text)).value_or(kTooLarge), c.leading);
        const WholeNumber number = textToInt32(QString::fromUtf8(c.text), separators);
        QCOMPARE(number.error, c.error);
        QCOMPARE(number.value, c.whole);
    }

    void edges()
    {
        // The blank keeps a column of figures lined up with negative ones.
        QCOMPARE(numberToText(0) + numberToText(-5) + numberToText(6442450944), " 0-5 6442450944");
        QVERIFY(checkedAdd(kMax - 1, 1) == kMax && !checkedAdd(kMax, 1) && !checkedAdd(kMin, -1));
        QVERIFY(checkedMul(-1073741824, 2) == kMin && !checkedMul(1073741824, 2));
    }

    void tableLimit_data()
    {
        QTest::addColumn<Limit>("l");
        using enum LimitAction;
        QTest::newRow("empty keeps the limit") << Limit{"", Ignore};
        QTest::newRow("highest") << Limit{"65536", Accept, 65536};
        QTest::newRow("no limit") << Limit{"0", Accept, 0};
        QTest::newRow("one past the highest") << Limit{"65537", TooHigh};
        QTest::newRow("half past the highest") << Limit{"65536.5", TooHigh};
        QTest::newRow("grouped too high") << Limit{"70,000", TooHigh};
        QTest::newRow("typo") << Limit{"12a", Typo};
        QTest::newRow("negative") << Limit{"-5", Typo};
        QTest::newRow("unreadably large") << Limit{"1e400", Typo};
        static const std::string startTooLarge = kManyDigits + ",0e-400"; // the whole reads 10
        QTest::newRow("start unreadably large") << Limit{startTooLarge.c_str(), Typo};
        QTest::newRow("pasted with its line end") << Limit{"15\n", Accept, 15};
        QTest::newRow("German fraction") << Limit{"1,5", Accept, 2, "de_DE"};
        QTest::newRow("French grouped too high") << Limit{"70\u202F000", TooHigh, 0, "fr_FR"};
    }

    void tableLimit()
    {
        QFETCH(Limit, l);
        const NumberSeparators separators = separatorsOf(l.locale);
        const LimitDecision decision = decideTableLimit(QString::fromUtf8(l.text), separators);
        QCOMPARE(decision.action, l.action);
        QCOMPARE(decision.limit, l.limit);
    }
};

QTEST_GUILESS_MAIN(TestConversions)
#include "tst_conversions.moc"
