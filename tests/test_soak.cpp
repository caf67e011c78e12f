// A seeded random player drives the real window and checks every rule after every event against its
// own view of the game. It prints its seed; BRIVOLA_SOAK_SEED, _SESSIONS and _SECONDS replay and bound it.
#include "brivola_test.h"
#include "runtime/random_services.h"

#include <QDeadlineTimer>
#include <QMenu>
#include <QRandomGenerator>
#include <QRegularExpression>

namespace {

enum class Field_Mode { Idle, Running, Changing };

// The value of blanks, ASCII digits, blanks; -1 for any other text.
int64_t Plain_Value(const QString &text)
{
    static const QRegularExpression plain(QStringLiteral("^ *([0-9]{1,18}) *$"));
    const QRegularExpressionMatch match = plain.match(text);
    return match.hasMatch() ? match.captured(1).toLongLong() : -1;
}

// The rule, stated apart from the game's code: "Guess" and "OK" take one to ten characters (ten
// only when the first two read 0 to 21), a whole number from 1 within 32 bits, and a guess no
// larger than the maximum; "Start New Game" takes anything.
bool Acceptable(const QString &text, Field_Mode mode, int32_t maximum)
{
    const int64_t value = Plain_Value(text), lead = Plain_Value(text.left(2));
    const bool length_ok =
        text.size() >= 1 && (text.size() < 10 || (text.size() == 10 && lead <= 21 && lead >= 0));
    return mode == Field_Mode::Idle
           || (length_ok && value >= 1 && value <= INT32_MAX
               && (mode == Field_Mode::Changing || value <= maximum));
}

// clang-format off
enum Text { None, New_Game, Smaller, Larger, New_Maximum, Start, Change, Guess, Abort, Tries, Enter, Enter_Maximum,
            Language, Right };
const char *const Texts[][2] = {
    {"", ""}, {"New game started.", "Neues Spiel gestartet."},
    {"The searched number is smaller.", "Die gesuchte Zahl ist kleiner."},
    {"The searched number is larger.", "Die gesuchte Zahl ist größer."},
    {"New maximal value is ", "Neuer Maximalwert ist "}, {"Start New Game", "Neues Spiel starten"},
    {"Change maximum value", "Maximalwert ändern"}, {"Guess", "Raten"}, {"Abort", "Abbrechen"},
    {"Number of needed tries: ", "Anzahl benötigter Versuche: "}, {"Enter a number:", "Geben Sie eine Zahl ein:"},
    {"New maximum value:", "neuer Maximalwert:"}, {"Language:", "Sprache:"}, {"Right!", "Richtig!"}};

// Texts at the edges of the rule (400 digits pass the largest double), and characters no rule expects.
const QStringList Edges = {"7", "0000000007", " 000000007", "100", "101", "2147483647", "0", "0000000000", "7 7",
    "  12345678", "2147483648", "22        ", "00000000007", "7.0", "7,0", "-7", "+7", "", QString(400, u'9')};
const QStringList Garbage = {"x", ".", ",", "-", "+", " ", "e", "\t", QString(QChar(0)), "²", QString(QChar(0xD800)),
                             QString(QChar(0x200F)), QString(QChar(0xFF17))};
const QList<QKeyCombination> Keys = {Qt::Key_Backspace, Qt::Key_Return, Qt::Key_Escape, Qt::ControlModifier | Qt::Key_Z,
                                     Qt::ControlModifier | Qt::Key_V, Qt::ControlModifier | Qt::Key_V};
// clang-format on

// What the player knows of the game, kept apart from the game's own record.
struct Player_View {
    Field_Mode mode = Field_Mode::Idle;
    bool german = false;
    int32_t maximum = 100, low = 1, high = 100, tries = 0;
    Text message = None;
    QString operator()(Text text) const { return QString::fromUtf8(Texts[text][german]); }
};

} // namespace

class Test_Soak : public QObject {
    Q_OBJECT
    long wins = 0;
    const QPalette light = QApplication::palette(), dark{QColor(0x30, 0x30, 0x30), QColor(0x30, 0x30, 0x30)};

