#include "calculator/tablelimit.h"
#include "toolkit/checkedint.h"
#include "toolkit/numbertext.h"

#include <QLocale>
#include <QTest>

#include <limits>

using namespace mjcalc;

Q_DECLARE_METATYPE(ConversionError)
Q_DECLARE_METATYPE(LimitAction)

namespace {
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
} // namespace

class TestConversions : public QObject {
    Q_OBJECT

private slots:
    void numberToText_data();
    void numberToText();
    void leadingNumber_data();
    void leadingNumber();
    void leadingNumberTooLarge_data();
    void leadingNumberTooLarge();
    void textToInt32_data();
    void textToInt32();
    void textToInt32IgnoresLocale();
    void checkedArithmetic_data();
    void checkedArithmetic();
    void tableLimitDecision_data();
    void tableLimitDecision();
};

void TestConversions::numberToText_data()
{
    QTest::addColumn<qint64>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero has a leading blank") << qint64(0) << " 0";
    QTest::newRow("payout") << qint64(112) << " 112";
    QTest::newRow("negative has a minus, no blank") << qint64(-5) << "-5";
    QTest::newRow("no grouping") << qint64(2147483647) << " 2147483647";
    QTest::newRow("smallest 32-bit") << qint64(kMin) << "-2147483648";
    QTest::newRow("beyond 32 bits") << qint64(393216) * 10000 << " 3932160000";
}

void TestConversions::numberToText()
{
    QFETCH(qint64, value);
    QFETCH(QString, text);
    QCOMPARE(mjcalc::numberToText(value), text);
}

void TestConversions::leadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("letters only") << "abc" << 0.0;
    QTest::newRow("digits then letters") << "12abc" << 12.0;
    QTest::newRow("blanks inside are dropped") << " 1 2 3" << 123.0;
    QTest::newRow("tabs and line feeds are dropped") << "\t4\n5" << 45.0;
    QTest::newRow("carriage return stops") << "4\r5" << 4.0;
    QTest::newRow("fraction") << "1.5" << 1.5;
    QTest::newRow("second point stops") << "1.2.3" << 1.2;
    QTest::newRow("fraction without integer part") << ".5" << 0.5;
    QTest::newRow("lone point") << "." << 0.0;
    QTest::newRow("minus") << "-7" << -7.0;
    QTest::newRow("plus") << "+7" << 7.0;
    QTest::newRow("double sign") << "--5" << 0.0;
    QTest::newRow("comma stops") << "1,000" << 1.0;
    QTest::newRow("exponent") << "1e3" << 1000.0;
    QTest::newRow("exponent with sign") << "1E+2" << 100.0;
    QTest::newRow("negative exponent") << "2.5e-1" << 0.25;
    QTest::newRow("d exponent") << "1d2" << 100.0;
    QTest::newRow("exponent without digits stops") << "12e" << 12.0;
    QTest::newRow("exponent sign without digits stops") << "12e-x" << 12.0;
    QTest::newRow("hex") << "&H1F" << 31.0;
    QTest::newRow("hex lower case") << "&hff" << 255.0;
    QTest::newRow("hex stops at non-digit") << "&H1G" << 1.0;
    QTest::newRow("octal") << "&O17" << 15.0;
    QTest::newRow("octal stops at 8") << "&O18" << 1.0;
    QTest::newRow("prefix without digits") << "&H" << 0.0;
    QTest::newRow("ampersand alone") << "&12" << 0.0;
    QTest::newRow("largest hex") << "&HFFFFFFFF" << 4294967295.0;
    QTest::newRow("just above the highest limit") << "65536.5" << 65536.5;
    QTest::newRow("other script digits are not digits") << QString::fromUtf8("\u0661\u0662") << 0.0;
    QTest::newRow("full-width digit stops") << QString::fromUtf8("7\uFF18") << 7.0;
    QTest::newRow("too small to hold is 0") << "1e-400" << 0.0;
    QTest::newRow("long run of zeros") << "0000000000000000000000000000012" << 12.0;
}

void TestConversions::leadingNumber()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    const std::optional<double> read = mjcalc::leadingNumber(text);
    QVERIFY(read.has_value());
    QCOMPARE(*read, value);
}

