// What the soak's random player cannot show: the drawing, the secret's draw, and the error box.
#include "brivola_test.h"
#include "runtime/random_services.h"

class Test_Scripted : public QObject {
    Q_OBJECT
    std::unique_ptr<QWidget> window;
    const int32_t one = 1, two = 2, top = INT32_MAX;

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
    void cleanup() { Fix_Seed_For_Testing(std::nullopt), Use_Entropy_Source_For_Testing("default"); }

    void the_caption_breaks_the_frame_line_and_the_focus_shows_from_the_start()
    {
        const QImage image = Form().Frame_Sprache->grab().toImage();
        const QColor surface = Form().Frame_Sprache->palette().color(QPalette::Window);
        int line = 0; // the frame's top border, where it runs clear of the caption at the right
        while (image.pixelColor(image.width() - 4, line) == surface)
            ++line;
        QRect caption;                               // the dark pixels of the caption's letters
        for (int y = 0; y < image.height() / 4; ++y) // above the option buttons
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y).lightness() < 80)
                    caption |= QRect(x, y, 1, 1);
        QVERIFY2(caption.top() < line && line < caption.bottom(), qPrintable(QString::number(line)));
        for (int x = caption.left(); x <= caption.right(); x += 4) // broken where the caption stands
            QVERIFY(image.pixelColor(x, line) != image.pixelColor(image.width() - 4, line));
        const QFontInfo mono = Form().Label_Meldung->fontInfo(), sans = Form().Button_Action->fontInfo();
        QCOMPARE(mono.family() + ", " + sans.family(),
                 "Liberation Mono, Liberation Sans");              // as Courier, Arial
        QVERIFY(mono.pixelSize() == 13 && sans.pixelSize() == 11); // in pixels, whatever the dpi
        QCOMPARE(window->windowIcon().availableSizes(), QList<QSize>({{16, 16}, {32, 32}, {48, 48}}));
        QCOMPARE(QApplication::focusWidget(), Form().Button_Action);
        const QImage focused = Form().Button_Action->grab().toImage(); // before any key is pressed
        QTest::keyClick(Form().Button_Action, Qt::Key_Tab);
        QVERIFY(Form().Button_Action->grab().toImage() != focused);
        // A dark scheme shows at once: the surface's colour in the closed field, an input field's when open.
        const QPalette light = QApplication::palette(), dark(QColor(0x303030), QColor(0x303030));
        for (auto [palette, open] : {std::pair{dark, false}, {dark, true}, {light, true}}) {
            QApplication::setPalette(palette);
            QCoreApplication::processEvents(); // as a desktop's change arrives
            if (open != Form().Text_Zahl->isEnabled())
                Click(Form().Button_Action);
            const QImage field = Form().Text_Zahl->grab().toImage();
            QCOMPARE(field.pixelColor(field.width() / 2, field.height() / 2),
                     palette.color(open ? QPalette::Base : QPalette::Window));
        }
    }

    void every_game_reseeds_the_generator_with_or_without_entropy_and_draws_evenly()
    {
        Game_State.Max_Value = INT32_MAX;                          // so that two draws hardly ever meet
        for (const char *source : {"default", "no such source"}) { // some sandboxes have none
            Use_Entropy_Source_For_Testing(source);
            Fix_Seed_For_Testing(20261207);
            const int32_t first = Secret_Of_A_New_Game();
            QCOMPARE(Secret_Of_A_New_Game(), first); // the same seed again, not the generator's next draw
            Fix_Seed_For_Testing(std::nullopt);
            const int32_t fresh = Secret_Of_A_New_Game();
            Fix_Seed_For_Testing(20261207), Seed_From_Clock(), Random_In_Range(one, top);
            QVERIFY(fresh != first && fresh != Random_In_Range(one, top)); // reseeded from the clock
        }
        std::array<int, 4> seen{}; // draws of 1 to 2 hit both ends evenly, nothing beyond; the top value fits
        for (int i = 0; i < 1000; ++i)
            ++seen.at(size_t(Random_In_Range(one, two)));
        QVERIFY(seen[0] + seen[3] == 0 && seen[1] > 400 && seen[2] > 400 && Random_In_Range(top, top) == top);
    }

    void a_refused_text_pressed_anyway_shows_the_error_box_and_changes_nothing()
    {
        // "Guess" and "OK" are disabled for such text, so only a program can press them.
        const QString icon = QString::number(QMessageBox::Critical);
        for (const QStringList &box :
             {QStringList{"Error", "Only integer numbers are valid!", "OK", icon, "placed"},
              QStringList{"Fehler", "Nur ganze Zahlen sind gültig!", "OK", icon, "placed"}}) {
            box[0] == "Fehler" ? Click(Form().Option_Deutsch) : void();
            Click(Form().Button_Change);
            Paste("12x");
            QCOMPARE(Boxes([] { Action_Pressed(); }), box);
            // A refused maximum is neither set nor announced; the text stays to be corrected.
            QCOMPARE(Form().Label_Meldung->text() + Form().Text_Zahl->text(), QString("12x"));
            QVERIFY(Form().Text_Zahl->isEnabled() && Game_State.Max_Value == 100);
            window = Start_Window();
        }
    }
};

QTEST_MAIN(Test_Scripted)
#include "test_scripted.moc"
