// What the soak's random player cannot show: how the secret is drawn, the
// error box that only a program can open, and the count at its end.
#include "brivola_test.h"
#include "runtime/arithmetic.h"
#include "runtime/random_services.h"

class Test_Game : public QObject {
    Q_OBJECT
    std::unique_ptr<QWidget> window;
    const int32_t one = 1, largest = INT32_MAX;

    int32_t Secret_Of_A_New_Game()
    {
        Click(Form().Button_Action);
        const int32_t secret = Game_State.Secret_Number;
        Paste(QString::number(secret));
        Closing_Boxes([] { Click(Form().Button_Action); });
        return secret;
    }

private slots:
    void init() { window = Start_Window(); }
    void cleanup() { Fix_Seed_For_Testing(std::nullopt); }

    void every_game_reseeds_the_generator()
    {
        Click(Form().Button_Change);
        Paste("2147483647");
        Click(Form().Button_Action);
        Fix_Seed_For_Testing(20261207);
        const int32_t first = Secret_Of_A_New_Game();
        QCOMPARE(Secret_Of_A_New_Game(), first); // the same seed again, not the generator's next draw
        Fix_Seed_For_Testing(std::nullopt);
        const int32_t fresh = Secret_Of_A_New_Game();
        Fix_Seed_For_Testing(20261207);
        Seed_From_Clock();
        Random_In_Range(one, largest);
        const int32_t successor = Random_In_Range(one, largest);
        QVERIFY(fresh != first && fresh != successor); // reseeded from the clock
    }

    void draws_are_uniform_and_stay_in_range()
    {
        qInfo("draws from the fixed seed 20261206");
        Fix_Seed_For_Testing(20261206);
        Seed_From_Clock();
        const int32_t hundred = 100, zero = 0, lowest = INT32_MIN;
        std::array<int, 101> seen{};
        for (int i = 0; i < 100000; ++i) {
            const int32_t value = Random_In_Range(one, hundred);
            QVERIFY(value >= 1 && value <= 100 && Random_In_Range(one, largest) >= 1);
            ++seen[value];
        }
        double chi_square = 0;
        for (int value = 1; value <= 100; ++value)
            chi_square += (seen[value] - 1000.0) * (seen[value] - 1000.0) / 1000.0;
        QVERIFY2(chi_square < 148.23, qPrintable(QString::number(chi_square))); // 99 df, p = 0.001
        QCOMPARE(Random_In_Range(one, one) + Random_In_Range(one, zero), 2); // a single value, an empty range
        QVERIFY_THROWS_EXCEPTION(Overflow_Error, Random_In_Range(lowest, zero));
    }

    void a_refused_text_pressed_anyway_shows_the_error_box_and_changes_nothing()
    {
        // "Guess" and "OK" are disabled for such text, so only a program can press them.
        for (const QStringList &texts : {QStringList{"Error", "Only integer numbers are valid!"},
                                         QStringList{"Fehler", "Nur ganze Zahlen sind gültig!"}}) {
            if (texts[0] == "Fehler")
                Click(Form().Option_Deutsch);
            Click(Form().Button_Change);
            Paste("12x");
            Boxes_Seen seen = Closing_Boxes([] { Action_Pressed(); });
            QCOMPARE(QStringList({seen.Title, seen.Text, seen.Buttons}), texts + QStringList("OK"));
            QCOMPARE(seen.Icon, QMessageBox::Critical);
            // A refused maximum is neither set nor announced; the text stays to be corrected.
            QCOMPARE(Form().Label_Meldung->text() + Form().Text_Zahl->text(), QString("12x"));
            QVERIFY(Form().Text_Zahl->isEnabled() && Game_State.Max_Value == 100);
            Click(Form().Button_Change);
            Click(Form().Button_Action);
            Paste("0");
            QCOMPARE(Closing_Boxes([] { Action_Pressed(); }).Icon, QMessageBox::Critical);
            QVERIFY(Form().Label_Anzahl_Versuche->text().endsWith(": 0")); // nothing counted
            window = Start_Window();
        }
    }

    void the_count_stops_at_its_largest_value()
    {
        Click(Form().Button_Action);
        Game_State.Secret_Number = 40;
        Game_State.Tries = INT32_MAX - 1;
        Paste("50");
        Click(Form().Button_Action);
        Click(Form().Button_Action);
        QCOMPARE(Form().Label_Anzahl_Versuche->text(), QString("Number of needed tries: 2147483647"));
    }
};

QTEST_MAIN(Test_Game)
#include "test_game.moc"
