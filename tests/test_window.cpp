// The window as the player sees it: layout, fonts and colours, focus, what
// screen readers hear, and every text fitting whole at any scale.
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

    void starts_idle_in_english_with_the_focus_on_start()
    {
        Ui::Brivola &form = Form();
        QVERIFY(form.Option_English->isChecked() && !form.Option_Deutsch->isChecked());
        QCOMPARE(form.Label_Notice->text() + form.Label_Meldung->text() + form.Text_Zahl->text(), QString());
        QVERIFY(!form.Text_Zahl->isEnabled());
        QCOMPARE(QApplication::focusWidget(), form.Button_Action);
        QVERIFY(window->windowTitle().startsWith("Brivola; "));
        QCOMPARE(form.Button_Change->text(), QString("Change maximum\nvalue"));
        Click(form.Option_Deutsch);
        QCOMPARE(form.Button_Change->text(), QString("Maximalwert\nändern"));
    }

    void layout_fonts_and_colours_stay_as_created()
    {
        QCOMPARE(window->size(), QSize(455, 195));
        const QList<QWidget *> controls = window->findChildren<QWidget *>();
        QList<QRect> placed;
        for (QWidget *control : controls)
            placed << control->geometry();
        window->resize(200, 100); // nothing follows the window's size
        QCoreApplication::processEvents();
        for (int i = 0; i < controls.size(); ++i)
            QCOMPARE(controls[i]->geometry(), placed[i]);
        QCOMPARE(Form().Option_Deutsch->geometry(), QRect(8, 48, 86, 17));
        QCOMPARE(Form().Label_Notice->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        QCOMPARE(Form().Label_Meldung->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QCOMPARE(Form().Label_Notice->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QCOMPARE(QFontInfo(Form().Text_Zahl->font()).pixelSize(), 13);
        QCOMPARE(Form().Text_Zahl->font().family(), QString("Courier New"));
    }

    void tab_visits_the_enabled_controls_in_order()
    {
        Ui::Brivola &form = Form();
        const auto tab_through = [](const QList<QWidget *> &order) {
            for (QWidget *next : order) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                QCOMPARE(QApplication::focusWidget(), next);
            }
        };
        tab_through({form.Option_English, form.Button_Change, form.Button_Action});
        Click(form.Button_Action); // a new game opens the field and focuses it
        QCOMPARE(QApplication::focusWidget(), form.Text_Zahl);
        QTest::keyClicks(form.Text_Zahl, "5"); // "Guess" enabled; Button_Change stays disabled
        tab_through({form.Button_Action, form.Option_English, form.Text_Zahl});
    }

    void screen_readers_hear_the_current_captions()
    {
        const auto name = [](QWidget *control) {
            return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
        };
        Click(Form().Option_Deutsch);
        QCOMPARE(name(Form().Text_Zahl), QString("Geben Sie eine Zahl ein:")); // named by its prompt
        QCOMPARE(name(Form().Button_Change), QString("Maximalwert ändern"));   // whole, not wrapped
        QCOMPARE(name(Form().Frame_Sprache), QString("Sprache:"));
    }

    void every_text_fits_with_the_largest_numbers()
    {
        constexpr int32_t largest = std::numeric_limits<int32_t>::max();
        for (int32_t language : {Language_English, Language_German}) {
            for (Flag running : {Flag_False, Flag_True}) {
                for (int32_t kind = Message_None; kind <= Message_New_Maximum; ++kind) {
                    Game_State = {running, largest, 0, language, 1, largest, To_Flag(!running && kind == 4),
                                  kind,    1,       1};
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
