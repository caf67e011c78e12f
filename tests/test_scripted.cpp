// What a game played step by step cannot show: the drawing, the colours, the command line, the secret's
// draw, and the arithmetic behind it.
#include "brivola_test.h"
#include "runtime/arithmetic.h"
#include "runtime/random_testing.h"

namespace {

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
        QCOMPARE(game.readAllStandardOutput().trimmed(), BRIVOLA_NAME " " BRIVOLA_VERSION);
    }

    void the_focus_shows_on_the_start_button_from_the_first_frame()
    {
        const QImage focused = Form().Button_Action->grab().toImage();
        QTest::keyClick(Form().Button_Action, Qt::Key_Tab);
        QVERIFY(Form().Button_Action->grab().toImage() != focused);
    }

    void the_labels_take_legible_shades_of_blue_and_red_on_any_surface_data()
    {
        QTest::addColumn<QColor>("surface");
        QTest::addColumn<QColor>("message");
        QTest::addColumn<QColor>("notice");
        QTest::newRow("light: the pure hues")
            << QColor(239, 239, 239) << QColor(0, 0, 255) << QColor(255, 0, 0);
        // Dark enough for white text: lighter shades of the same hues, at 4.5 : 1 or more.
        QTest::newRow("Adwaita-dark") << QColor(53, 53, 53) << QColor(153, 153, 255) << QColor(255, 114, 114);
        QTest::newRow("mid-grey") << QColor(94, 94, 94) << QColor(216, 216, 255) << QColor(255, 204, 204);
    }

    void the_labels_take_legible_shades_of_blue_and_red_on_any_surface()
    {
        QFETCH(QColor, surface);
        QFETCH(QColor, message);
        QFETCH(QColor, notice);
        Click(Form().Button_Action); // a message and a range
        QApplication::setPalette(QPalette(surface, surface));
        QCoreApplication::processEvents(); // as a desktop's switch arrives
        QVERIFY(Painted_In(Form().Label_Meldung, message));
        QVERIFY(Painted_In(Form().Label_Notice, notice));
    }

    void the_number_field_looks_like_an_input_field_of_the_desktop_only_while_open()
    {
        Click(Form().Button_Action);
        const QColor dark(53, 53, 53);
        QApplication::setPalette(QPalette(dark, dark));
        QCoreApplication::processEvents();
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
