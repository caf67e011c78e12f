// A seeded random player drives the real window through many sessions and
// checks the rules of the game after every single event. A failure names the
// seed and the event; BRIVOLA_SOAK_SEED and BRIVOLA_SOAK_SESSIONS replay it.
#include "brivola_test.h"
#include "reference_acceptance.h"

#include <QRandomGenerator>

namespace {

enum Message { None, New_Game, Smaller, Larger, New_Maximum };

// What the player knows of the game, kept apart from the game's own record.
struct Player_View {
    Field_Mode mode = Field_Mode::Idle;
    bool german = false;
    int32_t maximum = 100, low = 1, high = 100, tries = 0;
    Message message = None;
};

// clang-format off
const QStringList Garbage = {"x", ".", ",", "-", "+", " ", "e", "7.0", "0x1", "\t", QString(QChar(0)),
                             QString(QChar(0xD800)), QString(QChar(0x200F)), QString(QChar(0xFF17)), "²"};
// clang-format on

QString In(const Player_View &view, const char *english, const char *german)
{
    return QString::fromUtf8(view.german ? german : english);
}

QString Message_Text(const Player_View &view)
{
    switch (view.message) {
    case New_Game:
        return In(view, "New game started.", "Neues Spiel gestartet.");
    case Smaller:
        return In(view, "The searched number is smaller.", "Die gesuchte Zahl ist kleiner.");
    case Larger:
        return In(view, "The searched number is larger.", "Die gesuchte Zahl ist größer.");
    case New_Maximum:
        return In(view, "New maximal value is ", "Neuer Maximalwert ist ") + QString::number(view.maximum)
               + ".";
    default:
        return QString();
    }
}

} // namespace

class Test_Soak : public QObject {
    Q_OBJECT
    long wins = 0;

    // Every rule that must hold between two events.
    void Check(const Player_View &view)
    {
        Ui::Brivola &form = Form();
        const bool running = view.mode == Field_Mode::Running, changing = view.mode == Field_Mode::Changing;
        QCOMPARE(Game_State.Game_Running != 0, running);
        QCOMPARE(Game_State.Changing_Max != 0, changing);
        QCOMPARE(form.Button_Change->isEnabled(), !running);
        QCOMPARE(form.Text_Zahl->isEnabled(), running || changing);
        QCOMPARE(form.Text_Zahl->palette().color(QPalette::Base),
                 Platform_Colour(running || changing ? Colour_Window_Background : Colour_Button_Face));
        QCOMPARE(form.Button_Action->isEnabled(),
                 Reference_Accepts(form.Text_Zahl->text(), view.mode, view.maximum));
        QCOMPARE(Game_State.Max_Value, view.maximum);
        QCOMPARE(Game_State.Tries, view.tries);
        QCOMPARE(form.Label_Meldung->text(), Message_Text(view));
        if (running) {
            QVERIFY(1 <= view.low && view.low <= Game_State.Secret_Number);
            QVERIFY(Game_State.Secret_Number <= view.high && view.high <= view.maximum);
            QCOMPARE(form.Label_Notice->text(), Range_Text(view.low, view.high));
        }
        const QString tries = In(view, "Number of needed tries: ", "Anzahl benötigter Versuche: ")
                              + QString::number(view.tries);
        const QStringList expected =
            running    ? QStringList{In(view, "Guess", "Raten"), Range_Text(1, view.maximum), tries}
            : changing ? QStringList{"OK", In(view, "Abort", "Abbrechen"), ""}
                       : QStringList{In(view, "Start New Game", "Neues Spiel starten"),
                                     In(view, "Change maximum value", "Maximalwert ändern"), tries};
        QCOMPARE(form.Button_Action->accessibleName(), expected[0]);
        QCOMPARE(form.Button_Change->accessibleName(), expected[1]);
        QCOMPARE(form.Label_Anzahl_Versuche->text(), expected[2]);
        QCOMPARE(form.Frame_Sprache->title(), In(view, "Language:", "Sprache:"));
        QCOMPARE(form.Label_Beschreibungstext->text(),
                 changing ? In(view, "New maximum value:", "neuer Maximalwert:")
                          : In(view, "Enter a number:", "Geben Sie eine Zahl ein:"));
    }

