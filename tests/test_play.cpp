// Games played as a player plays them, step by step, each step with all the window then shows, and the
// rule for what "Guess" and "OK" take, text by text.
#include "brivola_test.h"
#include "runtime/random_services.h"

#include <QAccessible>
#include <QMenu>

namespace {

QWidget *Speech_Carrier() { return Form().Button_Action->window()->findChild<QWidget *>("Speech_Carrier"); }

// Counts the showings of the speech carrier: a screen reader speaks its message once for each.
class Showings : public QObject {
public:
    int count = 0;

    bool eventFilter(QObject *, QEvent *event) override
    {
        count += event->type() == QEvent::Show;
        return false;
    }
} Speech_Showings;

// All the window shows, as a screen reader reads it: each control's name (the field's text and what it
// takes), "off" where a control is disabled, "on" where an option is selected, and where the keys go.
QString Screen()
{
    QStringList shown;
    for (QWidget *control : Form().Button_Action->window()->findChildren<QWidget *>()) {
        QAccessibleInterface *reading = QAccessible::queryAccessibleInterface(control);
        QString text = reading->text(QAccessible::Name);
        if (control == Form().Text_Zahl)
            text = "[" + reading->text(QAccessible::Value) + "] " + reading->text(QAccessible::Description);
        if (!control->isEnabled())
            text += " off";
        if (reading->state().checked)
            text += " on";
        if (control->hasFocus())
            text += " focused";
        if (control != Speech_Carrier())
            shown << text;
    }
    return shown.join(" | ");
}

// Does what the step says, as a player would: click a control, paste, or press a key; "press anyway" is a
// program pressing "Guess" or "OK" even when disabled. Adds each message spoken and the box it opened.
QString Play(const QString &step)
{
    QWidget *window = Form().Button_Action->window();
    const QString argument = step.section(u' ', 1);
    QStringList boxes;
    const int showings = Speech_Showings.count;
    if (step.startsWith("click "))
        boxes = Boxes([&] { Click(window->findChild<QAbstractButton *>(argument)); });
    if (step == "press anyway")
        boxes = Boxes(Action_Pressed);
    if (step.startsWith("paste "))
        Paste(argument);
    if (step.startsWith("key ")) {
        const QKeyCombination key = QKeySequence::fromString(argument)[0];
        QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
    }
    QAccessibleInterface *speech = QAccessible::queryAccessibleInterface(Speech_Carrier());
    for (int i = showings; i < Speech_Showings.count; ++i)
        boxes.prepend(QString(speech->role() == QAccessible::Notification ? "says: " : "shows: ")
                      + speech->text(QAccessible::Name));
    boxes.prepend(Screen());
    return boxes.join(" | ");
}

struct Step {
    const char *action;
    const char *screen;
};

// How a text fares as a guess from 1 to 100 and as a new maximum.
struct Verdict {
    QString text;
    bool guess;
    bool maximum;
};

} // namespace

class Test_Play : public QObject {
    Q_OBJECT
    std::unique_ptr<QWidget> window;

    void Play_All(std::initializer_list<Step> steps)
    {
        for (const Step &step : steps) {
            QCOMPARE(Play(step.action), QString(step.screen));
            // Captions show whole, 4 px clear of the sides, the upper on one line, the lower on two at most,
            // and screen readers get them without the line break.
            for (QPushButton *button : {Form().Button_Action, Form().Button_Change}) {
                const QStringList lines = button->text().split(u'\n');
                QVERIFY(lines.size() <= (button == Form().Button_Action ? 1 : 2));
                QCOMPARE(lines.join(u' '), button->accessibleName());
                for (const QString &line : lines)
                    QVERIFY(button->fontMetrics().horizontalAdvance(line) <= button->width() - 8);
            }
        }
    }

private slots:
    void init()
    {
        Fix_Seed_For_Testing(125); // every game draws 40 from 1 to 100, and 20 from 1 to 50
        window = Start_Window();
        Speech_Carrier()->installEventFilter(&Speech_Showings);
    }

