// Games played as a player plays them, step by step, each step with what it changed in the window, and
// the rule for what "Guess" and "OK" take, text by text.
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

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
// Where Qt hands messages to screen readers as announcements, as on Windows, these are what is said.
QStringList Announced;

void Hear_Announcements(QAccessibleEvent *event)
{
    if (event->type() == QAccessible::Announcement)
        Announced << static_cast<QAccessibleAnnouncementEvent *>(event)->message();
}
#endif

// Each control as a screen reader reads it: its name (the field's text and what it takes), "off" where it
// is disabled, which language is chosen, and where the keys go; but a button's caption as it shows, each
// line break as " / ", and what is spoken of it only where that is not the caption with its breaks joined.
QStringList Screen()
{
    QStringList shown;
    QString focus;
    for (const auto &[name, control] : Named_Controls()) {
        QAccessibleInterface *reading = QAccessible::queryAccessibleInterface(control);
        QString text = reading->text(QAccessible::Name).remove(Left_To_Right_Mark);
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

// Does what the step says, as a player would: click a control, paste, type or press a key where the focus
// is; "press anyway" is a
// program pressing "Guess" or "OK" even when disabled; "menu" reads the first entry of the field's
// context menu, a text of Qt's own. Says each message spoken and the box it opened.
QStringList Play(const QString &step)
{
    const QString argument = step.section(u' ', 1);
    QStringList heard;
    const int showings = Speech_Showings.count;
    for (const auto &[name, control] : Named_Controls())
        if (step == "click " + name)
            heard = Boxes([control] { Click(qobject_cast<QAbstractButton *>(control)); });
    if (step == "press anyway")
        heard = Boxes(Action_Pressed);
    if (step.startsWith("paste "))
        Paste(argument);
    if (step == "menu") {
        const std::unique_ptr<QMenu> menu(Form().Text_Zahl->createStandardContextMenu());
        heard << "menu: " + menu->actions().constFirst()->text().replace(u'\t', u' ');
    }
    if (step.startsWith("tries ")) // a count no player reaches, set by hand
        Game_State.Tries = argument.toInt();
    if (step.startsWith("type "))
        QTest::keyClicks(QApplication::focusWidget(), argument);
    if (step.startsWith("key ")) {
        const QKeyCombination key = QKeySequence::fromString(argument)[0];
        QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
    }
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    Q_UNUSED(showings);
    for (const QString &message : std::exchange(Announced, {}))
        heard << "says: " + message;
#else
    QAccessibleInterface *speech = QAccessible::queryAccessibleInterface(Speech_Carrier());
    for (int i = showings; i < Speech_Showings.count; ++i)
        heard << QString(speech->role() == QAccessible::Notification ? "says: " : "shows: ")
                     + speech->text(QAccessible::Name);
#endif
    return heard;
}

// Whether the control's text fits inside it by the font's own measure, across and down: a label's line
// within the label, each line of a button's caption within the button's frame.
bool Text_Fits(QWidget *control)
{
    const QStringList lines = control->property("text").toString().split(u'\n');
    const int frame = qobject_cast<QPushButton *>(control) ? 2 : 0;
    const QRect room = control->contentsRect().adjusted(frame, frame, -frame, -frame);
    int width = 0;
    for (const QString &line : lines)
        width = std::max(width, control->fontMetrics().horizontalAdvance(line));
    return width <= room.width() && lines.size() * control->fontMetrics().height() <= room.height();
}

} // namespace

class Test_Play : public QObject {
    Q_OBJECT
    std::unique_ptr<QWidget> window;

    // A transcript has a row for each step: the step, "->" and what it changed, continued on indented
    // lines. The first step shows the whole window, the later ones only the controls that read otherwise
    // than before, then what was spoken and any box.
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
            const QStringList now = Screen();
            QStringList changes;
            for (qsizetype i = 0; i < now.size(); ++i)
                if (before.isEmpty() || now[i] != before[i])
                    changes << now[i];
            before = now;
            const QString actual = (changes + heard).join(" | ");
            QCOMPARE(step + " -> " + actual, step + " -> " + expected.join(" | ").trimmed());
            for (const auto &[name, control] : Named_Controls())
                if (control->inherits("QLabel") || control->inherits("QPushButton"))
                    QVERIFY2(Text_Fits(control), qPrintable(step + ": " + name));
        }
    }

