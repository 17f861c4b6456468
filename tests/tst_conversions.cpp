#include "calculator/tablelimit.h"
#include "toolkit/checkedint.h"

#include <QLocale>
#include <QTest>

using namespace mjcalc;

constexpr std::int32_t kMax = 2147483647, kMin = -kMax - 1;
const NumberSeparators kGerman{u',', u'.'}, kBlankGroups{u',', QChar(0x202F)};
const double kTooLarge = qQNaN(); // where leadingNumber gives up

struct Case {
    const char* text;
    double leading;
    int whole;
    ConversionError error;
    NumberSeparators separators = {};
};
struct Limit {
    const char* text;
    LimitAction action;
    int limit = 0;
    NumberSeparators separators = {};
};
Q_DECLARE_METATYPE(Case)
Q_DECLARE_METATYPE(Limit)

class TestConversions : public QObject {
    Q_OBJECT

private slots:
    // The same text through both readers: leadingNumber forgives, textToInt32 does not.
    void conversions_data()
    {
        QTest::addColumn<Case>("c");
        using enum ConversionError;
        QTest::newRow("blanks around a sign") << Case{" \t+42\t ", 42, 42, None};
        QTest::newRow("blanks inside") << Case{" 1 2\t3\n4", 1234, 0, NotANumber};
        QTest::newRow("grouped") << Case{"1,000,000", 1, 1000000, None};
        QTest::newRow("group first") << Case{",5", 0, 0, NotANumber};
        QTest::newRow("sign alone") << Case{"-", 0, 0, NotANumber};
        QTest::newRow("half of zero to even") << Case{".5", 0.5, 0, None};
        QTest::newRow("half up to even") << Case{"3.5", 3.5, 4, None};
        QTest::newRow("negative half to even") << Case{"-2.5", -2.5, -2, None};
        QTest::newRow("above half") << Case{"2.51", 2.51, 3, None};
        QTest::newRow("exponent e") << Case{"1e3", 1000, 1000, None};
        QTest::newRow("exponent E") << Case{"2.5E-1", 0.25, 0, None};
        QTest::newRow("exponent d") << Case{"1d2", 100, 100, None};
        QTest::newRow("exponent D") << Case{"1D+2", 100, 100, None};
        QTest::newRow("bare exponent") << Case{"12e", 12, 0, NotANumber};
        QTest::newRow("beyond double") << Case{"1e400", kTooLarge, 0, Overflow};
        QTest::newRow("below double") << Case{"1e-400", 0, 0, None};
        QTest::newRow("hex of both cases") << Case{"&hAfaF", 44975, 44975, None};
        QTest::newRow("largest hex") << Case{"&HFFFFFFFF", 4294967295.0, 0, Overflow};
        QTest::newRow("hex past 32 bits") << Case{"&H100000000", kTooLarge, 0, Overflow};
        QTest::newRow("octal stops at 8") << Case{"&O18", 1, 0, NotANumber};
        QTest::newRow("short octal") << Case{"&o7", 7, 7, None};
        QTest::newRow("prefix alone") << Case{"&H", 0, 0, NotANumber};
        QTest::newRow("largest") << Case{"2147483647", kMax, kMax, None};
        QTest::newRow("largest and a half") << Case{"2147483647.5", 2147483647.5, 0, Overflow};
        QTest::newRow("smallest less a half") << Case{"-2147483648.5", -2147483648.5, kMin, None};
        QTest::newRow("below smallest") << Case{"-2147483649", -2147483649.0, 0, Overflow};
        QTest::newRow("German") << Case{"1.000,5", 1, 1000, None, kGerman};
        QTest::newRow("blank groups") << Case{"1\u202F000 000", 1, 1000000, None, kBlankGroups};
        QTest::newRow("foreign point") << Case{"1.5", 1.5, 0, NotANumber, kBlankGroups};
    }

    void conversions()
    {
        QFETCH(Case, c);
        QCOMPARE(leadingNumber(QString::fromUtf8(c.text)).value_or(kTooLarge), c.leading);
        const WholeNumber number = textToInt32(QString::fromUtf8(c.text), c.separators);
        QCOMPARE(number.error, c.error);
        QCOMPARE(number.value, c.whole);
    }

    void edges()
    {
        // The blank keeps a column of figures lined up with negative ones.
        QCOMPARE(numberToText(0) + numberToText(-5) + numberToText(6442450944), " 0-5 6442450944");
        QVERIFY(checkedAdd(kMax - 1, 1) == kMax && !checkedAdd(kMax, 1) && !checkedAdd(kMin, -1));
        QVERIFY(checkedMul(-1073741824, 2) == kMin && !checkedMul(1073741824, 2));
        QVERIFY(NumberSeparators::of(QLocale(QLocale::German)).group == u'.');
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
        QTest::newRow("German grouped") << Limit{"1.000", Accept, 1000, kGerman};
        QTest::newRow("German fraction") << Limit{"1,5", Accept, 2, kGerman};
    }

    void tableLimit()
    {
        QFETCH(Limit, l);
        const LimitDecision decision = decideTableLimit(QString::fromUtf8(l.text), l.separators);
        QCOMPARE(decision.action, l.action);
        QCOMPARE(decision.limit, l.limit);
    }
};

QTEST_GUILESS_MAIN(TestConversions)
#include "tst_conversions.moc"
