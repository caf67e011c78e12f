// A seeded random player drives the real window through many sessions and
// checks every rule of the game after every event, against its own view of
// the game. It prints its seed first; BRIVOLA_SOAK_SEED replays a run, and
// BRIVOLA_SOAK_SESSIONS and BRIVOLA_SOAK_SECONDS bound it.
#include "brivola_test.h"
#include "reference.h"
#include "runtime/random_services.h"

#include <QElapsedTimer>
#include <QRandomGenerator>

namespace {

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
// clang-format on

// What the player knows of the game, kept apart from the game's own record.
struct Player_View {
    Field_Mode mode = Field_Mode::Idle;
    bool german = false;
    int32_t maximum = 100, low = 1, high = 100, tries = 0;
    Text message = None;
    QString operator()(Text text) const { return QString::fromUtf8(Texts[text][german]); }
};

// Texts at the edges of the rule: whether each is a guess from 1 to 100, and a new maximum.
struct Edge {
    QString text;
    bool as_guess, as_maximum;
};
// clang-format off
const QList<Edge> Edges = {
    {"7", true, true},            {"0000000007", true, true},   {" 000000007", true, true},
    {"100", true, true},          {"101", false, true},         {"2147483647", false, true},
    {"0", false, false},          {"0000000000", false, false}, {"  12345678", false, false},
    {"2147483648", false, false}, {"2200000000", false, false}, {"00000000007", false, false},
    {"7.0", false, false},        {"7,0", false, false},        {"-7", false, false},
    {"+7", false, false},         {"", false, false},           {"7 7", false, false}};
const QStringList Garbage = {"x", ".", ",", "-", "+", " ", "e", "0x1", "\t", QString(QChar(0)), "²",
                             QString(QChar(0xD800)), QString(QChar(0x200F)), QString(QChar(0xFF17))};
const QList<QKeyCombination> Keys = {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Home, Qt::Key_Return,
                                     Qt::Key_Escape, Qt::ControlModifier | Qt::Key_Z,
                                     Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_Z};
// clang-format on

} // namespace

class Test_Soak : public QObject {
    Q_OBJECT
    long wins = 0;

    void Check(const Player_View &view)
    {
        Ui::Brivola &form = Form();
        const bool running = view.mode == Field_Mode::Running, changing = view.mode == Field_Mode::Changing;
        QLineEdit *field = form.Text_Zahl;
        QCOMPARE(field->isEnabled(), running || changing);
        QCOMPARE(field->palette().color(QPalette::Base),
                 QApplication::palette().color(running || changing ? QPalette::Base : QPalette::Window));
        QCOMPARE(form.Button_Action->isEnabled(), Reference_Accepts(field->text(), view.mode, view.maximum));
        QCOMPARE(form.Button_Change->isEnabled(), !running);
        QCOMPARE(form.Label_Meldung->text(),
                 view(view.message) + (view.message == New_Maximum ? QString("%1.").arg(view.maximum) : ""));
        if (running) {
            QVERIFY(view.low <= Game_State.Secret_Number && Game_State.Secret_Number <= view.high);
            QCOMPARE(form.Label_Notice->text(), QString("%1 - %2").arg(view.low).arg(view.high));
        } else {
            QCOMPARE(form.Label_Notice->text() + (changing ? "" : field->text()), QString());
        }
        const QString tries = view(Tries) + QString::number(view.tries);
        const QStringList expected =
            running    ? QStringList{view(Guess), QString("1 - %1").arg(view.maximum), tries}
            : changing ? QStringList{"OK", view(Abort), ""}
                       : QStringList{view(Start), view(Change), tries};
        QCOMPARE(QStringList({form.Button_Action->accessibleName(), form.Button_Change->accessibleName(),
                              form.Label_Anzahl_Versuche->text()}),
                 expected);
        QCOMPARE(form.Label_Beschreibungstext->text(), view(changing ? Enter_Maximum : Enter));
        QCOMPARE(form.Frame_Sprache->title(), view(Language));
        QCOMPARE(form.Option_Deutsch->isChecked(), view.german);
    }

