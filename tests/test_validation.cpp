// Whether "Guess" and "OK" accept what the player typed, and the error box.
#include "brivola_test.h"

namespace {
enum Mode { Idle, Running, Changing };
}
Q_DECLARE_METATYPE(Mode)

class Test_Validation : public QObject {
    Q_OBJECT
    std::unique_ptr<QWidget> window;

    void Enter(Mode mode)
    {
        if (mode == Running)
            Click(Form().Button_Action);
        if (mode == Changing)
            Click(Form().Button_Change);
    }

private slots:
    void init() { window = Start_Window(); }
    void cleanup() { window.reset(); }

    void acceptance_in_each_mode_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("as_guess");   // while a game runs, range 1 to 100
        QTest::addColumn<bool>("as_maximum"); // while changing the maximum
        QTest::newRow("a digit") << "7" << true << true;
        QTest::newRow("ten characters beginning with 00") << "0000000007" << true << true;
        QTest::newRow("a blank before the digits") << " 7" << true << true;
        QTest::newRow("the top of the range") << "100" << true << true;
        QTest::newRow("one above the range") << "101" << false << true;
        QTest::newRow("zero") << "0" << false << false;
        QTest::newRow("ten zeros") << "0000000000" << false << false;
        QTest::newRow("the largest 32-bit number") << "2147483647" << false << true;
        QTest::newRow("ten digits beginning with 21, too large") << "2147483648" << false << false;
        QTest::newRow("ten digits beginning with 22") << "2200000000" << false << false;
        QTest::newRow("eleven digits") << "00000000007" << false << false;
        QTest::newRow("ten characters, a blank first") << " 000000007" << true << true;
        QTest::newRow("ten characters, two blanks first") << "  00000007" << false << false;
        QTest::newRow("decimal point") << "7.0" << false << false;
        QTest::newRow("decimal comma") << "7,0" << false << false;
        QTest::newRow("minus") << "-7" << false << false;
        QTest::newRow("plus") << "+7" << false << false;
        QTest::newRow("empty") << "" << false << false;
        QTest::newRow("full-width digits") << QString(2, QChar(0xFF15)) << false << false;
        QTest::newRow("right-to-left mark") << QString(QChar(0x200F)) + "7" << false << false;
        QTest::newRow("NUL") << QString("7") + QChar(0) << false << false;
        QTest::newRow("lone surrogate") << QString(QChar(0xD800)) + "7" << false << false;
        QTest::newRow("a pasted megabyte of digits") << QString(1 << 20, u'5') << false << false;
    }

    void acceptance_in_each_mode()
    {
        QFETCH(QString, text);
        QFETCH(bool, as_guess);
        QFETCH(bool, as_maximum);
        for (Mode mode : {Idle, Running, Changing}) {
            window = Start_Window();
            Enter(mode);
            if (mode == Idle)
                Form().Text_Zahl->setEnabled(true); // only a program could type here
            Paste(text);
            QCOMPARE(Form().Text_Zahl->text(), text);
            bool expected = mode == Idle || (mode == Running ? as_guess : as_maximum);
            QCOMPARE(Form().Button_Action->isEnabled(), expected);
        }
    }

    void button_follows_every_keystroke()
    {
        Click(Form().Button_Action);
        QLineEdit *field = Form().Text_Zahl;
        const QList<std::pair<QString, bool>> keystrokes = {
            {"1", true}, {"0", true}, {"0", true}, {"0", false}, {"\b", true}, {".", false}, {"\b", true}};
        for (auto [key, enabled] : keystrokes) {
            if (key == "\b")
                QTest::keyClick(field, Qt::Key_Backspace);
            else
                QTest::keyClicks(field, key);
            QVERIFY2(Form().Button_Action->isEnabled() == enabled, qPrintable(field->text()));
        }
        field->selectAll();
        QTest::keyClick(field, Qt::Key_X, Qt::ControlModifier); // cut it all
        QVERIFY(!Form().Button_Action->isEnabled());
        QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier); // and undo
        QCOMPARE(field->text(), QString("100"));
        QVERIFY(Form().Button_Action->isEnabled());
    }

    void error_box_in_both_languages()
    {
        const QStringList english = {"Error", "Only integer numbers are valid!"};
        const QStringList german = {"Fehler", "Nur ganze Zahlen sind gültig!"};
        for (const QStringList &texts : {english, german}) {
            for (Mode mode : {Running, Changing}) {
                window = Start_Window();
                if (texts == german)
                    Click(Form().Option_Deutsch);
                Enter(mode);
                Paste("7.5");
                // The button is disabled, so only a program can press it now.
                const Boxes_Seen seen = Closing_Boxes([] { Action_Pressed(); });
                QCOMPARE(seen.Count, 1);
                QCOMPARE(QStringList({seen.Title, seen.Text}), texts);
                QCOMPARE(seen.Icon, QMessageBox::Critical);
                Paste("7");
                QCOMPARE(Closing_Boxes([] { Validate_Input(); }).Count, 0);
            }
        }
    }
};

QTEST_MAIN(Test_Validation)
#include "test_validation.moc"
