// The window as the player first sees it: layout, focus, captions in both
// languages, and every text fitting whole into its control.
#include "brivola_test.h"
#include "ui/captions.h"

#include <QAccessible>
#include <limits>

class Test_Window : public QObject {
    Q_OBJECT
    std::unique_ptr<QWidget> window;

    // Courier labels and the buttons must show each caption whole: labels and
    // Button_Action on one line, Button_Change on at most two.
    void Assert_Everything_Fits()
    {
        Ui::Brivola &form = Form();
        for (QLabel *label : {form.Label_Notice, form.Label_Meldung, form.Label_Anzahl_Versuche,
                              form.Label_Beschreibungstext}) {
            QFontMetrics metrics(label->font());
            QVERIFY2(metrics.horizontalAdvance(label->text()) <= label->contentsRect().width(),
                     qPrintable(label->objectName() + ": " + label->text()));
            QVERIFY(metrics.height() <= label->contentsRect().height());
        }
        for (QPushButton *button : {form.Button_Action, form.Button_Change}) {
            const QStringList lines = button->text().split(u'\n');
            QVERIFY2(lines.size() <= (button == form.Button_Action ? 1 : 2), qPrintable(button->text()));
            QVERIFY(lines.size() * button->fontMetrics().lineSpacing() <= button->height());
            for (const QString &line : lines)
                QVERIFY2(button->fontMetrics().horizontalAdvance(line) <= Caption_Width(button),
                         qPrintable(line));
        }
        QFontMetrics frame(form.Frame_Sprache->font());
        QVERIFY(frame.horizontalAdvance(form.Frame_Sprache->title()) < form.Frame_Sprache->width() - 8);
    }

private slots:
    void init() { window = Start_Window(); }
    void cleanup() { window.reset(); }

    void starts_idle_in_english_and_wraps_in_german()
    {
        // The soak checks the captions of every mode; here, what only the start shows.
        Ui::Brivola &form = Form();
        QVERIFY(form.Option_English->isChecked() && !form.Option_Deutsch->isChecked());
        QCOMPARE(form.Label_Notice->text() + form.Label_Meldung->text() + form.Text_Zahl->text(), QString());
        QVERIFY(!form.Text_Zahl->isEnabled());
        QCOMPARE(form.Text_Zahl->palette().color(QPalette::Base), Platform_Colour(Colour_Button_Face));
        QCOMPARE(form.Button_Change->text(), QString("Change maximum\nvalue"));
        QCOMPARE(QApplication::focusWidget(), form.Button_Action);
        QVERIFY(window->windowTitle().startsWith("Brivola; "));
        Click(form.Option_Deutsch);
        QCOMPARE(form.Button_Action->text(), QString("Neues Spiel starten"));
        QCOMPARE(form.Button_Change->text(), QString("Maximalwert\nändern"));
    }

    void controls_stand_where_the_form_puts_them()
    {
        const QList<std::pair<QWidget *, QRect>> expected = {
            // clang-format off
            {Form().Button_Change, {344, 144, 105, 41}}, {Form().Frame_Sprache, {344, 48, 105, 81}},
            {Form().Option_Deutsch, {8, 48, 86, 17}},    {Form().Option_English, {8, 24, 86, 17}},
            {Form().Button_Action, {344, 8, 105, 25}},   {Form().Text_Zahl, {220, 8, 113, 24}},
            {Form().Label_Notice, {8, 144, 329, 17}},    {Form().Label_Meldung, {8, 88, 329, 17}},
            {Form().Label_Anzahl_Versuche, {8, 48, 329, 17}}, {Form().Label_Beschreibungstext, {8, 12, 201, 17}},
            // clang-format on
        };
        QCOMPARE(window->size(), QSize(455, 195));
        for (QSize size : {QSize(900, 400), QSize(200, 100)}) {
            window->resize(size);
            QCoreApplication::processEvents();
            for (auto [control, rect] : expected)
                QVERIFY2(control->geometry() == rect, qPrintable(control->objectName()));
        }
        QCOMPARE(Form().Label_Notice->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        QCOMPARE(Form().Label_Meldung->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QCOMPARE(Form().Label_Notice->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QCOMPARE(Form().Label_Meldung->font().family(), QString("Courier New"));
        QCOMPARE(QFontInfo(Form().Label_Meldung->font()).pixelSize(), 13);
        QCOMPARE(Form().Text_Zahl->maxLength(), std::numeric_limits<int>::max());
    }

    void tab_visits_the_enabled_controls_in_order()
    {
        Ui::Brivola &form = Form();
        const QList<QWidget *> idle = {form.Option_English, form.Button_Change, form.Button_Action};
        for (QWidget *next : idle) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
        Click(form.Button_Action); // a running game opens the field and focuses it
        QCOMPARE(QApplication::focusWidget(), form.Text_Zahl);
        QTest::keyClicks(form.Text_Zahl, "5"); // "Guess" enabled; Button_Change stays disabled
        const QList<QWidget *> running = {form.Button_Action, form.Option_English, form.Text_Zahl};
        for (QWidget *next : running) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
    }

    void screen_readers_hear_the_current_captions()
    {
        auto name = [](QWidget *control) {
            return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
        };
        Ui::Brivola &form = Form();
        QCOMPARE(name(form.Text_Zahl), QString("Enter a number:")); // named by its prompt
        Click(form.Option_Deutsch);
        QCOMPARE(name(form.Text_Zahl), QString("Geben Sie eine Zahl ein:"));
        QCOMPARE(name(form.Button_Action), QString("Neues Spiel starten"));
        QCOMPARE(name(form.Button_Change), QString("Maximalwert ändern"));
        QCOMPARE(name(form.Frame_Sprache), QString("Sprache:"));
    }

    void text_scales_with_the_layout()
    {
        // Run at QT_SCALE_FACTOR 1 and 2: the blue message must fill its
        // label in proportion, whatever the scale.
        Click(Form().Button_Action);
        QLabel *label = Form().Label_Meldung;
        const QImage image = window->grab().toImage();
        const qreal ratio = window->devicePixelRatioF();
        QCOMPARE(image.size(), window->size() * ratio);
        QRect blue;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (QColor c = image.pixelColor(x, y); c.blue() > 200 && c.red() < 100 && c.green() < 100)
                    blue |= QRect(x, y, 1, 1);
        const QRect area(label->geometry().topLeft() * ratio, label->size() * ratio);
        QVERIFY(area.contains(blue));
        QVERIFY(blue.height() >= area.height() / 2 && blue.width() >= area.width() / 3);
    }

    void every_text_fits_with_the_largest_numbers()
    {
        constexpr int32_t largest = std::numeric_limits<int32_t>::max();
        for (int32_t language : {Language_English, Language_German}) {
            for (Flag running : {Flag_False, Flag_True}) {
                for (int32_t kind = Message_None; kind <= Message_New_Maximum; ++kind) {
                    Game_State.Language = language;
                    Game_State.Game_Running = running;
                    Game_State.Changing_Max = To_Flag(!running && kind == Message_New_Maximum);
                    Game_State.Tries = largest;
                    Game_State.Max_Value = largest;
                    Game_State.Message_Kind = kind;
                    Show_Message();
                    Refresh_Captions();
                    Form().Label_Notice->setText(Range_Text(largest, largest));
                    Assert_Everything_Fits();
                }
            }
        }
    }
};

QTEST_MAIN(Test_Window)
#include "test_window.moc"