    void a_game_narrows_the_range_counts_the_tries_and_ends_in_a_win()
    {
        Play_All({
            {"look", "Change maximum value | Language: | Deutsch | English on | Start New Game focused | []  "
                     "off |  |  | Number of needed tries: 0 | Enter a number:"},
            {"click Button_Action",
             "1 - 100 off | Language: | Deutsch | English on | Guess off | [] A whole number from 1 to 100 "
             "focused | 1 - 100 | New game started. | Number of needed tries: 0 | Enter a number: | says: "
             "New game started. 1 - 100. Number of needed tries: 0"},
            {"paste 30",
             "1 - 100 off | Language: | Deutsch | English on | Guess | [30] A whole number from 1 to 100 "
             "focused | 1 - 100 | New game started. | Number of needed tries: 0 | Enter a number:"},
            {"click Button_Action",
             "1 - 100 off | Language: | Deutsch | English on | Guess focused | [30] A whole number from 1 to "
             "100 | 31 - 100 | The searched number is larger. | Number of needed tries: 1 | Enter a number: "
             "| says: The searched number is larger. 31 - 100. Number of needed tries: 1"},
            {"paste 50", "1 - 100 off | Language: | Deutsch | English on | Guess | [50] A whole number from "
                         "1 to 100 focused | 31 - 100 | The searched number is larger. | Number of needed "
                         "tries: 1 | Enter a number:"},
            {"click Button_Action",
             "1 - 100 off | Language: | Deutsch | English on | Guess focused | [50] A whole number from 1 to "
             "100 | 31 - 49 | The searched number is smaller. | Number of needed tries: 2 | Enter a number: "
             "| says: The searched number is smaller. 31 - 49. Number of needed tries: 2"},
            {"paste 60", "1 - 100 off | Language: | Deutsch | English on | Guess | [60] A whole number from "
                         "1 to 100 focused | 31 - 49 | The searched number is smaller. | Number of needed "
                         "tries: 2 | Enter a number:"},
            {"click Button_Action",
             "1 - 100 off | Language: | Deutsch | English on | Guess focused | [60] A whole number from 1 to "
             "100 | 31 - 49 | The searched number is smaller. | Number of needed tries: 3 | Enter a number: "
             "| says: The searched number is smaller. 31 - 49. Number of needed tries: 3"},
            {"click Button_Action",
             "1 - 100 off | Language: | Deutsch | English on | Guess focused | [60] A whole number from 1 to "
             "100 | 31 - 49 | The searched number is smaller. | Number of needed tries: 4 | Enter a number: "
             "| says: The searched number is smaller. 31 - 49. Number of needed tries: 4"},
            {"paste 31", "1 - 100 off | Language: | Deutsch | English on | Guess | [31] A whole number from "
                         "1 to 100 focused | 31 - 49 | The searched number is smaller. | Number of needed "
                         "tries: 4 | Enter a number:"},
            {"click Button_Action",
             "1 - 100 off | Language: | Deutsch | English on | Guess focused | [31] A whole number from 1 to "
             "100 | 32 - 49 | The searched number is larger. | Number of needed tries: 5 | Enter a number: | "
             "says: The searched number is larger. 32 - 49. Number of needed tries: 5"},
            {"paste 10", "1 - 100 off | Language: | Deutsch | English on | Guess | [10] A whole number from "
                         "1 to 100 focused | 32 - 49 | The searched number is larger. | Number of needed "
                         "tries: 5 | Enter a number:"},
            {"click Button_Action",
             "1 - 100 off | Language: | Deutsch | English on | Guess focused | [10] A whole number from 1 to "
             "100 | 32 - 49 | The searched number is larger. | Number of needed tries: 6 | Enter a number: | "
             "says: The searched number is larger. 32 - 49. Number of needed tries: 6"},
            {"paste 101", "1 - 100 off | Language: | Deutsch | English on | Guess off | [101] A whole number "
                          "from 1 to 100 focused | 32 - 49 | The searched number is larger. | Number of "
                          "needed tries: 6 | Enter a number:"},
            {"key Ctrl+Z", "1 - 100 off | Language: | Deutsch | English on | Guess | [10] A whole number "
                           "from 1 to 100 focused | 32 - 49 | The searched number is larger. | Number of "
                           "needed tries: 6 | Enter a number:"},
            {"key Return", "1 - 100 off | Language: | Deutsch | English on | Guess | [10] A whole number "
                           "from 1 to 100 focused | 32 - 49 | The searched number is larger. | Number of "
                           "needed tries: 6 | Enter a number:"},
            {"paste 7x", "1 - 100 off | Language: | Deutsch | English on | Guess off | [7x] A whole number "
                         "from 1 to 100 focused | 32 - 49 | The searched number is larger. | Number of "
                         "needed tries: 6 | Enter a number:"},
            {"press anyway",
             "1 - 100 off | Language: | Deutsch | English on | Guess off | [7x] A whole number from 1 to 100 "
             "focused | 32 - 49 | The searched number is larger. | Number of needed tries: 6 | Enter a "
             "number: | Error | Only integer numbers are valid! | 3 | placed"},
            {"click Option_Deutsch",
             "1 - 100 off | Sprache: | Deutsch on focused | English | Raten off | [7x] Eine ganze Zahl von 1 "
             "bis 100 | 32 - 49 | Die gesuchte Zahl ist größer. | Anzahl benötigter Versuche: 6 | Geben Sie "
             "eine Zahl ein: | says: Die gesuchte Zahl ist größer. 32 - 49. Anzahl benötigter Versuche: 6"},
            {"paste 40", "1 - 100 off | Sprache: | Deutsch on | English | Raten | [40] Eine ganze Zahl von 1 "
                         "bis 100 focused | 32 - 49 | Die gesuchte Zahl ist größer. | Anzahl benötigter "
                         "Versuche: 6 | Geben Sie eine Zahl ein:"},
            {"click Button_Action", "Maximalwert ändern | Sprache: | Deutsch on | English | Neues Spiel "
                                    "starten focused | []  off |  |  | Anzahl benötigter Versuche: 0 | Geben "
                                    "Sie eine Zahl ein: | Richtig! | Richtig! | 1 | placed"},
            {"click Option_English",
             "Change maximum value | Language: | Deutsch | English on focused | Start New Game | []  off |  "
             "|  | Number of needed tries: 0 | Enter a number:"},
            {"click Button_Action",
             "1 - 100 off | Language: | Deutsch | English on | Guess off | [] A whole number from 1 to 100 "
             "focused | 1 - 100 | New game started. | Number of needed tries: 0 | Enter a number: | says: "
             "New game started. 1 - 100. Number of needed tries: 0"},
            {"paste 60",
             "1 - 100 off | Language: | Deutsch | English on | Guess | [60] A whole number from 1 to 100 "
             "focused | 1 - 100 | New game started. | Number of needed tries: 0 | Enter a number:"},
            {"click Button_Action",
             "1 - 100 off | Language: | Deutsch | English on | Guess focused | [60] A whole number from 1 to "
             "100 | 1 - 59 | The searched number is smaller. | Number of needed tries: 1 | Enter a number: | "
             "says: The searched number is smaller. 1 - 59. Number of needed tries: 1"},
        });
    }