    void Check(const Player_View &view)
    {
        Ui::Brivola &form = Form();
        QLineEdit *field = form.Text_Zahl;
        const bool running = view.mode == Field_Mode::Running, open = view.mode != Field_Mode::Idle;
        const bool changing = open && !running;
        QCOMPARE(field->isEnabled(), open);
        QCOMPARE(form.Button_Action->isEnabled(), Acceptable(field->text(), view.mode, view.maximum));
        QCOMPARE(form.Button_Change->isEnabled(), !running);
        QVERIFY(!running || (view.low <= Game_State.Secret_Number && Game_State.Secret_Number <= view.high));
        // The field shows the desktop's colour for input fields, or, when clear, the window's surface.
        const QPalette desktop = QApplication::palette();
        const QColor base = field->palette().base().color();
        QCOMPARE(base.alpha() ? base : field->window()->palette().color(QPalette::Window),
                 desktop.color(open ? QPalette::Base : QPalette::Window));
        QCOMPARE(field->palette().color(QPalette::Text),
                 desktop.color(field->palette().currentColorGroup(), QPalette::Text));
        QCOMPARE(form.Label_Meldung->palette().color(QPalette::WindowText), QColor(Qt::blue));
        // clang-format off
        const QStringList shown = { // what the window shows; the lower caption also as screen readers read it
            form.Button_Action->text(), form.Button_Change->text().replace(u'\n', u' ') + form.Button_Change->accessibleName(),
            form.Label_Anzahl_Versuche->text(), form.Label_Beschreibungstext->text(), form.Frame_Sprache->title(),
            form.Label_Meldung->text(), form.Label_Notice->text(), field->text(),
            form.Option_Deutsch->isChecked() ? "Deutsch" : "English"};
        const QStringList expected = {
            running ? view(Guess) : changing ? "OK" : view(Start),
            (running ? QString("1 - %1").arg(view.maximum) : view(changing ? Abort : Change)).repeated(2),
            changing ? "" : view(Tries) + QString::number(view.tries), view(changing ? Enter_Maximum : Enter),
            view(Language),
            view(view.message) + (view.message == New_Maximum ? QString("%1.").arg(view.maximum) : ""),
            running ? QString("%1 - %2").arg(view.low).arg(view.high) : "", open ? field->text() : "",
            view.german ? "Deutsch" : "English"};
        // clang-format on
        QCOMPARE(shown, expected);
        // Captions show whole, 4 px clear of the sides: the upper on one line, the lower on two at most.
        for (QPushButton *button : {form.Button_Action, form.Button_Change})
            for (const QString &line : button->text().split(u'\n'))
                QVERIFY(button->fontMetrics().horizontalAdvance(line) <= button->width() - 8);
        QVERIFY(form.Button_Change->text().count(u'\n') <= 1 && !form.Button_Action->text().contains(u'\n'));
    }

    // One event of the random player, and what it does to the view.
    void Act(QRandomGenerator &dice, Player_View &view)
    {
        Ui::Brivola &form = Form();
        const bool open = form.Text_Zahl->isEnabled();
        const int roll = int(dice.bounded(100));
        if (roll < 6) { // by an arrow key on the option that has the focus; the scripted tests click
            view.german = !view.german;
            const Qt::Key arrows[2][2] = {{Qt::Key_Up, Qt::Key_Left}, {Qt::Key_Down, Qt::Key_Right}};
            QRadioButton *from = view.german ? form.Option_English : form.Option_Deutsch;
            from->setFocus();
            QTest::keyClick(from, arrows[view.german][dice.bounded(2)]);
            QCOMPARE(QApplication::focusWidget(), view.german ? form.Option_Deutsch : form.Option_English);
            // Qt's own texts follow, such as the field's context menu.
            const std::unique_ptr<QMenu> menu(form.Text_Zahl->createStandardContextMenu());
            QVERIFY(menu->actions().constFirst()->text().startsWith(view.german ? "&Rückgängig" : "&Undo"));
        } else if (roll < 7) { // the desktop switches between a light and a dark scheme
            QApplication::setPalette(QApplication::palette() == light ? dark : light);
            QCoreApplication::processEvents(); // widgets learn of it by events, as from a desktop
        } else if (roll < 30 && open) {
            QTest::keyClicks(form.Text_Zahl, QString::number(dice.bounded(10)));
        } else if (roll < 40 && open) { // a key; a paste puts what no rule expects where the cursor stands
            QApplication::clipboard()->setText(Garbage[dice.bounded(Garbage.size())]);
            const QKeyCombination key = Keys[dice.bounded(Keys.size())];
            QTest::keyClick(form.Text_Zahl, key.key(), key.keyboardModifiers());
        } else if (roll < 42 && open) {
            Paste(dice.bounded(200) ? QString::number(dice.generate() % 3000000000u)
                                    : QString(1 << 20, u'7'));
        } else if (roll < 46 && open) {
            Paste(Edges[dice.bounded(Edges.size())]);
        } else if (roll < 60 && view.mode == Field_Mode::Running) {
            Paste(QString::number((int64_t(view.low) + view.high) / 2));
        } else if (roll < 64 && view.mode == Field_Mode::Changing) {
            const int32_t maxima[] = {0, 1, 2, 7, 100, INT32_MAX};
            Paste(QString::number(maxima[dice.bounded(6)]));
        } else if (roll < 85 && form.Button_Action->isEnabled()) {
            Press_Action(dice, view);
        } else if (form.Button_Change->isEnabled()) {
            Click(form.Button_Change);
            view.mode = view.mode == Field_Mode::Idle ? Field_Mode::Changing : Field_Mode::Idle;
        }
    }

