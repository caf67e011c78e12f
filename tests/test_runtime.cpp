// The conversions and the draw, where the window cannot reach them.
#include "game/brivola_code.h"
#include "runtime/arithmetic.h"
#include "runtime/random_services.h"
#include "runtime/text_services.h"

#include <QtTest>
#include <cmath>

class Test_Runtime : public QObject {
    Q_OBJECT

private slots:
    void conversions_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("as_double");    // NaN: not numeric
        QTest::addColumn<QVariant>("as_integer"); // invalid: no 32-bit value
        const double no = std::nan("");
        QTest::newRow("blanks around") << "  42 " << 42.0 << QVariant(42);
        QTest::newRow("signed") << "-7" << -7.0 << QVariant(-7);
        QTest::newRow("decimal point") << "7.5" << 7.5 << QVariant();
        QTest::newRow("point, no digits before") << ".5" << 0.5 << QVariant();
        QTest::newRow("smallest 32-bit") << "-2147483648" << -2147483648.0 << QVariant(INT32_MIN);
        QTest::newRow("below it") << "-2147483649" << -2147483649.0 << QVariant();
        QTest::newRow("lone point") << "." << no << QVariant();
        QTest::newRow("two points") << "1.2.3" << no << QVariant();
        QTest::newRow("exponent") << "1e5" << no << QVariant();
        QTest::newRow("tab") << "\t7" << no << QVariant();
    }

    void conversions()
    {
        QFETCH(QString, text);
        QFETCH(double, as_double);
        QFETCH(QVariant, as_integer);
        QCOMPARE(Is_Numeric(text), !std::isnan(as_double));
        if (!std::isnan(as_double))
            QCOMPARE(Text_To_Double(text), as_double);
        const std::optional<int32_t> integer = Text_To_Integer(text);
        QCOMPARE(integer.has_value(), as_integer.isValid());
        if (integer)
            QCOMPARE(*integer, as_integer.toInt());
    }

    void huge_texts_and_bytes()
    {
        const QString digits(1 << 20, u'9');
        QCOMPARE(Text_To_Double(digits), qInf());
        QCOMPARE(Text_To_Double("-" + digits), -qInf());
        QCOMPARE(Text_To_Double("0." + QString(1000, u'0') + "1"), 0.0);
        QVERIFY(!Text_To_Integer(digits));
        QCOMPARE(*Text_To_Integer(QString(1 << 20, u'0') + "1"), 1);
        QCOMPARE(Text_To_Byte(" 7"), std::optional<uint8_t>(7));
        QCOMPARE(Text_To_Byte("255"), std::optional<uint8_t>(255));
        QVERIFY(!Text_To_Byte("256") && !Text_To_Byte("  ") && !Text_To_Byte("-1"));
    }

    void checked_arithmetic_raises_instead_of_wrapping()
    {
        QVERIFY_THROWS_EXCEPTION(Overflow_Error, Checked_Add(INT32_MAX, 1));
        QVERIFY_THROWS_EXCEPTION(Overflow_Error, Checked_Subtract(INT32_MIN, 1));
        QVERIFY_THROWS_EXCEPTION(Overflow_Error, Floor_To_Integer(2147483648.0));
        QVERIFY_THROWS_EXCEPTION(Overflow_Error, Floor_To_Integer(-2147483649.0));
        QVERIFY_THROWS_EXCEPTION(Floating_Point_Error, Checked_Double(qInf()));
        QCOMPARE(Floor_To_Integer(-0.5), -1);
        const int32_t low = INT32_MIN, high = 0;
        QVERIFY_THROWS_EXCEPTION(Overflow_Error, Random_In_Range(low, high));
    }

    void draws_are_uniform_and_stay_in_range()
    {
        Fix_Seed_For_Testing(20261206);
        Seed_From_Clock();
        constexpr int draws = 100000;
        std::array<int, 102> seen{};
        const int32_t one = 1, hundred = 100, largest = INT32_MAX, zero = 0;
        for (int i = 0; i < draws; ++i) {
            const int32_t value = Random_In_Range(one, hundred);
            QVERIFY(value >= 1 && value <= 100);
            ++seen[value];
            QVERIFY(Random_In_Range(one, largest) >= 1);
            QCOMPARE(Random_In_Range(one, one), 1);
        }
        double chi_square = 0;
        for (int value = 1; value <= 100; ++value)
            chi_square += std::pow(seen[value] - draws / 100.0, 2) / (draws / 100.0);
        QVERIFY2(chi_square < 148.23, qPrintable(QString::number(chi_square))); // 99 df, p = 0.001
        QCOMPARE(Random_In_Range(one, zero), 1); // an empty range gives its lower end
        Fix_Seed_For_Testing(std::nullopt);
        Seed_From_Clock();
        const int32_t first = Random_In_Range(one, largest);
        Seed_From_Clock(); // a second game at once still draws anew
        QVERIFY(Random_In_Range(one, largest) != first);
    }
};

QTEST_GUILESS_MAIN(Test_Runtime)
#include "test_runtime.moc"
