// Games played step by step, each step with what it changed in the window; the texts "Guess" and "OK" take.
#include "brivola_test.h"
#include "runtime/random_testing.h"

#include <QAccessible>
#include <QMenu>

namespace {

// The controls by the names the transcripts give them, in the order they are read.
QList<std::pair<QString, QWidget *>> Named_Controls()
{
    Ui::Brivola &form = Form();
    return {{"Prompt", form.Label_Beschreibungstext},
            {"Field", form.Text_Zahl},
            {"Action", form.Button_Action},
            {"Change", form.Button_Change},
            {"Tries", form.Label_Anzahl_Versuche},
            {"Message", form.Label_Meldung},
            {"Notice", form.Label_Notice},
            {"Frame", form.Frame_Sprache},
            {"English", form.Option_English},
            {"Deutsch", form.Option_Deutsch}};
}

// What screen readers are told: the carrier's message at each showing, and announcements where Qt has them.
QStringList Heard;

class Carrier_Listener : public QObject {
    bool eventFilter(QObject *carrier, QEvent *event) override
    {
        QAccessibleInterface *speech = QAccessible::queryAccessibleInterface(carrier);
        if (event->type() == QEvent::Show)
            Heard << (speech->role() == QAccessible::Notification ? "says: " : "shows: ")
                         + speech->text(QAccessible::Name);
        return false;
    }
} Listener;

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
void Hear_Announcements(QAccessibleEvent *event)
{
    if (event->type() == QAccessible::Announcement)
        Heard << "says: " + static_cast<QAccessibleAnnouncementEvent *>(event)->message();
}
#endif

// The window and each control as a screen reader reads them, and where the keys go; but a button's caption
// as it shows, each break as " / ", with what is spoken where that differs from the caption joined.
QStringList Screen()
{
    // A screen reader meets the window first, by its title, where its role is a window's.
    QAccessibleInterface *window = QAccessible::queryAccessibleInterface(Form().Button_Action->window());
    QStringList shown = {(window->role() == QAccessible::Window ? "Window: " : "Not a window: ")
                         + window->text(QAccessible::Name)};
    QString focus;
    for (const auto &[name, control] : Named_Controls()) {
        QAccessibleInterface *reading = QAccessible::queryAccessibleInterface(control);
        QString text = reading->text(QAccessible::Name);
        if (control == Form().Text_Zahl)
            text = ("[" + reading->text(QAccessible::Value) + "] " + reading->text(QAccessible::Description))
                       .trimmed();
        if (auto *button = qobject_cast<QPushButton *>(control)) {
            const QString spoken = text;
            text = button->text().remove(Left_To_Right_Mark).replace(u'\n', " / ");
            if (QString(text).replace(" / ", " ") != spoken)
                text += ", spoken: " + spoken;
        }
        if (!control->isEnabled())
            text += ", off";
        if (reading->state().checked)
            shown << "Chosen: " + name;
        else if (!qobject_cast<QRadioButton *>(control))
            shown << name + ": " + (text.isEmpty() ? "empty" : text);
        if (control->hasFocus())
            focus = name;
    }
    return shown << "focus: " + focus;
}

// Does the step as a player would, and says what was spoken and any box; "press anyway" presses a disabled
// button, "menu" reads Qt's own first entry of the field's menu. An unknown step fails the test.
QStringList Play(const QString &step)
{
    const QString verb = step.section(u' ', 0, 0), argument = step.section(u' ', 1);
    QStringList heard;
    QWidget *control = nullptr;
    for (const auto &[name, named] : Named_Controls())
        if (name == argument)
            control = named;
    const QKeyCombination key = QKeySequence::fromString(argument)[0];
    if (verb == "click" && control)
        heard = Boxes([control] { Click(qobject_cast<QAbstractButton *>(control)); });
    else if (step == "press anyway")
        heard = Boxes(Action_Pressed);
    else if (verb == "paste")
        Paste(argument);
    else if (step == "menu") {
        const std::unique_ptr<QMenu> menu(Form().Text_Zahl->createStandardContextMenu());
        heard << "menu: " + menu->actions().constFirst()->text().replace(u'\t', u' ');
    } else if (verb == "type")
        QTest::keyClicks(QApplication::focusWidget(), argument);
    else if (verb == "key" && key.key() != Qt::Key_unknown)
        heard = Boxes(
            [key] { QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers()); });
    else if (step != "look")
        QTest::qFail(qPrintable("no such step: " + step), __FILE__, __LINE__);
    return heard << std::exchange(Heard, {});
}

} // namespace