    // One event of the random player, and what it does to the view.
    void Act(QRandomGenerator &dice, Player_View &view)
    {
        Ui::Brivola &form = Form();
        QLineEdit *field = form.Text_Zahl;
        const bool open = field->isEnabled();
        const int roll = int(dice.bounded(100));
        if (roll < 6) {
            view.german = !view.german;
            Click(view.german ? form.Option_Deutsch : form.Option_English);
        } else if (roll < 30 && open) {
            QTest::keyClicks(field, QString::number(dice.bounded(10)));
        } else if (roll < 36 && open) { // as an input method types it, or pasted at the cursor
            const QString garbage = Garbage[dice.bounded(Garbage.size())];
            QKeyEvent typed(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, garbage);
            QApplication::clipboard()->setText(garbage);
            dice.bounded(2) ? void(QApplication::sendEvent(field, &typed))
                            : QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        } else if (roll < 40 && open) {
            const QKeyCombination key = Keys[dice.bounded(Keys.size())];
            QTest::keyClick(field, key.key(), key.keyboardModifiers());
        } else if (roll < 42 && open) {
            Paste(dice.bounded(200) ? QString::number(dice.generate() % 3000000000u)
                                    : QString(1 << 20, u'7'));
        } else if (roll < 46 && open) {
            Paste(Edges[dice.bounded(Edges.size())].text);
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

    void Press_Action(QRandomGenerator &dice, Player_View &view)
    {
        const int64_t value = Reference_Value(Form().Text_Zahl->text());
        const int32_t secret = Game_State.Secret_Number;
        Fix_Seed_For_Testing(dice.generate64()); // the secret a new game draws
        const bool by_mouse = dice.bounded(2);
        const Boxes_Seen boxes = Closing_Boxes([by_mouse] {
            QPushButton *button = Form().Button_Action;
            button->setFocus();
            by_mouse ? Click(button) : QTest::keyClick(button, Qt::Key_Space);
        });
        const bool won = view.mode == Field_Mode::Running && value == secret;
        QCOMPARE(boxes.Count, int(won));
        if (view.mode == Field_Mode::Idle) {
            view = {Field_Mode::Running, view.german, view.maximum, 1, view.maximum, 0, New_Game};
        } else if (view.mode == Field_Mode::Changing) {
            view = {Field_Mode::Idle, view.german, int32_t(value), 1, int32_t(value), 0, New_Maximum};
        } else if (won) {
            ++wins;
            QCOMPARE(QStringList({boxes.Title, boxes.Text}), QStringList(2, view(Right)));
            QCOMPARE(boxes.Icon, QMessageBox::Information);
            view = {Field_Mode::Idle, view.german, view.maximum, 1, view.maximum, 0, None};
        } else {
            view.tries += 1;
            view.message = value < secret ? Larger : Smaller;
            if (value < secret)
                view.low = int32_t(std::max<int64_t>(view.low, value + 1));
            else
                view.high = int32_t(std::min<int64_t>(view.high, value - 1));
        }
    }

private slots:
    void random_sessions_keep_every_rule()
    {
        const auto setting = [](const char *name, quint64 otherwise) {
            return qEnvironmentVariableIsSet(name) ? qEnvironmentVariable(name).toULongLong() : otherwise;
        };
        const quint64 seed = setting("BRIVOLA_SOAK_SEED", 20261207),
                      sessions = setting("BRIVOLA_SOAK_SESSIONS", 2000),
                      seconds = setting("BRIVOLA_SOAK_SECONDS", 45);
        qInfo("soak: seed %llu, up to %llu sessions within %llu s", seed, sessions, seconds);
        QRandomGenerator dice(seed);
        Fix_Seed_For_Testing(dice.generate64());
        auto window = Start_Window();
        Player_View view;
        for (const Edge &edge : Edges) // the plain statement of the rule agrees with these verdicts
            QVERIFY2(Reference_Accepts(edge.text, Field_Mode::Running, 100) == edge.as_guess
                         && Reference_Accepts(edge.text, Field_Mode::Changing, 100) == edge.as_maximum,
                     qPrintable(edge.text));
        QElapsedTimer clock;
        clock.start();
        long events = 0;
        quint64 session = 0;
        for (; session < sessions && clock.elapsed() < qint64(seconds) * 1000; ++session) {
            // A session ends when the window is idle again, or after 60 events.
            for (int step = 0; step < 60 && (step < 1 || view.mode != Field_Mode::Idle); ++step, ++events) {
                Act(dice, view);
                Check(view);
                if (QTest::currentTestFailed())
                    QFAIL(qPrintable(
                        QString("seed %1, session %2, event %3").arg(seed).arg(session).arg(events)));
            }
        }
        qInfo("soak: seed %llu, %llu sessions, %ld events, %ld games won, %.1f s", seed, session, events,
              wins, double(clock.elapsed()) / 1000);
    }
};

QTEST_MAIN(Test_Soak)
#include "test_soak.moc"