    void the_first_game_starts_from_the_whole_range()
    {
        Play_All({
            {"click Button_Action",
             "1 - 100 off | Language: | Deutsch | English on | Guess off | [] A whole number from 1 to 100 "
             "focused | 1 - 100 | New game started. | Number of needed tries: 0 | Enter a number: | says: "
             "New game started. 1 - 100. Number of needed tries: 0"},
            {"paste 50",
             "1 - 100 off | Language: | Deutsch | English on | Guess | [50] A whole number from 1 to 100 "
             "focused | 1 - 100 | New game started. | Number of needed tries: 0 | Enter a number:"},
            {"click Button_Action",
             "1 - 100 off | Language: | Deutsch | English on | Guess focused | [50] A whole number from 1 to "
             "100 | 1 - 49 | The searched number is smaller. | Number of needed tries: 1 | Enter a number: | "
             "says: The searched number is smaller. 1 - 49. Number of needed tries: 1"},
        });
    }

    void left_and_right_move_between_the_languages_as_up_and_down_do()
    {
        Play_All({
            {"click Option_English",
             "Change maximum value | Language: | Deutsch | English on focused | Start New Game | []  off |  "
             "|  | Number of needed tries: 0 | Enter a number:"},
            {"key Right",
             "Maximalwert ändern | Sprache: | Deutsch on focused | English | Neues Spiel starten | []  off | "
             " |  | Anzahl benötigter Versuche: 0 | Geben Sie eine Zahl ein:"},
            {"key Left", "Change maximum value | Language: | Deutsch | English on focused | Start New Game | "
                         "[]  off |  |  | Number of needed tries: 0 | Enter a number:"},
        });
    }