class Test_Play : public QObject {
    Q_OBJECT
    std::unique_ptr<QWidget> window;

    // A row for each step: the step, "->" and what it changed (at first the whole window), then what was
    // spoken and any box; indented lines go on with the row.
    void Play_All(const QString &transcript)
    {
        QList<std::pair<QString, QStringList>> steps;
        for (const QString &line : transcript.split(u'\n', Qt::SkipEmptyParts))
            if (line.startsWith(u' '))
                steps.last().second << line.trimmed();
            else
                steps.append({line.section(" -> ", 0, 0), {line.section(" -> ", 1)}});
        QStringList before;
        for (const auto &[step, expected] : steps) {
            const QStringList heard = Play(step);
            if (QTest::currentTestFailed())
                return;
            const QStringList now = Screen();
            QStringList changes;
            for (qsizetype i = 0; i < now.size(); ++i)
                if (before.isEmpty() || now[i] != before[i])
                    changes << now[i];
            before = now;
            const QString actual = (changes + heard).join(" | ");
            QCOMPARE(step + " -> " + actual, step + " -> " + expected.join(" | ").trimmed());
        }
    }

private slots:
    void init()
    {
        Fix_Seed_For_Testing(125); // every game draws 40 from 1 to 100, and 20 from 1 to 50
        window = Start_Window();
        window->findChild<QWidget *>("Speech_Carrier")->installEventFilter(&Listener);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        QAccessible::installUpdateHandler(Hear_Announcements);
#endif
    }

    void a_game_narrows_the_range_at_both_ends_counts_the_tries_and_ends_in_a_win()
    {
        Play_All(R"(
look -> Window: Brivola; © 2026 The Brivola authors | Prompt: Enter a number: | Field: [], off | Action: Start New Game | Change: Change maximum / value
    Tries: Number of needed tries: 0 | Message: empty | Notice: empty | Frame: Language: | Chosen: English
    focus: Action
click Action -> Field: [] A whole number from 1 to 100 | Action: Guess, off | Change: 1 - 100, off
    Message: New game started. | Notice: 1 - 100 | focus: Field
    says: New game started. 1 - 100. Number of needed tries: 0
paste 30 -> Field: [30] A whole number from 1 to 100 | Action: Guess
click Action -> Tries: Number of needed tries: 1 | Message: The searched number is larger.
    Notice: 31 - 100 | focus: Action
    says: The searched number is larger. 31 - 100. Number of needed tries: 1
paste 50 -> Field: [50] A whole number from 1 to 100 | focus: Field
click Action -> Tries: Number of needed tries: 2 | Message: The searched number is smaller.
    Notice: 31 - 49 | focus: Action
    says: The searched number is smaller. 31 - 49. Number of needed tries: 2
paste 49 -> Field: [49] A whole number from 1 to 100 | focus: Field
click Action -> Tries: Number of needed tries: 3 | Notice: 31 - 48 | focus: Action
    says: The searched number is smaller. 31 - 48. Number of needed tries: 3
click Action -> Tries: Number of needed tries: 4
    says: The searched number is smaller. 31 - 48. Number of needed tries: 4
paste 60 -> Field: [60] A whole number from 1 to 100 | focus: Field
click Action -> Tries: Number of needed tries: 5 | focus: Action
    says: The searched number is smaller. 31 - 48. Number of needed tries: 5
paste 31 -> Field: [31] A whole number from 1 to 100 | focus: Field
click Action -> Tries: Number of needed tries: 6 | Message: The searched number is larger.
    Notice: 32 - 48 | focus: Action
    says: The searched number is larger. 32 - 48. Number of needed tries: 6
paste 10 -> Field: [10] A whole number from 1 to 100 | focus: Field
click Action -> Tries: Number of needed tries: 7 | focus: Action
    says: The searched number is larger. 32 - 48. Number of needed tries: 7
paste 101 -> Field: [101] A whole number from 1 to 100 | Action: Guess, off | focus: Field
key Ctrl+Z -> Field: [10] A whole number from 1 to 100 | Action: Guess
paste 7x -> Field: [7x] A whole number from 1 to 100 | Action: Guess, off
click Deutsch -> Prompt: Geben Sie eine Zahl ein: | Field: [7x] Eine ganze Zahl von 1 bis 100
    Action: Raten, off | Tries: Anzahl benötigter Versuche: 7 | Message: Die gesuchte Zahl ist größer.
    Frame: Sprache: | Chosen: Deutsch | focus: Deutsch
    says: Die gesuchte Zahl ist größer. 32 - 48. Anzahl benötigter Versuche: 7
press anyway -> box "Fehler": Nur ganze Zahlen sind gültig! (error icon, placed)
menu -> menu: &Rückgängig Strg+Z
paste 40 -> Field: [40] Eine ganze Zahl von 1 bis 100 | Action: Raten | focus: Field
click Action -> Field: [], off | Action: Neues Spiel starten | Change: Maximalwert / ändern
    Tries: Anzahl benötigter Versuche: 0 | Message: empty | Notice: empty | focus: Action
    box "Richtig!": Richtig! (information icon, placed)
click English -> Prompt: Enter a number: | Action: Start New Game | Change: Change maximum / value
    Tries: Number of needed tries: 0 | Frame: Language: | Chosen: English | focus: English
menu -> menu: &Undo Ctrl+Z
click Action -> Field: [] A whole number from 1 to 100 | Action: Guess, off | Change: 1 - 100, off
    Message: New game started. | Notice: 1 - 100 | focus: Field
    says: New game started. 1 - 100. Number of needed tries: 0
paste 60 -> Field: [60] A whole number from 1 to 100 | Action: Guess
click Action -> Tries: Number of needed tries: 1 | Message: The searched number is smaller.
    Notice: 1 - 59 | focus: Action
    says: The searched number is smaller. 1 - 59. Number of needed tries: 1
)");
    }

