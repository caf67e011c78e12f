// Whole games played through the window: hints, the range, the count, winning.
#include "brivola_test.h"

#include <QRandomGenerator>

class Test_Game_Play : public QObject {
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

    void Expect_Idle_After_Win()
    {
        Ui::Brivola &form = Form();
        QCOMPARE(form.Label_Meldung->text(), QString());
        QCOMPARE(form.Label_Notice->text(), QString());
        QCOMPARE(form.Text_Zahl->text(), QString());
        QVERIFY(!form.Text_Zahl->isEnabled());
        QCOMPARE(form.Text_Zahl->palette().color(QPalette::Base), Platform_Colour(Colour_Button_Face));
        QCOMPARE(form.Button_Action->text(), QString("Start New Game"));
        QVERIFY(form.Button_Action->isEnabled());
        QVERIFY(form.Button_Change->isEnabled());
        QCOMPARE(form.Label_Anzahl_Versuche->text(), QString("Number of needed tries: 0"));
        QCOMPARE(Game_State.Range_Low, 1);
        QCOMPARE(Game_State.Range_High, Game_State.Max_Value);
    }

private slots:
    void init() { window = Start_Window(); }
    void cleanup() { window.reset(); }

    void starting_opens_the_field()
    {
        Ui::Brivola &form = Form();
        Click(form.Button_Action);
        QVERIFY(Game_State.Secret_Number >= 1 && Game_State.Secret_Number <= 100);
        QVERIFY(form.Text_Zahl->isEnabled());
        QCOMPARE(form.Text_Zahl->palette().color(QPalette::Base), Platform_Colour(Colour_Window_Background));
        QCOMPARE(form.Button_Action->text(), QString("Guess"));
        QVERIFY(!form.Button_Action->isEnabled());
        QVERIFY(!form.Button_Change->isEnabled());
        QCOMPARE(form.Button_Change->text(), QString("1 - 100"));
        Expect("New game started.", "1 - 100", 0);
    }

    void a_sample_game_to_the_win()
    {
        Start_With_Secret(40);
        Press_With("50");
        Expect("The searched number is smaller.", "1 - 49", 1);
        Press_With("30");
        Expect("The searched number is larger.", "31 - 49", 2);
        Press_With("60"); // outside the range: counted, range kept
        Expect("The searched number is smaller.", "31 - 49", 3);
        Press_With("31");
        Expect("The searched number is larger.", "32 - 49", 4);
        QVERIFY(Form().Button_Action->isEnabled());
        QCOMPARE(Form().Text_Zahl->text(), QString("31")); // a wrong guess stays in the field
        Boxes_Seen seen = Press_With("40");
        QCOMPARE(seen.Count, 1);
        QCOMPARE(seen.Title, QString("Right!"));
        QCOMPARE(seen.Text, QString("Right!"));
        QCOMPARE(seen.Icon, QMessageBox::Information);
        Expect_Idle_After_Win();
    }

    void winning_at_once_in_german()
    {
        Click(Form().Option_Deutsch);
        Start_With_Secret(77);
        Boxes_Seen seen = Press_With("77");
        QCOMPARE(seen.Title, QString("Richtig!"));
        QCOMPARE(seen.Text, QString("Richtig!"));
        QCOMPARE(Form().Label_Anzahl_Versuche->text(), QString("Anzahl benötigter Versuche: 0"));
        QCOMPARE(Form().Button_Action->text(), QString("Neues Spiel starten"));
    }

    void the_same_guess_twice_counts_twice_and_keys_press_nothing()
    {
        Start_With_Secret(40);
        Type_Over("50");
        Click(Form().Button_Action);
        Click(Form().Button_Action);
        Expect("The searched number is smaller.", "1 - 49", 2);
        // Enter and Escape in the field neither guess nor cancel.
        QTest::keyClick(Form().Text_Zahl, Qt::Key_Return);
        QTest::keyClick(Form().Text_Zahl, Qt::Key_Escape);
        Expect("The searched number is smaller.", "1 - 49", 2);
        // The space bar on the focused button does guess.
        Form().Button_Action->setFocus();
        QTest::keyClick(Form().Button_Action, Qt::Key_Space);
        Expect("The searched number is smaller.", "1 - 49", 3);
    }

    void language_changes_texts_not_the_game()
    {
        Start_With_Secret(40);
        Press_With("30");
        Click(Form().Option_Deutsch);
        QCOMPARE(Form().Label_Meldung->text(), QString("Die gesuchte Zahl ist größer."));
        QCOMPARE(Form().Button_Action->text(), QString("Raten"));
        QCOMPARE(Form().Label_Anzahl_Versuche->text(), QString("Anzahl benötigter Versuche: 1"));
        QCOMPARE(Form().Label_Notice->text(), QString("31 - 100"));
        QCOMPARE(Form().Text_Zahl->text(), QString("30"));
        QCOMPARE(Game_State.Secret_Number, 40);
        Click(Form().Option_English);
        Expect("The searched number is larger.", "31 - 100", 1);
    }

    void tries_stop_at_the_largest_count()
    {
        Start_With_Secret(40);
        Game_State.Tries = INT32_MAX - 1;
        Press_With("50");
        Press_With("50");
        QCOMPARE(Game_State.Tries, INT32_MAX);
        QVERIFY(Form().Label_Anzahl_Versuche->text().endsWith("2147483647"));
    }

    void random_players_always_see_a_range_holding_the_secret()
    {
        // Each game mixes random guesses with halving; the range shown must
        // hold the secret and every number no hint has ruled out yet.
        QRandomGenerator dice(4711);
        for (int game = 0; game < 60; ++game) {
            Start_With_Secret(int32_t(dice.bounded(1, 101)));
            int32_t low = 1, high = 100, tries = 0;
            for (;;) {
                bool halving = dice.bounded(2);
                int32_t guess = halving ? (low + high) / 2 : int32_t(dice.bounded(1, 101));
                if (Press_With(QString::number(guess)).Count)
                    break;
                ++tries;
                QCOMPARE(Game_State.Tries, tries);
                if (guess < Game_State.Secret_Number)
                    low = std::max(low, guess + 1);
                else
                    high = std::min(high, guess - 1);
                QCOMPARE(Form().Label_Notice->text(), Range_Text(low, high));
                QVERIFY(low <= Game_State.Secret_Number && Game_State.Secret_Number <= high);
            }
            Expect_Idle_After_Win();
        }
    }

    void halving_wins_within_seven_guesses()
    {
        for (int32_t secret = 1; secret <= 100; ++secret) {
            Start_With_Secret(secret);
            int guesses = 1;
            while (Press_With(QString::number((Game_State.Range_Low + Game_State.Range_High) / 2)).Count == 0)
                ++guesses;
            QVERIFY2(guesses <= 7, qPrintable(QString::number(secret)));
        }
    }
};

QTEST_MAIN(Test_Game_Play)
#include "test_game_play.moc"
