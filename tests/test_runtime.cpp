// The conversions and the draw, without a window.
#include "game/brivola_code.h"
#include "runtime/arithmetic.h"
#include "runtime/random_services.h"
#include "runtime/text_services.h"

#include <QtTest>
#include <cmath>
#include <limits>

class Test_Runtime : public QObject {
    Q_OBJECT

private slots:
    void numeric_test_and_conversions_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("numeric");
        QTest::addColumn<double>("as_double");
        QTest::addColumn<int>("as_integer"); // -1: no 32-bit value
        QTest::newRow("plain digits") << "7" << true << 7.0 << 7;
        QTest::newRow("leading zeros") << "0000000007" << true << 7.0 << 7;
        QTest::newRow("blanks around") << "  42 " << true << 42.0 << 42;
        QTest::newRow("signed") << "-7" << true << -7.0 << -7;
        QTest::newRow("plus sign") << "+7" << true << 7.0 << 7;
        QTest::newRow("decimal point") << "7.5" << true << 7.5 << -1;
        QTest::newRow("point without digits after") << "7." << true << 7.0 << -1;
        QTest::newRow("point without digits before") << ".5" << true << 0.5 << -1;
        QTest::newRow("largest 32-bit") << "2147483647" << true << 2147483647.0 << 2147483647;
        QTest::newRow("one past it") << "2147483648" << true << 2147483648.0 << -1;
        QTest::newRow("smallest 32-bit") << "-2147483648" << true << -2147483648.0 << int(INT32_MIN);
        QTest::newRow("empty") << "" << false << 0.0 << -1;
        QTest::newRow("blanks only") << "   " << false << 0.0 << -1;
        QTest::newRow("lone point") << "." << false << 0.0 << -1;
        QTest::newRow("lone sign") << "-" << false << 0.0 << -1;
        QTest::newRow("two points") << "1.2.3" << false << 0.0 << -1;
        QTest::newRow("comma") << "7,0" << false << 0.0 << -1;
        QTest::newRow("exponent") << "1e5" << false << 0.0 << -1;
        QTest::newRow("hexadecimal") << "0x1F" << false << 0.0 << -1;
        QTest::newRow("blank inside") << "1 000" << false << 0.0 << -1;
        QTest::newRow("tab") << "\t7" << false << 0.0 << -1;
        QTest::newRow("full-width digit") << QString(QChar(0xFF17)) << false << 0.0 << -1;
        QTest::newRow("arabic-indic digit") << QString(QChar(0x0667)) << false << 0.0 << -1;
        QTest::newRow("NUL after digit") << QString("7") + QChar(0) << false << 0.0 << -1;
        QTest::newRow("letters") << "seven" << false << 0.0 << -1;
    }

    void numeric_test_and_conversions()
    {
        QFETCH(QString, text);
        QFETCH(bool, numeric);
        QFETCH(double, as_double);
        QFETCH(int, as_integer);
        QCOMPARE(Is_Numeric(text), numeric);
        if (numeric)
            QCOMPARE(Text_To_Double(text), as_double);
        std::optional<int32_t> integer = Text_To_Integer(text);
        QCOMPARE(integer.has_value(), as_integer != -1);
        if (integer)
            QCOMPARE(*integer, as_integer);
    }

    void huge_texts_convert_without_harm()
    {
        const QString digits(1 << 20, u'9');
        QVERIFY(Is_Numeric(digits));
        QCOMPARE(Text_To_Double(digits), std::numeric_limits<double>::infinity());
        QCOMPARE(Text_To_Double("-" + digits), -std::numeric_limits<double>::infinity());
        QCOMPARE(Text_To_Double("0." + QString(1000, u'0') + "1"), 0.0);
        QVERIFY(!Text_To_Integer(digits));
        QVERIFY(!Text_To_Integer(QString(1 << 20, u'0') + "1x"));
        QCOMPARE(*Text_To_Integer(QString(1 << 20, u'0') + "1"), 1);
    }

    void bytes_two_characters_long()
    {
        QCOMPARE(Text_To_Byte("21"), std::optional<uint8_t>(21));
        QCOMPARE(Text_To_Byte(" 7"), std::optional<uint8_t>(7));
        QCOMPARE(Text_To_Byte("255"), std::optional<uint8_t>(255));
        QVERIFY(!Text_To_Byte("256"));
        QVERIFY(!Text_To_Byte("  "));
        QVERIFY(!Text_To_Byte("-1"));
        QCOMPARE(Left_Part("2147483647", 2), QString("21"));
        QCOMPARE(Find(1, "12.5", "."), 3);
        QCOMPARE(Find(1, "125", "."), 0);
        QCOMPARE(Integer_Part(-7.9), -7.0);
        QCOMPARE(Integer_To_Text(INT32_MIN), QString("-2147483648"));
    }

    void checked_arithmetic_raises_instead_of_wrapping()
    {
        QVERIFY_THROWS_EXCEPTION(Overflow_Error, Checked_Add(INT32_MAX, 1));
        QVERIFY_THROWS_EXCEPTION(Overflow_Error, Checked_Subtract(INT32_MIN, 1));
        QVERIFY_THROWS_EXCEPTION(Overflow_Error, Floor_To_Integer(2147483648.0));
        QVERIFY_THROWS_EXCEPTION(Floating_Point_Error, Checked_Double(std::nan("")));
        QCOMPARE(Floor_To_Integer(-0.5), -1);
        const int32_t low = INT32_MIN, high = 0;
        QVERIFY_THROWS_EXCEPTION(Overflow_Error, Random_In_Range(low, high));
    }

    void draws_are_uniform_and_stay_in_range()
    {
        Fix_Seed_For_Testing(20261206);
        Seed_From_Clock();
        constexpr int draws = 100000, values = 100;
        std::array<int, values + 2> seen{};
        const int32_t low = 1, high = values;
        for (int i = 0; i < draws; ++i) {
            int32_t value = Random_In_Range(low, high);
            QVERIFY(value >= low && value <= high);
            ++seen[value];
        }
        double chi_square = 0;
        for (int value = 1; value <= values; ++value) {
            QVERIFY(seen[value] > 0);
            double expected = double(draws) / values;
            chi_square += (seen[value] - expected) * (seen[value] - expected) / expected;
        }
        QVERIFY2(chi_square < 148.23, qPrintable(QString::number(chi_square))); // 99 df, p = 0.001

        const int32_t one = 1, largest = INT32_MAX, zero = 0;
        for (int i = 0; i < draws; ++i) {
            QCOMPARE(Random_In_Range(one, one), 1);
            QVERIFY(Random_In_Range(one, largest) >= 1);
        }
        QCOMPARE(Random_In_Range(one, zero), 1); // an empty range still gives its lower end
        Fix_Seed_For_Testing(std::nullopt);
    }

    void unfixed_seeds_differ_between_games()
    {
        const int32_t low = 1, high = INT32_MAX;
        Seed_From_Clock();
        int32_t first = Random_In_Range(low, high);
        Seed_From_Clock();
        QVERIFY(Random_In_Range(low, high) != first);
    }
};

QTEST_GUILESS_MAIN(Test_Runtime)
#include "test_runtime.moc"