    // "Start New Game", "Guess" or "OK", by mouse or by the space bar.
    void Press_Action(QRandomGenerator &dice, Player_View &view)
    {
        const int64_t value = Plain_Value(Form().Text_Zahl->text());
        const int32_t secret = Game_State.Secret_Number;
        Fix_Seed_For_Testing(dice.generate64()); // the secret a new game draws
        const bool by_mouse = dice.bounded(2);
        const QStringList boxes = Boxes([by_mouse] {
            Form().Button_Action->setFocus();
            by_mouse ? Click(Form().Button_Action) : QTest::keyClick(Form().Button_Action, Qt::Key_Space);
        });
        const bool won = view.mode == Field_Mode::Running && value == secret;
        QCOMPARE(boxes, won ? QStringList({view(Right), view(Right), "OK",
                                           QString::number(QMessageBox::Information), "placed"})
                            : QStringList());
        wins += won;
        if (view.mode == Field_Mode::Running && !won) {
            view.tries += 1;
            view.message = value < secret ? Larger : Smaller;
            (value < secret ? view.low : view.high) =
                int32_t(value < secret ? std::max<int64_t>(view.low, value + 1)
                                       : std::min<int64_t>(view.high, value - 1));
        } else {
            const bool changing = view.mode == Field_Mode::Changing;
            const int32_t maximum = changing ? int32_t(value) : view.maximum;
            const Field_Mode mode = view.mode == Field_Mode::Idle ? Field_Mode::Running : Field_Mode::Idle;
            view = {
                mode, view.german, maximum, 1, maximum, 0, changing ? New_Maximum : won ? None : New_Game};
            QVERIFY(mode == Field_Mode::Idle || QApplication::focusWidget() == Form().Text_Zahl);
        }
    }

private slots:
    void random_sessions_keep_every_rule()
    {
        const quint64 seed = qEnvironmentVariable("BRIVOLA_SOAK_SEED", "20261207").toULongLong();
        const int sessions = qEnvironmentVariable("BRIVOLA_SOAK_SESSIONS", "2000").toInt();
        const int seconds = qEnvironmentVariable("BRIVOLA_SOAK_SECONDS", "45").toInt();
        qInfo("soak: seed %llu, up to %d sessions within %d s", seed, sessions, seconds);
        QRandomGenerator dice(seed);
        std::unique_ptr<QWidget> window;
        Player_View view;
        const QDeadlineTimer deadline{std::chrono::seconds(seconds)};
        long events = 0;
        int session = 0;
        for (; session < sessions && !deadline.hasExpired(); ++session) {
            if (session % 40 == 0) // now and then a fresh start, as the player's next run of the game
                window = Start_Window(), view = {}, Check(view);
            // A session ends when the window is idle again, or after 60 events.
            for (int step = 0; step < 60 && (step < 1 || view.mode != Field_Mode::Idle); ++step, ++events) {
                Act(dice, view);
                Check(view);
                if (QTest::currentTestFailed())
                    QFAIL(qPrintable(
                        QString("seed %1, session %2, event %3").arg(seed).arg(session).arg(events)));
            }
        }
        qInfo("soak: seed %llu, %d sessions, %ld events, %ld games won, %.1f s", seed, session, events, wins,
              seconds - double(deadline.remainingTime()) / 1000);
    }
};

QTEST_MAIN(Test_Soak)
#include "test_soak.moc"
