// What a game played step by step cannot show: the drawing, the colours, the command line, the secret's
// draw, and the arithmetic behind it.
#include "brivola_test.h"
#include "runtime/arithmetic.h"
#include "runtime/random_services.h"

namespace {

// Relative luminance, as WCAG 2 measures contrast with it.
double Luminance(const QColor &colour)
{
    auto linear = [](double value) {
        return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF())
           + 0.0722 * linear(colour.blueF());
}

// Whether any pixel of the widget's painting has exactly this colour.
bool Painted_In(QWidget *widget, const QColor &colour)
{
    const QImage image = widget->grab().toImage();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour)
                return true;
    return false;
}

} // namespace

class Test_Scripted : public QObject {
    Q_OBJECT
    std::unique_ptr<QWidget> window;
    const QPalette light = QApplication::palette();

    int32_t Secret_Of_A_New_Game()
    {
        Click(Form().Button_Action);
        const int32_t secret = Game_State.Secret_Number;
        Paste(QString::number(secret));
        Boxes([] { Click(Form().Button_Action); });
        return secret;
    }

private slots:
    void init() { window = Start_Window(); }

    void cleanup()
    {
        QApplication::setPalette(light);
        Fix_Seed_For_Testing(std::nullopt);
        Use_Entropy_Source_For_Testing("default");
    }

    void the_frame_caption_breaks_the_border_line()
    {
        const QImage image = Form().Frame_Sprache->grab().toImage();
        const QColor surface = Form().Frame_Sprache->palette().color(QPalette::Window);
        const int right = image.width() - 4; // where the top line runs clear of the caption
        int line = 0;
        while (image.pixelColor(right, line) == surface)
            ++line;
        int drawn = 0;
        for (int x = 0; x < image.width(); ++x)
            drawn += image.pixelColor(x, line) == image.pixelColor(right, line);
        QVERIFY(drawn < image.width() / 2);
    }

    void the_fonts_are_courier_and_arial_or_their_metric_twins()
    {
        // A font package missing from the set-up lets Qt fall back to a family of other widths.
        QVERIFY(QStringList({"Courier New", "Liberation Mono"})
                    .contains(Form().Label_Meldung->fontInfo().family()));
        QVERIFY(
            QStringList({"Arial", "Liberation Sans"}).contains(Form().Button_Action->fontInfo().family()));
    }

    void the_window_has_its_icon()
    {
        QVERIFY(!window->windowIcon().isNull()); // the resource of icons is compiled in
    }

    void the_command_line_answers_a_program_that_reads_it()
    {
        // So does a Windows program, which shows a box instead when nothing reads what it prints.
        QProcess game;
        game.start(QCoreApplication::applicationDirPath() + "/brivola", {"--version"});
        QVERIFY(game.waitForFinished());
        QCOMPARE(game.readAllStandardOutput().trimmed(), "Brivola 1.00.0001");
    }

    void the_focus_shows_on_the_start_button_from_the_first_frame()
    {
        const QImage focused = Form().Button_Action->grab().toImage();
        QTest::keyClick(Form().Button_Action, Qt::Key_Tab);
        QVERIFY(Form().Button_Action->grab().toImage() != focused);
    }

    void the_colours_follow_a_light_or_a_dark_desktop()
    {
        Click(Form().Button_Action); // a message in blue, a range in red, the field open
        QVERIFY(Painted_In(Form().Label_Meldung, Qt::blue));
        QVERIFY(Painted_In(Form().Label_Notice, Qt::red));
        const QColor dark(94, 94, 94); // dark enough for white text, light enough to dull pure hues
        QApplication::setPalette(QPalette(dark, dark));
        QCoreApplication::processEvents(); // as a desktop's switch arrives
        for (QLabel *label : {Form().Label_Meldung, Form().Label_Notice}) {
            const QColor text = label->palette().color(QPalette::WindowText);
            QVERIFY(Painted_In(label, text));
            QVERIFY((Luminance(text) + 0.05) / (Luminance(dark) + 0.05) >= 4.5);
            QCOMPARE(text.hue(), label == Form().Label_Meldung ? 240 : 0); // lighter, the same hues
        }
        // The open field is an input field of the dark scheme, the closed one its surface.
        const QPoint middle = Form().Text_Zahl->rect().center();
        QCOMPARE(Form().Text_Zahl->grab().toImage().pixelColor(middle), QColor(Qt::black));
        window = Start_Window();
        QCOMPARE(Form().Text_Zahl->grab().toImage().pixelColor(middle), dark);
    }

    void every_game_seeds_the_generator_anew_with_or_without_entropy()
    {
        Game_State.Max_Value = INT32_MAX; // so that two draws hardly ever meet
        for (const char *source : {"default", "no such source"}) {
            Use_Entropy_Source_For_Testing(source);
            Fix_Seed_For_Testing(20261207);
            const int32_t seeded = Secret_Of_A_New_Game();
            QCOMPARE(Secret_Of_A_New_Game(), seeded); // the same seed again, not the generator's next draw
            Seed_From_Clock(); // the generator stands where a game with that seed begins
            Fix_Seed_For_Testing(std::nullopt);
            QVERIFY(Secret_Of_A_New_Game() != seeded); // so this one was seeded from the clock
        }
    }

    void arithmetic_raises_an_error_where_the_result_does_not_fit()
    {
        QCOMPARE(Floor_To_Integer(2147483647.0), INT32_MAX); // a draw of the very top of 32 bits
        QVERIFY_THROWS_EXCEPTION(Overflow_Error, Checked_Add(INT32_MAX, 1));
        QVERIFY_THROWS_EXCEPTION(Floating_Point_Error, Checked_Double(INFINITY));
        QVERIFY_THROWS_EXCEPTION(Overflow_Error, Floor_To_Integer(2147483648.0));
        QVERIFY_THROWS_EXCEPTION(Overflow_Error, Floor_To_Integer(-2147483649.0));
    }
};

QTEST_MAIN(Test_Scripted)
#include "test_scripted.moc"
