// Whole games played through the window: hints, the range, the count, the
// win, and changing the maximum. The soak checks every caption after every
// event; these are the scripted games whose every step is known.
#include "brivola_test.h"

class Test_Game : public QObject {
    Q_OBJECT
    std::unique_ptr<QWidget> window;

    void Start_With_Secret(int32_t secret)
    {
        Click(Form().Button_Action);
        Game_State.Secret_Number = secret;
    }

    void Expect(const QString &message, const QString &range, int tries)
    {
        QCOMPARE(Form().Label_Meldung->text(), message);
        QCOMPARE(Form().Label_Notice->text(), range);
        QCOMPARE(Form().Label_Anzahl_Versuche->text(), "Number of needed tries: " + QString::number(tries));
    }

    // Halves the range until the "Right!" box; returns the wrong guesses.
    int Win_By_Halving()
    {
        for (int wrong = 0;; ++wrong)
            if (Press_With(QString::number((int64_t(Game_State.Range_Low) + Game_State.Range_High) / 2))
                    .Count)
                return wrong;
    }

private slots:
    void init() { window = Start_Window(); }
    void cleanup() { window.reset(); }

    void a_sample_game_to_the_win()
    {
        Start_With_Secret(40);
        QVERIFY(!Form().Button_Action->isEnabled()); // nothing typed yet
        Expect("New game started.", "1 - 100", 0);
        Press_With("50");
        Expect("The searched number is smaller.", "1 - 49", 1);
        Press_With("30");
        Expect("The searched number is larger.", "31 - 49", 2);
        Press_With("60"); // outside the range: counted, range kept
        Expect("The searched number is smaller.", "31 - 49", 3);
        Press_With("31");
        Expect("The searched number is larger.", "32 - 49", 4);
        QCOMPARE(Form().Text_Zahl->text(), QString("31")); // a wrong guess stays
        const Boxes_Seen seen = Press_With("40");
        QCOMPARE(seen.Count, 1);
        QCOMPARE(seen.Title, QString("Right!"));
        QCOMPARE(seen.Text, QString("Right!"));
        QCOMPARE(seen.Icon, QMessageBox::Information);
        Expect("", "", 0);
        QCOMPARE(Form().Text_Zahl->text(), QString());
        QVERIFY(!Form().Text_Zahl->isEnabled());
        QCOMPARE(Form().Button_Action->text(), QString("Start New Game"));
    }

    void keys_in_the_field_guess_nothing_the_space_bar_does()
    {
        Start_With_Secret(40);
        Type_Over("50");
        Click(Form().Button_Action);
        Click(Form().Button_Action); // the same text counts again
        QTest::keyClick(Form().Text_Zahl, Qt::Key_Return);
        QTest::keyClick(Form().Text_Zahl, Qt::Key_Escape);
        Expect("The searched number is smaller.", "1 - 49", 2);
        Form().Button_Action->setFocus();
        QTest::keyClick(Form().Button_Action, Qt::Key_Space);
        Expect("The searched number is smaller.", "1 - 49", 3);
    }

    void the_count_stops_at_its_largest_value()
    {
        Start_With_Secret(40);
        Game_State.Tries = INT32_MAX - 1;
        Press_With("50");
        Press_With("50");
        QCOMPARE(Form().Label_Anzahl_Versuche->text(), QString("Number of needed tries: 2147483647"));
    }

    void halving_wins_in_seven_guesses_or_thirty_one_at_the_largest_maximum()
    {
        for (int32_t secret = 1; secret <= 100; ++secret) {
            Start_With_Secret(secret);
            QVERIFY(Win_By_Halving() < 7);
        }
        Click(Form().Button_Change);
        Press_With("2147483647");
        for (int32_t secret : {1, INT32_MAX, 1234567890}) {
            Start_With_Secret(secret);
            QCOMPARE(Form().Label_Notice->text(), QString("1 - 2147483647"));
            QVERIFY(Win_By_Halving() < 31);
        }
    }

    // Two faults mended on purpose: a maximum below 1 would start a game that
    // can be neither won nor left, and a refused maximum was announced as set.
    void a_maximum_below_one_is_refused()
    {
        Click(Form().Button_Change);
        for (QString zero : {"0", "00", "0000000000"}) {
            Type_Over(zero);
            QVERIFY(!Form().Button_Action->isEnabled());
        }
        const Boxes_Seen seen = Closing_Boxes([] { Action_Pressed(); }); // pressed anyway
        QCOMPARE(seen.Icon, QMessageBox::Critical);
        QCOMPARE(Game_State.Max_Value, 100);
        QVERIFY(Game_State.Changing_Max);
    }

    void a_refused_maximum_is_not_announced()
    {
        Ui::Brivola &form = Form();
        form.Label_Meldung->setText("earlier message");
        Click(form.Button_Change);
        Type_Over("12x");
        QCOMPARE(Closing_Boxes([] { Action_Pressed(); }).Text, QString("Only integer numbers are valid!"));
        QCOMPARE(form.Label_Meldung->text(), QString("earlier message"));
        QCOMPARE(form.Text_Zahl->text(), QString("12x"));
        QVERIFY(form.Text_Zahl->isEnabled());
        QCOMPARE(form.Button_Change->text(), QString("Abort"));
        Type_Over("12"); // corrected, it goes through
        Click(form.Button_Action);
        QCOMPARE(form.Label_Meldung->text(), QString("New maximal value is 12."));
    }
};

QTEST_MAIN(Test_Game)
#include "test_game.moc"