void TestConversions::leadingNumberTooLarge_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("exponent beyond double") << "1e400";
    QTest::newRow("hex beyond 32 bits") << "&H100000000";
    QTest::newRow("octal beyond 32 bits") << "&O77777777777";
}

void TestConversions::leadingNumberTooLarge()
{
    QFETCH(QString, text);
    QVERIFY(!mjcalc::leadingNumber(text).has_value());
}

void TestConversions::textToInt32_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::addColumn<ConversionError>("error");
    const auto ok = ConversionError::None;
    const auto nan = ConversionError::NotANumber;
    const auto over = ConversionError::Overflow;
    QTest::newRow("plain") << "42" << 42 << ok;
    QTest::newRow("blanks around") << "  42 " << 42 << ok;
    QTest::newRow("tabs around") << "\t42\t" << 42 << ok;
    QTest::newRow("leading blank as shown in the box") << " 65536" << 65536 << ok;
    QTest::newRow("thousands") << "1,000" << 1000 << ok;
    QTest::newRow("millions") << "1,000,000" << 1000000 << ok;
    QTest::newRow("trailing separator while typing") << "12," << 12 << ok;
    QTest::newRow("plus") << "+5" << 5 << ok;
    QTest::newRow("minus") << "-5" << -5 << ok;
    QTest::newRow("half rounds to even, down") << "2.5" << 2 << ok;
    QTest::newRow("half rounds to even, up") << "3.5" << 4 << ok;
    QTest::newRow("half of zero") << "0.5" << 0 << ok;
    QTest::newRow("negative half") << "-2.5" << -2 << ok;
    QTest::newRow("above half") << "2.51" << 3 << ok;
    QTest::newRow("below half") << "2.49" << 2 << ok;
    QTest::newRow("trailing point") << "7." << 7 << ok;
    QTest::newRow("leading point") << ".6" << 1 << ok;
    QTest::newRow("exponent") << "1e3" << 1000 << ok;
    QTest::newRow("hex") << "&H10" << 16 << ok;
    QTest::newRow("octal") << "&O10" << 8 << ok;
    QTest::newRow("largest") << "2147483647" << kMax << ok;
    QTest::newRow("smallest") << "-2147483648" << kMin << ok;
    QTest::newRow("smallest minus a half rounds to even") << "-2147483648.5" << kMin << ok;
    QTest::newRow("largest plus a half rounds up past the range") << "2147483647.5" << 0 << over;
    QTest::newRow("one past the largest") << "2147483648" << 0 << over;
    QTest::newRow("one below the smallest") << "-2147483649" << 0 << over;
    QTest::newRow("twenty digits") << "99999999999999999999" << 0 << over;
    QTest::newRow("exponent beyond double") << "1e400" << 0 << over;
    QTest::newRow("hex beyond 31 bits") << "&HFFFFFFFF" << 0 << over;
    QTest::newRow("empty") << "" << 0 << nan;
    QTest::newRow("blanks only") << "   " << 0 << nan;
    QTest::newRow("digits then letters") << "12abc" << 0 << nan;
    QTest::newRow("letters") << "abc" << 0 << nan;
    QTest::newRow("sign alone") << "-" << 0 << nan;
    QTest::newRow("point alone") << "." << 0 << nan;
    QTest::newRow("separator first") << ",5" << 0 << nan;
    QTest::newRow("blank inside") << "1 2" << 0 << nan;
    QTest::newRow("blank after sign") << "- 5" << 0 << nan;
    QTest::newRow("unfinished exponent") << "1e" << 0 << nan;
    QTest::newRow("separator in fraction") << "1.2,5" << 0 << nan;
    QTest::newRow("prefix without digits") << "&H" << 0 << nan;
    QTest::newRow("hex with junk") << "&H1G" << 0 << nan;
}

void TestConversions::textToInt32()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    QFETCH(ConversionError, error);
    const WholeNumber number = mjcalc::textToInt32(text);
    QCOMPARE(number.error, error);
    if (error == ConversionError::None)
        QCOMPARE(number.value, value);
}