    void qt_s_own_texts_follow_the_language()
    {
        Click(Form().Option_Deutsch);
        const std::unique_ptr<QMenu> menu(Form().Text_Zahl->createStandardContextMenu());
        QCOMPARE(menu->actions().constFirst()->text(), "&Rückgängig\tStrg+Z"); // from Qt's translations
        Click(Form().Option_English);
        const std::unique_ptr<QMenu> english(Form().Text_Zahl->createStandardContextMenu());
        QCOMPARE(english->actions().constFirst()->text(), "&Undo\tCtrl+Z");
    }

    void a_new_maximum_holds_for_the_next_game_and_abort_keeps_the_old()
    {
        Play_All({
            {"click Option_Deutsch",
             "Maximalwert ändern | Sprache: | Deutsch on focused | English | Neues Spiel starten | []  off | "
             " |  | Anzahl benötigter Versuche: 0 | Geben Sie eine Zahl ein:"},
            {"click Button_Change", "Abbrechen | Sprache: | Deutsch on | English | OK off | [] Eine ganze "
                                    "Zahl von 1 bis 2147483647 focused |  |  |  | neuer Maximalwert:"},
            {"paste 0", "Abbrechen | Sprache: | Deutsch on | English | OK off | [0] Eine ganze Zahl von 1 "
                        "bis 2147483647 focused |  |  |  | neuer Maximalwert:"},
            {"press anyway", "Abbrechen | Sprache: | Deutsch on | English | OK off | [0] Eine ganze Zahl von "
                             "1 bis 2147483647 focused |  |  |  | neuer Maximalwert: | Fehler | Nur ganze "
                             "Zahlen sind gültig! | 3 | placed"},
            {"paste 50", "Abbrechen | Sprache: | Deutsch on | English | OK | [50] Eine ganze Zahl von 1 bis "
                         "2147483647 focused |  |  |  | neuer Maximalwert:"},
            {"key Escape", "Abbrechen | Sprache: | Deutsch on | English | OK | [50] Eine ganze Zahl von 1 "
                           "bis 2147483647 focused |  |  |  | neuer Maximalwert:"},
            {"click Button_Action",
             "Maximalwert ändern | Sprache: | Deutsch on | English | Neues Spiel starten focused | []  off | "
             " | Neuer Maximalwert ist 50. | Anzahl benötigter Versuche: 0 | Geben Sie eine Zahl ein: | "
             "says: Neuer Maximalwert ist 50."},
            {"click Button_Change",
             "Abbrechen | Sprache: | Deutsch on | English | OK off | [] Eine ganze Zahl von 1 bis 2147483647 "
             "focused |  | Neuer Maximalwert ist 50. |  | neuer Maximalwert:"},
            {"paste 20", "Abbrechen | Sprache: | Deutsch on | English | OK | [20] Eine ganze Zahl von 1 bis "
                         "2147483647 focused |  | Neuer Maximalwert ist 50. |  | neuer Maximalwert:"},
            {"click Option_English", "Abort | Language: | Deutsch | English on focused | OK | [20] A whole "
                                     "number from 1 to 2147483647 |  | New maximal value is 50. |  | New "
                                     "maximum value: | says: New maximal value is 50."},
            {"click Option_Deutsch", "Abbrechen | Sprache: | Deutsch on focused | English | OK | [20] Eine "
                                     "ganze Zahl von 1 bis 2147483647 |  | Neuer Maximalwert ist 50. |  | "
                                     "neuer Maximalwert: | says: Neuer Maximalwert ist 50."},
            {"click Button_Change",
             "Maximalwert ändern focused | Sprache: | Deutsch on | English | Neues Spiel starten | []  off | "
             " | Neuer Maximalwert ist 50. | Anzahl benötigter Versuche: 0 | Geben Sie eine Zahl ein:"},
            {"click Button_Action",
             "1 - 50 off | Sprache: | Deutsch on | English | Raten off | [] Eine ganze Zahl von 1 bis 50 "
             "focused | 1 - 50 | Neues Spiel gestartet. | Anzahl benötigter Versuche: 0 | Geben Sie eine "
             "Zahl ein: | says: Neues Spiel gestartet. 1 - 50. Anzahl benötigter Versuche: 0"},
            {"paste 10", "1 - 50 off | Sprache: | Deutsch on | English | Raten | [10] Eine ganze Zahl von 1 "
                         "bis 50 focused | 1 - 50 | Neues Spiel gestartet. | Anzahl benötigter Versuche: 0 | "
                         "Geben Sie eine Zahl ein:"},
            {"click Button_Action",
             "1 - 50 off | Sprache: | Deutsch on | English | Raten focused | [10] Eine ganze Zahl von 1 bis "
             "50 | 11 - 50 | Die gesuchte Zahl ist größer. | Anzahl benötigter Versuche: 1 | Geben Sie eine "
             "Zahl ein: | says: Die gesuchte Zahl ist größer. 11 - 50. Anzahl benötigter Versuche: 1"},
            {"paste 30", "1 - 50 off | Sprache: | Deutsch on | English | Raten | [30] Eine ganze Zahl von 1 "
                         "bis 50 focused | 11 - 50 | Die gesuchte Zahl ist größer. | Anzahl benötigter "
                         "Versuche: 1 | Geben Sie eine Zahl ein:"},
            {"click Button_Action",
             "1 - 50 off | Sprache: | Deutsch on | English | Raten focused | [30] Eine ganze Zahl von 1 bis "
             "50 | 11 - 29 | Die gesuchte Zahl ist kleiner. | Anzahl benötigter Versuche: 2 | Geben Sie eine "
             "Zahl ein: | says: Die gesuchte Zahl ist kleiner. 11 - 29. Anzahl benötigter Versuche: 2"},
            {"click Option_English",
             "1 - 50 off | Language: | Deutsch | English on focused | Guess | [30] A whole number from 1 to "
             "50 | 11 - 29 | The searched number is smaller. | Number of needed tries: 2 | Enter a number: | "
             "says: The searched number is smaller. 11 - 29. Number of needed tries: 2"},
            {"paste 20", "1 - 50 off | Language: | Deutsch | English on | Guess | [20] A whole number from 1 "
                         "to 50 focused | 11 - 29 | The searched number is smaller. | Number of needed "
                         "tries: 2 | Enter a number:"},
            {"click Button_Action",
             "Change maximum value | Language: | Deutsch | English on | Start New Game focused | []  off |  "
             "|  | Number of needed tries: 0 | Enter a number: | Right! | Right! | 1 | placed"},
        });
    }