    // In each mode, Tab and Shift+Tab go round the open controls, the languages one stop; the space bar
    // presses the focused button; Return, Enter and Escape do nothing, in the field or on a button.
    void every_key_while_idle()
    {
        Play_All(R"(
look -> Window: Brivola; © 2026 The Brivola authors | Prompt: Enter a number: | Field: [], off
    Action: Start New Game | Change: Change maximum / value | Tries: Number of needed tries: 0 | Message: empty
    Notice: empty | Frame: Language: | Chosen: English | focus: Action
key Return
key Enter
key Escape
key Tab -> focus: English
key Space
key Tab -> focus: Change
key Tab -> focus: Action
key Shift+Tab -> focus: Change
key Shift+Tab -> focus: English
key Shift+Tab -> focus: Action
key Shift+Tab -> focus: Change
key Space -> Prompt: New maximum value: | Field: [] A whole number from 1 to 2147483647 | Action: OK, off
    Change: Abort | Tries: empty | focus: Field
)");
    }

    void every_key_in_a_game_played_by_keyboard_alone()
    {
        Play_All(R"(
key Space -> Window: Brivola; © 2026 The Brivola authors | Prompt: Enter a number:
    Field: [] A whole number from 1 to 100 | Action: Guess, off | Change: 1 - 100, off
    Tries: Number of needed tries: 0 | Message: New game started. | Notice: 1 - 100 | Frame: Language:
    Chosen: English | focus: Field | says: New game started. 1 - 100. Number of needed tries: 0
type 0000000050 -> Field: [0000000050] A whole number from 1 to 100 | Action: Guess
key Return
key Enter
key Escape
key Tab -> focus: Action
key Return
key Escape
key Tab -> focus: English
key Right -> Prompt: Geben Sie eine Zahl ein: | Field: [0000000050] Eine ganze Zahl von 1 bis 100 | Action: Raten
    Tries: Anzahl benötigter Versuche: 0 | Message: Neues Spiel gestartet. | Frame: Sprache: | Chosen: Deutsch
    focus: Deutsch | says: Neues Spiel gestartet. 1 - 100. Anzahl benötigter Versuche: 0
key Left -> Prompt: Enter a number: | Field: [0000000050] A whole number from 1 to 100 | Action: Guess
    Tries: Number of needed tries: 0 | Message: New game started. | Frame: Language: | Chosen: English
    focus: English | says: New game started. 1 - 100. Number of needed tries: 0
key Tab -> focus: Field
key Shift+Tab -> focus: English
key Shift+Tab -> focus: Action
key Space -> Tries: Number of needed tries: 1 | Message: The searched number is smaller. | Notice: 1 - 49
    says: The searched number is smaller. 1 - 49. Number of needed tries: 1
)");
    }