void TestConversions::textToInt32IgnoresLocale()
{
    // A German desk must not turn "1.5" into fifteen or "1,000" into one.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const WholeNumber fraction = mjcalc::textToInt32(u"1.5");
    const WholeNumber grouped = mjcalc::textToInt32(u"1,000");
    const std::optional<double> leading = mjcalc::leadingNumber(u"2.25");
    QLocale::setDefault(QLocale::c());
    QCOMPARE(fraction.value, 2);
    QCOMPARE(grouped.value, 1000);
    QCOMPARE(leading.value_or(-1), 2.25);
}

void TestConversions::checkedArithmetic_data()
{
    QTest::addColumn<bool>("multiply");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<bool>("fits");
    QTest::addColumn<int>("result");
    QTest::newRow("add fits") << false << 40064 << 606 << true << 40670;
    QTest::newRow("add to largest") << false << kMax - 1 << 1 << true << kMax;
    QTest::newRow("add past largest") << false << kMax << 1 << false << 0;
    QTest::newRow("add below smallest") << false << kMin << -1 << false << 0;
    QTest::newRow("multiply to 2^30") << true << 536870912 << 2 << true << 1073741824;
    QTest::newRow("multiply to 2^31") << true << 1073741824 << 2 << false << 0;
    QTest::newRow("multiply to -2^31") << true << -1073741824 << 2 << true << kMin;
    QTest::newRow("negate smallest") << true << kMin << -1 << false << 0;
    QTest::newRow("multiply by eight past the range") << true << 268435456 << 8 << false << 0;
}

void TestConversions::checkedArithmetic()
{
    QFETCH(bool, multiply);
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(bool, fits);
    QFETCH(int, result);
    const std::optional<std::int32_t> value = multiply ? checkedMul(a, b) : checkedAdd(a, b);
    QCOMPARE(value.has_value(), fits);
    if (fits)
        QCOMPARE(*value, result);
}

void TestConversions::tableLimitDecision_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<LimitAction>("action");
    QTest::addColumn<int>("limit");
    QTest::newRow("empty keeps the limit") << "" << LimitAction::Ignore << 0;
    QTest::newRow("plain") << "500" << LimitAction::Accept << 500;
    QTest::newRow("zero") << "0" << LimitAction::Accept << 0;
    QTest::newRow("highest is allowed") << "65536" << LimitAction::Accept << 65536;
    QTest::newRow("as the box shows the highest") << " 65536" << LimitAction::Accept << 65536;
    QTest::newRow("one past the highest") << "65537" << LimitAction::TooHigh << 0;
    QTest::newRow("half past the highest") << "65536.5" << LimitAction::TooHigh << 0;
    QTest::newRow("too high before the letters") << "70000abc" << LimitAction::TooHigh << 0;
    QTest::newRow("grouped past the highest") << "70,000" << LimitAction::TooHigh << 0;
    QTest::newRow("grouped") << "1,000" << LimitAction::Accept << 1000;
    QTest::newRow("fraction rounds") << "2.5" << LimitAction::Accept << 2;
    QTest::newRow("letter") << "a" << LimitAction::Typo << 0;
    QTest::newRow("digits then letter") << "12a" << LimitAction::Typo << 0;
    QTest::newRow("blank only") << " " << LimitAction::Typo << 0;
    QTest::newRow("minus alone") << "-" << LimitAction::Typo << 0;
    QTest::newRow("negative") << "-5" << LimitAction::Typo << 0;
    QTest::newRow("hugely negative") << "-99999999999" << LimitAction::Typo << 0;
    QTest::newRow("negative rounding to zero") << "-0.4" << LimitAction::Accept << 0;
    QTest::newRow("unreadably large") << "1e400" << LimitAction::Typo << 0;
    QTest::newRow("hex") << "&H100" << LimitAction::Accept << 256;
}

void TestConversions::tableLimitDecision()
{
    QFETCH(QString, text);
    QFETCH(LimitAction, action);
    QFETCH(int, limit);
    const LimitDecision decision = decideTableLimit(text);
    QCOMPARE(decision.action, action);
    QCOMPARE(decision.limit, limit);
}

QTEST_GUILESS_MAIN(TestConversions)
#include "tst_conversions.moc"
