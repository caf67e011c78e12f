// Games played as a player plays them, step by step, each step with what it changed in the window, and
// the rule for what "Guess" and "OK" take, text by text.
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

// Each control as a screen reader reads it: its name (the field's text and what it takes), "off" where it
// is disabled, "on" where an option is selected, and where the keys go.
QStringList Screen()
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
        if (text.isEmpty())
            text = control->objectName() + " empty";
        if (control != Speech_Carrier())
            shown << text;
    }
    return shown;
}

// Does what the step says, as a player would: click a control, paste, or press a key; "press anyway" is a
// program pressing "Guess" or "OK" even when disabled; "menu" reads the first entry of the field's
// context menu, a text of Qt's own. Says each message spoken and the box it opened.
QStringList Play(const QString &step)
{
    QWidget *window = Form().Button_Action->window();
    const QString argument = step.section(u' ', 1);
    QStringList heard;
    const int showings = Speech_Showings.count;
    if (step.startsWith("click "))
        heard = Boxes([&] { Click(window->findChild<QAbstractButton *>(argument)); });
    if (step == "press anyway")
        heard = Boxes(Action_Pressed);
    if (step.startsWith("paste "))
        Paste(argument);
    if (step == "menu") {
        const std::unique_ptr<QMenu> menu(Form().Text_Zahl->createStandardContextMenu());
        heard << menu->actions().constFirst()->text();
    }
    if (step.startsWith("key ")) {
        const QKeyCombination key = QKeySequence::fromString(argument)[0];
        QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
    }
    QAccessibleInterface *speech = QAccessible::queryAccessibleInterface(Speech_Carrier());
    for (int i = showings; i < Speech_Showings.count; ++i)
        heard.prepend(QString(speech->role() == QAccessible::Notification ? "says: " : "shows: ")
                      + speech->text(QAccessible::Name));
    return heard;
}

struct Step {
    const char *action;
    const char *screen;
};

} // namespace

class Test_Play : public QObject {
    Q_OBJECT
    std::unique_ptr<QWidget> window;