    void guess_and_maximum_take_whole_numbers_that_fit_and_nothing_else()
    {
        const QList<Verdict> verdicts = {
            // plain digits, leading zeros and blanks around them
            {"7", true, true},
            {"0000000007", true, true},
            {" 000000007", true, true},
            {"1         ", true, true},
            // the ends of the range, and of 32 bits
            {"100", true, true},
            {"101", false, true},
            {"0", false, false},
            {"2147483647", false, true},
            {"2147483648", false, false},
            {"2200000000", false, false},
            {"22        ", false, false},
            {"  12345678", false, false},
            {"00000000007", false, false},
            {QString(400, u'9'), false, false},
            // no sign, point, exponent, tab, other digits, or nothing
            {"-7", false, false},
            {"+7", false, false},
            {"7.0", false, false},
            {"7.5", false, false},
            {"1e3", false, false},
            {"7 7", false, false},
            {"\t7", false, false},
            {"\uFF17", false, false},
            {"", false, false},
        };
        Click(Form().Button_Action);
        for (const Verdict &verdict : verdicts) {
            Paste(verdict.text);
            QVERIFY2(Form().Button_Action->isEnabled() == verdict.guess, qPrintable(verdict.text));
        }
        window = Start_Window();
        Click(Form().Button_Change);
        for (const Verdict &verdict : verdicts) {
            Paste(verdict.text);
            QVERIFY2(Form().Button_Action->isEnabled() == verdict.maximum, qPrintable(verdict.text));
        }
    }
};

QTEST_MAIN(Test_Play)
#include "test_play.moc"
