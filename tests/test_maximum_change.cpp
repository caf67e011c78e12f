// Setting a new maximum between games, aborting, and the games that follow.
#include "brivola_test.h"

class Test_Maximum_Change : public QObject {
    Q_OBJECT
    std::unique_ptr<QWidget> window;

    // Plays a game by halving the range until the "Right!" box; returns the wrong guesses.
    int Win_By_Halving()
    {
        if (!Game_State.Game_Running)
            Click(Form().Button_Action);
        for (int wrong = 0;; ++wrong) {
            int64_t middle = (int64_t(Game_State.Range_Low) + Game_State.Range_High) / 2;
            if (Press_With(QString::number(middle)).Count)
                return wrong;
        }
    }

private slots:
    void init() { window = Start_Window(); }
    void cleanup() { window.reset(); }

    void entering_and_aborting()
    {
        Ui::Brivola &form = Form();
        Click(form.Button_Change);
        QCOMPARE(form.Button_Action->text(), QString("OK"));
        QVERIFY(!form.Button_Action->isEnabled());
        QCOMPARE(form.Button_Change->text(), QString("Abort"));
        QCOMPARE(form.Label_Beschreibungstext->text(), QString("New maximum value:"));
        QCOMPARE(form.Label_Anzahl_Versuche->text(), QString());
        QCOMPARE(form.Text_Zahl->text(), QString());
        QVERIFY(form.Text_Zahl->isEnabled());
        QCOMPARE(form.Text_Zahl->palette().color(QPalette::Base), Platform_Colour(Colour_Window_Background));

        form.Label_Meldung->setText("earlier message");
        QTest::keyClicks(form.Text_Zahl, "50");
        QVERIFY(form.Button_Action->isEnabled());
        Click(form.Button_Change);
        QCOMPARE(Game_State.Max_Value, 100);
        QCOMPARE(form.Label_Meldung->text(), QString("earlier message"));
        QCOMPARE(form.Text_Zahl->text(), QString());
        QVERIFY(!form.Text_Zahl->isEnabled());
        QCOMPARE(form.Text_Zahl->palette().color(QPalette::Base), Platform_Colour(Colour_Button_Face));
        QCOMPARE(form.Button_Action->text(), QString("Start New Game"));
        QVERIFY(form.Button_Action->isEnabled());
    }

    void confirming_fifty_and_playing_with_it()
    {
        Ui::Brivola &form = Form();
        Click(form.Button_Change);
        Click(form.Option_Deutsch);
        QCOMPARE(form.Button_Action->text(), QString("OK"));
        QCOMPARE(form.Button_Change->text(), QString("Abbrechen"));
        QCOMPARE(form.Label_Beschreibungstext->text(), QString("neuer Maximalwert:"));
        QTest::keyClicks(form.Text_Zahl, "50");
        Click(form.Button_Action);
        QCOMPARE(form.Label_Meldung->text(), QString("Neuer Maximalwert ist 50."));
        Click(form.Option_English);
        QCOMPARE(form.Label_Meldung->text(), QString("New maximal value is 50."));
        QCOMPARE(form.Text_Zahl->text(), QString());
        QVERIFY(!form.Text_Zahl->isEnabled());
        QCOMPARE(form.Label_Notice->text(), QString());
        QCOMPARE(form.Button_Action->text(), QString("Start New Game"));
        QCOMPARE(form.Label_Anzahl_Versuche->text(), QString("Number of needed tries: 0"));

        Click(form.Button_Action);
        QVERIFY(Game_State.Secret_Number >= 1 && Game_State.Secret_Number <= 50);
        QCOMPARE(form.Label_Notice->text(), QString("1 - 50"));
        QCOMPARE(form.Button_Change->text(), QString("1 - 50"));
        Type_Over("51");
        QVERIFY(!form.Button_Action->isEnabled());
        Press_With(QString::number(Game_State.Secret_Number));
        QCOMPARE(Game_State.Range_High, 50);
    }

    void the_smallest_and_the_largest_maximum()
    {
        Click(Form().Button_Change);
        Press_With("1");
        for (int game = 0; game < 5; ++game)
            QCOMPARE(Win_By_Halving(), 0);

        Click(Form().Button_Change);
        Press_With("2147483647");
        QCOMPARE(Game_State.Max_Value, INT32_MAX);
        Click(Form().Button_Action);
        QCOMPARE(Form().Label_Notice->text(), QString("1 - 2147483647"));
        QCOMPARE(Form().Button_Change->text(), QString("1 - 2147483647")); // one line, whole
        for (int32_t secret : {1, INT32_MAX, 0}) {
            if (secret) // the two ends of the range, then a random draw
                Game_State.Secret_Number = secret;
            QVERIFY(Win_By_Halving() <= 31);
            Click(Form().Button_Action);
        }
    }

    void a_maximum_below_one_is_refused()
    {
        Click(Form().Button_Change);
        for (QString zero : {"0", "00", "0000000000"}) {
            Type_Over(zero);
            QVERIFY2(!Form().Button_Action->isEnabled(), qPrintable(zero));
        }
        // Pressed anyway: the error box, and the mode stays for a correction.
        Boxes_Seen seen = Closing_Boxes([] { Action_Pressed(); });
        QCOMPARE(seen.Count, 1);
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
        Boxes_Seen seen = Closing_Boxes([] { Action_Pressed(); });
        QCOMPARE(seen.Text, QString("Only integer numbers are valid!"));
        QCOMPARE(form.Label_Meldung->text(), QString("earlier message"));
        QCOMPARE(Game_State.Max_Value, 100);
        QVERIFY(Game_State.Changing_Max);
        QCOMPARE(form.Text_Zahl->text(), QString("12x"));
        QVERIFY(form.Text_Zahl->isEnabled());
        QCOMPARE(form.Text_Zahl->palette().color(QPalette::Base), Platform_Colour(Colour_Window_Background));
        QCOMPARE(form.Button_Change->text(), QString("Abort"));
        Type_Over("12"); // corrected, now it goes through
        Click(form.Button_Action);
        QCOMPARE(Game_State.Max_Value, 12);
        QCOMPARE(form.Label_Meldung->text(), QString("New maximal value is 12."));
    }
};

QTEST_MAIN(Test_Maximum_Change)
#include "test_maximum_change.moc"