    // Each row says what a step changed: the first the whole window, then only the controls that read
    // otherwise than before, then what was spoken and any box.
    void Play_All(std::initializer_list<Step> steps)
    {
        QStringList before;
        for (const Step &step : steps) {
            const QStringList heard = Play(step.action);
            const QStringList now = Screen();
            QStringList changes;
            for (qsizetype i = 0; i < now.size(); ++i)
                if (before.isEmpty() || now[i] != before[i])
                    changes << now[i];
            before = now;
            const QString row = QString(step.action) + ": ";
            QCOMPARE(row + (changes + heard).join(" | "), row + step.screen);
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
            {"look",
             "Change maximum value | Language: | Deutsch | English on | Start New Game focused | []  off | "
             "Label_Notice empty | Label_Meldung empty | Number of needed tries: 0 | Enter a number:"},
            {"click Button_Action",
             "1 - 100 off | Guess off | [] A whole number from 1 to 100 focused | 1 - 100 | New game "
             "started. | says: New game started. 1 - 100. Number of needed tries: 0"},
            {"paste 30", "Guess | [30] A whole number from 1 to 100 focused"},
            {"click Button_Action", "Guess focused | [30] A whole number from 1 to 100 | 31 - 100 | The "
                                    "searched number is larger. | Number of needed tries: 1 | says: The "
                                    "searched number is larger. 31 - 100. Number of needed tries: 1"},
            {"paste 50", "Guess | [50] A whole number from 1 to 100 focused"},
            {"click Button_Action", "Guess focused | [50] A whole number from 1 to 100 | 31 - 49 | The "
                                    "searched number is smaller. | Number of needed tries: 2 | says: The "
                                    "searched number is smaller. 31 - 49. Number of needed tries: 2"},
            {"paste 60", "Guess | [60] A whole number from 1 to 100 focused"},
            {"click Button_Action",
             "Guess focused | [60] A whole number from 1 to 100 | Number of needed tries: 3 | says: The "
             "searched number is smaller. 31 - 49. Number of needed tries: 3"},
            {"click Button_Action", "Number of needed tries: 4 | says: The searched number is smaller. 31 - "
                                    "49. Number of needed tries: 4"},
            {"paste 31", "Guess | [31] A whole number from 1 to 100 focused"},
            {"click Button_Action", "Guess focused | [31] A whole number from 1 to 100 | 32 - 49 | The "
                                    "searched number is larger. | Number of needed tries: 5 | says: The "
                                    "searched number is larger. 32 - 49. Number of needed tries: 5"},
            {"paste 10", "Guess | [10] A whole number from 1 to 100 focused"},
            {"click Button_Action",
             "Guess focused | [10] A whole number from 1 to 100 | Number of needed tries: 6 | says: The "
             "searched number is larger. 32 - 49. Number of needed tries: 6"},
            {"paste 101", "Guess off | [101] A whole number from 1 to 100 focused"},
            {"key Ctrl+Z", "Guess | [10] A whole number from 1 to 100 focused"},
            {"key Return", ""},
            {"paste 7x", "Guess off | [7x] A whole number from 1 to 100 focused"},
            {"press anyway", "Error | Only integer numbers are valid! | 3 | placed"},
            {"click Option_Deutsch",
             "Sprache: | Deutsch on focused | English | Raten off | [7x] Eine ganze Zahl von 1 bis 100 | Die "
             "gesuchte Zahl ist größer. | Anzahl benötigter Versuche: 6 | Geben Sie eine Zahl ein: | says: "
             "Die gesuchte Zahl ist größer. 32 - 49. Anzahl benötigter Versuche: 6"},
            {"paste 40", "Deutsch on | Raten | [40] Eine ganze Zahl von 1 bis 100 focused"},
            {"click Button_Action",
             "Maximalwert ändern | Neues Spiel starten focused | []  off | Label_Notice empty | "
             "Label_Meldung empty | Anzahl benötigter Versuche: 0 | Richtig! | Richtig! | 1 | placed"},
            {"click Option_English", "Change maximum value | Language: | Deutsch | English on focused | "
                                     "Start New Game | Number of needed tries: 0 | Enter a number:"},
            {"click Button_Action",
             "1 - 100 off | English on | Guess off | [] A whole number from 1 to 100 focused | 1 - 100 | New "
             "game started. | says: New game started. 1 - 100. Number of needed tries: 0"},
            {"paste 60", "Guess | [60] A whole number from 1 to 100 focused"},
            {"click Button_Action", "Guess focused | [60] A whole number from 1 to 100 | 1 - 59 | The "
                                    "searched number is smaller. | Number of needed tries: 1 | says: The "
                                    "searched number is smaller. 1 - 59. Number of needed tries: 1"},
        });
    }

    void the_first_game_starts_from_the_whole_range()
    {
        Play_All({
            {"click Button_Action",
             "1 - 100 off | Language: | Deutsch | English on | Guess off | [] A whole number from 1 to 100 "
             "focused | 1 - 100 | New game started. | Number of needed tries: 0 | Enter a number: | says: "
             "New game started. 1 - 100. Number of needed tries: 0"},
            {"paste 50", "Guess | [50] A whole number from 1 to 100 focused"},
            {"click Button_Action", "Guess focused | [50] A whole number from 1 to 100 | 1 - 49 | The "
                                    "searched number is smaller. | Number of needed tries: 1 | says: The "
                                    "searched number is smaller. 1 - 49. Number of needed tries: 1"},
        });
    }

    void left_and_right_move_between_the_languages_and_qt_s_own_texts_follow()
    {
        Play_All({
            {"click Option_English",
             "Change maximum value | Language: | Deutsch | English on focused | Start New Game | []  off | "
             "Label_Notice empty | Label_Meldung empty | Number of needed tries: 0 | Enter a number:"},
            {"key Right", "Maximalwert ändern | Sprache: | Deutsch on focused | English | Neues Spiel "
                          "starten | Anzahl benötigter Versuche: 0 | Geben Sie eine Zahl ein:"},
            {"menu", "&Rückgängig\tStrg+Z"},
            {"key Left", "Change maximum value | Language: | Deutsch | English on focused | Start New Game | "
                         "Number of needed tries: 0 | Enter a number:"},
            {"menu", "&Undo\tCtrl+Z"},
        });
    }

    void a_new_maximum_holds_for_the_next_game_and_abort_keeps_the_old()
    {
        Play_All({
            {"click Option_Deutsch", "Maximalwert ändern | Sprache: | Deutsch on focused | English | Neues "
                                     "Spiel starten | []  off | Label_Notice empty | Label_Meldung empty | "
                                     "Anzahl benötigter Versuche: 0 | Geben Sie eine Zahl ein:"},
            {"click Button_Change", "Abbrechen | Deutsch on | OK off | [] Eine ganze Zahl von 1 bis "
                                    "2147483647 focused | Label_Anzahl_Versuche empty | neuer Maximalwert:"},
            {"paste 0", "[0] Eine ganze Zahl von 1 bis 2147483647 focused"},
            {"press anyway", "Fehler | Nur ganze Zahlen sind gültig! | 3 | placed"},
            {"paste 50", "OK | [50] Eine ganze Zahl von 1 bis 2147483647 focused"},
            {"key Escape", ""},
            {"click Button_Action",
             "Maximalwert ändern | Neues Spiel starten focused | []  off | Neuer Maximalwert ist 50. | "
             "Anzahl benötigter Versuche: 0 | Geben Sie eine Zahl ein: | says: Neuer Maximalwert ist 50."},
            {"click Button_Change", "Abbrechen | OK off | [] Eine ganze Zahl von 1 bis 2147483647 focused | "
                                    "Label_Anzahl_Versuche empty | neuer Maximalwert:"},
            {"paste 20", "OK | [20] Eine ganze Zahl von 1 bis 2147483647 focused"},
            {"click Option_English",
             "Abort | Language: | Deutsch | English on focused | [20] A whole number from 1 to 2147483647 | "
             "New maximal value is 50. | New maximum value: | says: New maximal value is 50."},
            {"click Option_Deutsch",
             "Abbrechen | Sprache: | Deutsch on focused | English | [20] Eine ganze Zahl von 1 bis "
             "2147483647 | Neuer Maximalwert ist 50. | neuer Maximalwert: | says: Neuer Maximalwert ist 50."},
            {"click Button_Change", "Maximalwert ändern focused | Deutsch on | Neues Spiel starten | []  off "
                                    "| Anzahl benötigter Versuche: 0 | Geben Sie eine Zahl ein:"},
            {"click Button_Action",
             "1 - 50 off | Raten off | [] Eine ganze Zahl von 1 bis 50 focused | 1 - 50 | Neues Spiel "
             "gestartet. | says: Neues Spiel gestartet. 1 - 50. Anzahl benötigter Versuche: 0"},
            {"paste 10", "Raten | [10] Eine ganze Zahl von 1 bis 50 focused"},
            {"click Button_Action", "Raten focused | [10] Eine ganze Zahl von 1 bis 50 | 11 - 50 | Die "
                                    "gesuchte Zahl ist größer. | Anzahl benötigter Versuche: 1 | says: Die "
                                    "gesuchte Zahl ist größer. 11 - 50. Anzahl benötigter Versuche: 1"},
            {"paste 30", "Raten | [30] Eine ganze Zahl von 1 bis 50 focused"},
            {"click Button_Action", "Raten focused | [30] Eine ganze Zahl von 1 bis 50 | 11 - 29 | Die "
                                    "gesuchte Zahl ist kleiner. | Anzahl benötigter Versuche: 2 | says: Die "
                                    "gesuchte Zahl ist kleiner. 11 - 29. Anzahl benötigter Versuche: 2"},
            {"click Option_English",
             "Language: | Deutsch | English on focused | Guess | [30] A whole number from 1 to 50 | The "
             "searched number is smaller. | Number of needed tries: 2 | Enter a number: | says: The searched "
             "number is smaller. 11 - 29. Number of needed tries: 2"},
            {"paste 20", "English on | [20] A whole number from 1 to 50 focused"},
            {"click Button_Action",
             "Change maximum value | Start New Game focused | []  off | Label_Notice empty | Label_Meldung "
             "empty | Number of needed tries: 0 | Right! | Right! | 1 | placed"},
        });
    }

    void guess_and_maximum_take_whole_numbers_that_fit_and_nothing_else()
    {
        // Plain digits, leading zeros and blanks around them, up to the top of the range.
        const QStringList both = {"7", "0000000007", " 000000007", "1         ", "100"};
        // Above the range, up to the top of 32 bits.
        const QStringList maximum_only = {"101", "2147483647"};
        // Below 1, beyond 32 bits or too long; a sign, a point, an exponent, a tab, other digits, nothing.
        const QStringList neither = {"0",          "2147483648",  "2200000000", "22        ",
                                     "  12345678", "00000000007", "-7",         "+7",
                                     "7.0",        "7.5",         "1e3",        "7 7",
                                     "\t7",        "\uFF17",      "",           QString(400, u'9')};
        auto button_enabled_for = [&](const QStringList &taken) {
            for (const QString &text : both + maximum_only + neither) {
                Paste(text);
                QVERIFY2(Form().Button_Action->isEnabled() == taken.contains(text), qPrintable(text));
            }
        };
        Click(Form().Button_Action);
        button_enabled_for(both);
        window = Start_Window();
        Click(Form().Button_Change);
        button_enabled_for(both + maximum_only);
    }
};

QTEST_MAIN(Test_Play)
#include "test_play.moc"