private slots:
    void init()
    {
        Fix_Seed_For_Testing(125); // every game draws 40 from 1 to 100, and 20 from 1 to 50
        window = Start_Window();
        Speech_Carrier()->installEventFilter(&Speech_Showings);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        QAccessible::installUpdateHandler(Hear_Announcements);
#endif
    }

    void a_game_narrows_the_range_counts_the_tries_and_ends_in_a_win()
    {
        Play_All(R"(
look -> Prompt: Enter a number: | Field: [], off | Action: Start New Game | Change: Change maximum / value
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
paste 60 -> Field: [60] A whole number from 1 to 100 | focus: Field
click Action -> Tries: Number of needed tries: 3 | focus: Action
    says: The searched number is smaller. 31 - 49. Number of needed tries: 3
click Action -> Tries: Number of needed tries: 4
    says: The searched number is smaller. 31 - 49. Number of needed tries: 4
paste 31 -> Field: [31] A whole number from 1 to 100 | focus: Field
click Action -> Tries: Number of needed tries: 5 | Message: The searched number is larger.
    Notice: 32 - 49 | focus: Action
    says: The searched number is larger. 32 - 49. Number of needed tries: 5
paste 10 -> Field: [10] A whole number from 1 to 100 | focus: Field
click Action -> Tries: Number of needed tries: 6 | focus: Action
    says: The searched number is larger. 32 - 49. Number of needed tries: 6
paste 101 -> Field: [101] A whole number from 1 to 100 | Action: Guess, off | focus: Field
key Ctrl+Z -> Field: [10] A whole number from 1 to 100 | Action: Guess
paste 7x -> Field: [7x] A whole number from 1 to 100 | Action: Guess, off
press anyway -> box "Error": Only integer numbers are valid! (error icon, placed)
click Deutsch -> Prompt: Geben Sie eine Zahl ein: | Field: [7x] Eine ganze Zahl von 1 bis 100
    Action: Raten, off | Tries: Anzahl benötigter Versuche: 6 | Message: Die gesuchte Zahl ist größer.
    Frame: Sprache: | Chosen: Deutsch | focus: Deutsch
    says: Die gesuchte Zahl ist größer. 32 - 49. Anzahl benötigter Versuche: 6
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

    void the_first_game_plays_by_keyboard_alone_and_reads_leading_zeros_as_decimal()
    {
        Play_All(R"(
look -> Prompt: Enter a number: | Field: [], off | Action: Start New Game | Change: Change maximum / value
    Tries: Number of needed tries: 0 | Message: empty | Notice: empty | Frame: Language: | Chosen: English
    focus: Action
key Tab -> focus: English
key Right -> Prompt: Geben Sie eine Zahl ein: | Action: Neues Spiel starten | Change: Maximalwert / ändern
    Tries: Anzahl benötigter Versuche: 0 | Frame: Sprache: | Chosen: Deutsch | focus: Deutsch
key Left -> Prompt: Enter a number: | Action: Start New Game | Change: Change maximum / value
    Tries: Number of needed tries: 0 | Frame: Language: | Chosen: English | focus: English
key Tab -> focus: Change
key Tab -> focus: Action
key Shift+Tab -> focus: Change
key Shift+Tab -> focus: English
key Shift+Tab -> focus: Action
key Space -> Field: [] A whole number from 1 to 100 | Action: Guess, off | Change: 1 - 100, off
    Message: New game started. | Notice: 1 - 100 | focus: Field
    says: New game started. 1 - 100. Number of needed tries: 0
type 50 -> Field: [50] A whole number from 1 to 100 | Action: Guess
key Return
key Escape
key Tab -> focus: Action
key Space -> Tries: Number of needed tries: 1 | Message: The searched number is smaller. | Notice: 1 - 49
    says: The searched number is smaller. 1 - 49. Number of needed tries: 1
key Tab -> focus: English
key Tab -> focus: Field
key Ctrl+A
type 0000000010 -> Field: [0000000010] A whole number from 1 to 100
key Shift+Tab -> focus: English
key Shift+Tab -> focus: Action
key Space -> Tries: Number of needed tries: 2 | Message: The searched number is larger. | Notice: 11 - 49
    says: The searched number is larger. 11 - 49. Number of needed tries: 2
)");
    }

    void a_new_maximum_holds_for_the_next_game_and_abort_keeps_the_old()
    {
        Play_All(R"(
click Deutsch -> Prompt: Geben Sie eine Zahl ein: | Field: [], off | Action: Neues Spiel starten
    Change: Maximalwert / ändern | Tries: Anzahl benötigter Versuche: 0 | Message: empty | Notice: empty
    Frame: Sprache: | Chosen: Deutsch | focus: Deutsch
click Change -> Prompt: neuer Maximalwert: | Field: [] Eine ganze Zahl von 1 bis 2147483647
    Action: OK, off | Change: Abbrechen | Tries: empty | focus: Field
paste 0 -> Field: [0] Eine ganze Zahl von 1 bis 2147483647
press anyway -> box "Fehler": Nur ganze Zahlen sind gültig! (error icon, placed)
paste 50 -> Field: [50] Eine ganze Zahl von 1 bis 2147483647 | Action: OK
click Action -> Prompt: Geben Sie eine Zahl ein: | Field: [], off | Action: Neues Spiel starten
    Change: Maximalwert / ändern | Tries: Anzahl benötigter Versuche: 0 | Message: Neuer Maximalwert ist 50.
    focus: Action | says: Neuer Maximalwert ist 50.
click Change -> Prompt: neuer Maximalwert: | Field: [] Eine ganze Zahl von 1 bis 2147483647
    Action: OK, off | Change: Abbrechen | Tries: empty | focus: Field
paste 20 -> Field: [20] Eine ganze Zahl von 1 bis 2147483647 | Action: OK
click English -> Prompt: New maximum value: | Field: [20] A whole number from 1 to 2147483647
    Change: Abort | Message: New maximal value is 50. | Frame: Language: | Chosen: English
    focus: English | says: New maximal value is 50.
click Deutsch -> Prompt: neuer Maximalwert: | Field: [20] Eine ganze Zahl von 1 bis 2147483647
    Change: Abbrechen | Message: Neuer Maximalwert ist 50. | Frame: Sprache: | Chosen: Deutsch
    focus: Deutsch | says: Neuer Maximalwert ist 50.
click Change -> Prompt: Geben Sie eine Zahl ein: | Field: [], off | Action: Neues Spiel starten
    Change: Maximalwert / ändern | Tries: Anzahl benötigter Versuche: 0 | focus: Change
click Action -> Field: [] Eine ganze Zahl von 1 bis 50 | Action: Raten, off | Change: 1 - 50, off
    Message: Neues Spiel gestartet. | Notice: 1 - 50 | focus: Field
    says: Neues Spiel gestartet. 1 - 50. Anzahl benötigter Versuche: 0
paste 10 -> Field: [10] Eine ganze Zahl von 1 bis 50 | Action: Raten
click Action -> Tries: Anzahl benötigter Versuche: 1 | Message: Die gesuchte Zahl ist größer.
    Notice: 11 - 50 | focus: Action
    says: Die gesuchte Zahl ist größer. 11 - 50. Anzahl benötigter Versuche: 1
paste 30 -> Field: [30] Eine ganze Zahl von 1 bis 50 | focus: Field
click Action -> Tries: Anzahl benötigter Versuche: 2 | Message: Die gesuchte Zahl ist kleiner.
    Notice: 11 - 29 | focus: Action
    says: Die gesuchte Zahl ist kleiner. 11 - 29. Anzahl benötigter Versuche: 2
click English -> Prompt: Enter a number: | Field: [30] A whole number from 1 to 50 | Action: Guess
    Tries: Number of needed tries: 2 | Message: The searched number is smaller. | Frame: Language:
    Chosen: English | focus: English
    says: The searched number is smaller. 11 - 29. Number of needed tries: 2
paste 20 -> Field: [20] A whole number from 1 to 50 | focus: Field
click Action -> Field: [], off | Action: Start New Game | Change: Change maximum / value
    Tries: Number of needed tries: 0 | Message: empty | Notice: empty | focus: Action
    box "Right!": Right! (information icon, placed)
)");
    }

    void the_longest_texts_fit_their_labels()
    {
        Fix_Seed_For_Testing(2); // draws 1940474870 from 1 to 2147483647
        Play_All(R"(
click Change -> Prompt: New maximum value: | Field: [] A whole number from 1 to 2147483647 | Action: OK, off
    Change: Abort | Tries: empty | Message: empty | Notice: empty | Frame: Language: | Chosen: English
    focus: Field
paste 2147483647 -> Field: [2147483647] A whole number from 1 to 2147483647 | Action: OK
click Deutsch -> Prompt: neuer Maximalwert: | Field: [2147483647] Eine ganze Zahl von 1 bis 2147483647
    Change: Abbrechen | Frame: Sprache: | Chosen: Deutsch | focus: Deutsch
click Action -> Prompt: Geben Sie eine Zahl ein: | Field: [], off | Action: Neues Spiel starten
    Change: Maximalwert / ändern | Tries: Anzahl benötigter Versuche: 0 | Message: Neuer Maximalwert ist 2147483647.
    focus: Action | says: Neuer Maximalwert ist 2147483647.
click Action -> Field: [] Eine ganze Zahl von 1 bis 2147483647 | Action: Raten, off
    Change: 1 - 2147483647, off | Message: Neues Spiel gestartet. | Notice: 1 - 2147483647 | focus: Field
    says: Neues Spiel gestartet. 1 - 2147483647. Anzahl benötigter Versuche: 0
paste 1000000000 -> Field: [1000000000] Eine ganze Zahl von 1 bis 2147483647 | Action: Raten
tries 2147483646
click Action -> Tries: Anzahl benötigter Versuche: 2147483647 | Message: Die gesuchte Zahl ist größer.
    Notice: 1000000001 - 2147483647 | focus: Action
    says: Die gesuchte Zahl ist größer. 1000000001 - 2147483647. Anzahl benötigter Versuche: 2147483647
)");
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