    // A maximum of 1, by keyboard alone: it holds for the next game, and Abort keeps it.
    void every_key_while_changing_the_maximum()
    {
        Play_All(R"(
click Change -> Window: Brivola; © 2026 The Brivola authors | Prompt: New maximum value:
    Field: [] A whole number from 1 to 2147483647 | Action: OK, off | Change: Abort | Tries: empty
    Message: empty | Notice: empty | Frame: Language: | Chosen: English | focus: Field
key Tab -> focus: English
key Tab -> focus: Change
key Tab -> focus: Field
type 0 -> Field: [0] A whole number from 1 to 2147483647
press anyway -> box "Error": Only integer numbers are valid! (error icon, placed)
key Backspace -> Field: [] A whole number from 1 to 2147483647
type 1 -> Field: [1] A whole number from 1 to 2147483647 | Action: OK
key Return
key Enter
key Escape
key Tab -> focus: Action
key Return
key Escape
key Tab -> focus: English
key Tab -> focus: Change
key Return
key Escape
key Shift+Tab -> focus: English
key Shift+Tab -> focus: Action
key Space -> Prompt: Enter a number: | Field: [], off | Action: Start New Game | Change: Change maximum / value
    Tries: Number of needed tries: 0 | Message: New maximal value is 1. | says: New maximal value is 1.
key Space -> Field: [] A whole number from 1 to 1 | Action: Guess, off | Change: 1 - 1, off
    Message: New game started. | Notice: 1 - 1 | focus: Field
    says: New game started. 1 - 1. Number of needed tries: 0
type 2 -> Field: [2] A whole number from 1 to 1
key Backspace -> Field: [] A whole number from 1 to 1
type 1 -> Field: [1] A whole number from 1 to 1 | Action: Guess
key Tab -> focus: Action
key Space -> Field: [], off | Action: Start New Game | Change: Change maximum / value | Message: empty
    Notice: empty | box "Right!": Right! (information icon, placed)
key Tab -> focus: English
key Tab -> focus: Change
key Space -> Prompt: New maximum value: | Field: [] A whole number from 1 to 2147483647 | Action: OK, off
    Change: Abort | Tries: empty | focus: Field
type 20 -> Field: [20] A whole number from 1 to 2147483647 | Action: OK
key Shift+Tab -> focus: Change
key Space -> Prompt: Enter a number: | Field: [], off | Action: Start New Game | Change: Change maximum / value
    Tries: Number of needed tries: 0
key Tab -> focus: Action
key Space -> Field: [] A whole number from 1 to 1 | Action: Guess, off | Change: 1 - 1, off
    Message: New game started. | Notice: 1 - 1 | focus: Field
    says: New game started. 1 - 1. Number of needed tries: 0
)");
    }

    // Down or Right on English, Up or Left on Deutsch chooses the other, with the focus and every text;
    // the other arrows do nothing. The walk meets each arrow on each option.
    void each_arrow_on_each_option_in_every_mode()
    {
        for (const QString &mode : QStringList{"look", "click Action", "click Change"}) {
            window = Start_Window();
            Play(mode);
            QStringList moves = {mode};
            for (const char *step : {"click English", "key Up", "key Left", "key Down", "key Down",
                                     "key Right", "key Up", "key Right", "key Left"}) {
                Play(step);
                moves << Screen().constLast() + " " + Form().Frame_Sprache->accessibleName();
            }
            QCOMPARE(moves.join(u'\n'), mode + R"(
focus: English Language:
focus: English Language:
focus: English Language:
focus: Deutsch Sprache:
focus: Deutsch Sprache:
focus: Deutsch Sprache:
focus: English Language:
focus: Deutsch Sprache:
focus: English Language:)");
        }
    }

    void guess_and_maximum_take_whole_numbers_that_fit_and_nothing_else()
    {
        // Plain digits, leading zeros and blanks around them, up to the top of the range.
        const QStringList both = {"7", "0000000007", " 000000007", "1         ", "100"};
        // Above the range, up to the top of 32 bits.
        const QStringList maximum_only = {"101", "2147483647"};
        // Below 1, beyond 32 bits or too long; a sign, a point, an exponent, a tab, other digits, nothing.
        const QStringList neither = {
            "0",           "2147483648", "2200000000", "22        ", "  12345678",
            "00000000007", "-7",         "+7",         "7.5",        "1e3",
            "7 7",         "\t7",        "\uFF17",     "",           QString(400, u'9')};
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