    // One event of the random player, and what it does to the view.
    void Act(QRandomGenerator &dice, Player_View &view)
    {
        Ui::Brivola &form = Form();
        QLineEdit *field = form.Text_Zahl;
        const int roll = int(dice.bounded(100));
        if (roll < 6) {
            view.german = !view.german;
            Click(view.german ? form.Option_Deutsch : form.Option_English);
        } else if (roll < 30 && field->isEnabled()) {
            QTest::keyClicks(field, QString::number(dice.bounded(10)));
        } else if (roll < 36 && field->isEnabled()) {
            const QString garbage = Garbage[int(dice.bounded(qsizetype(Garbage.size())))];
            dice.bounded(2) ? Type_Characters(garbage) : Paste(field->text() + garbage);
        } else if (roll < 40 && field->isEnabled()) {
            QTest::keyClick(field, Qt::Key_Backspace);
        } else if (roll < 42 && field->isEnabled()) {
            const bool huge = dice.bounded(200) == 0;
            Paste(huge ? QString(1 << 20, u'7') : QString::number(dice.generate() % 3000000000u));
        } else if (roll < 60 && field->isEnabled() && view.mode == Field_Mode::Running) {
            Type_Over(QString::number((int64_t(view.low) + view.high) / 2));
        } else if (roll < 64 && view.mode == Field_Mode::Changing) {
            const int32_t maxima[] = {1, 2, 7, 100, INT32_MAX};
            Type_Over(QString::number(maxima[dice.bounded(5)]));
        } else if (roll < 85 && form.Button_Action->isEnabled()) {
            Press_Action(view);
        } else if (form.Button_Change->isEnabled()) {
            Click(form.Button_Change);
            view.mode = view.mode == Field_Mode::Idle ? Field_Mode::Changing : Field_Mode::Idle;
        }
    }

    void Press_Action(Player_View &view)
    {
        const int64_t value = Reference_Value(Form().Text_Zahl->text());
        const int32_t secret = Game_State.Secret_Number;
        const Boxes_Seen boxes = Closing_Boxes([] { Click(Form().Button_Action); });
        QCOMPARE(boxes.Count, view.mode == Field_Mode::Running && value == secret ? 1 : 0);
        if (view.mode == Field_Mode::Idle) {
            view = {Field_Mode::Running, view.german, view.maximum, 1, view.maximum, 0, New_Game};
        } else if (view.mode == Field_Mode::Changing) {
            view = {Field_Mode::Idle, view.german, int32_t(value), 1, int32_t(value), 0, New_Maximum};
        } else if (boxes.Count) {
            ++wins;
            QCOMPARE(boxes.Title, In(view, "Right!", "Richtig!"));
            QCOMPARE(boxes.Text, boxes.Title);
            view = {Field_Mode::Idle, view.german, view.maximum, 1, view.maximum, 0, None};
        } else {
            view.tries += 1;
            view.message = value < secret ? Larger : Smaller;
            if (value < secret)
                view.low = std::max(view.low, int32_t(value) + 1);
            else
                view.high = std::min(view.high, int32_t(value) - 1);
        }
    }

private slots:
    void random_sessions_keep_every_rule()
    {
        const quint64 seed = qEnvironmentVariableIsSet("BRIVOLA_SOAK_SEED")
                                 ? qEnvironmentVariable("BRIVOLA_SOAK_SEED").toULongLong()
                                 : QRandomGenerator::system()->generate64();
        const int sessions = qEnvironmentVariableIsSet("BRIVOLA_SOAK_SESSIONS")
                                 ? qEnvironmentVariableIntValue("BRIVOLA_SOAK_SESSIONS")
                                 : 20000;
        QRandomGenerator dice(seed);
        auto window = Start_Window();
        Player_View view;
        long events = 0;
        for (int session = 0; session < sessions; ++session) {
            // A session ends when the window is idle again, or after 60 events.
            for (int step = 0; step < 60; ++step) {
                ++events;
                Act(dice, view);
                Check(view);
                if (QTest::currentTestFailed())
                    QFAIL(qPrintable(
                        QString("seed %1, session %2, event %3").arg(seed).arg(session).arg(events)));
                if (view.mode == Field_Mode::Idle && step > 0)
                    break;
            }
        }
        qInfo("seed %llu: %d sessions, %ld events, %ld games won", seed, sessions, events, wins);
    }
};

QTEST_MAIN(Test_Soak)
#include "test_soak.moc"
