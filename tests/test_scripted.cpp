// What a game played step by step cannot show: the drawing, the colours on every surface, the command
// line as a program reads it, the seeding of the secret's draw, and the arithmetic behind it.
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

// Relative luminance, plus the flare that WCAG's contrast ratio adds to both sides.
double Luminance(const QColor &colour)
{
    auto linear = [](double value) {
        return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF())
           + 0.05;
}

} // namespace

class Test_Scripted : public QObject {
    Q_OBJECT
    std::unique_ptr<QWidget> window;
    const QPalette light = QApplication::palette();

private slots:
    void init() { window = Start_Window(); }

    void cleanup()
    {
        QApplication::setPalette(light);
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

    void the_labels_read_on_every_surface_and_stay_pure_on_the_light_default()
    {
        Click(Form().Button_Action); // a message and a range
        QVERIFY(Painted_In(Form().Label_Meldung, Qt::blue));
        QVERIFY(Painted_In(Form().Label_Notice, Qt::red));
        QList<QColor> surfaces = {QColor(0, 43, 54), QColor(253, 246, 227)}; // Solarized's dark and light
        for (int grey = 0; grey < 256; ++grey)
            surfaces << QColor(grey, grey, grey);
        for (const QColor &surface : surfaces) {
            QApplication::setPalette(QPalette(surface, surface));
            QCoreApplication::processEvents(); // as a desktop's switch arrives
            for (QLabel *label : {Form().Label_Meldung, Form().Label_Notice}) {
                const QColor ink = label->palette().color(QPalette::WindowText);
                QVERIFY(Painted_In(label, ink));
                const double ratio = std::max(Luminance(ink), Luminance(surface))
                                     / std::min(Luminance(ink), Luminance(surface));
                // Only the pure colours may read at less than 4.5 : 1, and then at 3 : 1 at least.
                const bool pure = ink == QColor(Qt::blue) || ink == QColor(Qt::red);
                QVERIFY2(ratio >= 4.5 || (pure && ratio >= 3), qPrintable(surface.name() + " " + ink.name()));
            }
        }
    }

    void the_number_field_looks_like_an_input_field_of_the_desktop_only_while_open()
    {
        const QPoint middle = Form().Text_Zahl->rect().center();
        const QColor dark(53, 53, 53);
        QApplication::setPalette(QPalette(dark, dark)); // a desktop's switch while no game runs
        QCoreApplication::processEvents();
        QCOMPARE(Form().Text_Zahl->grab().toImage().pixelColor(middle), dark);
        Click(Form().Button_Action);
        QApplication::setPalette(light); // and back while the field is open
        QCoreApplication::processEvents();
        QCOMPARE(Form().Text_Zahl->grab().toImage().pixelColor(middle), QColor(Qt::white));
    }

    void the_clock_seeds_every_draw_anew_with_or_without_entropy()
    {
        for (const char *source : {"default", "no such source"}) {
            Use_Entropy_Source_For_Testing(source);
            Seed_From_Clock();
            const double first = Next_Fraction();
            Seed_From_Clock();
            QVERIFY(Next_Fraction() != first); // another seed, not the same one again
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
