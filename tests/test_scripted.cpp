// What a game cannot show: the window against its pictures, the colours on every surface, the icon.
#include "brivola_test.h"

namespace {

// Relative luminance, plus the flare that WCAG's contrast ratio adds to both sides.
double Luminance(const QColor &colour)
{
    auto linear = [](double value) {
        return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF())
           + 0.05;
}

// The contrast ratio of two colours.
double Ratio(const QColor &one, const QColor &other)
{
    return std::max(Luminance(one), Luminance(other)) / std::min(Luminance(one), Luminance(other));
}

// The colour mixed with white (towards 255) or black (towards 0), by amount / 255.
QColor Mixed(const QColor &colour, int towards, int amount)
{
    auto mix = [&](int channel) { return channel + (towards - channel) * amount / 255; };
    return {mix(colour.red()), mix(colour.green()), mix(colour.blue())};
}

} // namespace

class Test_Scripted : public QObject {
    Q_OBJECT
    std::unique_ptr<QWidget> window;
    const QPalette light = QApplication::palette();

private slots:
    void init() { window = Start_Window(); }

    void cleanup() { QApplication::setPalette(light); }

    void the_window_looks_as_its_pictures_show()
    {
#if defined(Q_OS_WIN)
        QSKIP("the pictures are drawn by Linux's offscreen platform");
#endif
        // The README's pictures, drawn again in the build by the tool that made them.
        const QDir pictures(QStringLiteral(BRIVOLA_SOURCE_DIR "/docs"));
        QDir drawn(QStringLiteral(BRIVOLA_DRAWN_PICTURES));
        drawn.removeRecursively();
        for (const char *scale : {"1", "2"})
            QCOMPARE(QProcess::execute(QCoreApplication::applicationDirPath() + "/brivola_screenshots",
                                       {drawn.path(), scale}),
                     0);
        const QStringList names = drawn.entryList({"*.png"});
        QCOMPARE(names.size(), 14);
        for (const QString &name : names)
            QVERIFY2(QImage(drawn.filePath(name)) == QImage(pictures.filePath(name)),
                     qPrintable(drawn.filePath(name) + " differs from docs/" + name
                                + "; if the change is meant, run scripts/take-screenshots"));
    }

    void the_window_icon_has_each_size_drawn_for_it()
    {
        for (int size : {16, 32, 48}) {
            const QImage drawn(QStringLiteral(BRIVOLA_SOURCE_DIR "/packaging/brivola-%1.png").arg(size));
            QCOMPARE(window->windowIcon().pixmap(size).toImage().convertToFormat(drawn.format()), drawn);
        }
    }

    void the_labels_keep_their_pure_colour_where_it_reads_and_the_nearest_legible_shade_elsewhere()
    {
        Click(Form().Button_Action);                                         // a message and a range
        QList<QColor> surfaces = {QColor(0, 43, 54), QColor(253, 246, 227)}; // Solarized's dark and light
        for (int grey = 0; grey < 256; ++grey)
            surfaces << QColor(grey, grey, grey);
        for (const QColor &surface : surfaces) {
            QApplication::setPalette(QPalette(surface, surface));
            QCoreApplication::processEvents(); // as a desktop's switch arrives
            const bool light = Ratio(Qt::black, surface) >= Ratio(Qt::white, surface);
            for (const auto &[label, pure] : {std::pair(Form().Label_Meldung, QColor(Qt::blue)),
                                              std::pair(Form().Label_Notice, QColor(Qt::red))}) {
                const QColor ink = label->palette().color(QPalette::WindowText);
                const QString where = surface.name() + " " + ink.name();
                // The pure colour where it reads at 4.5 : 1, or at 3 : 1 on a light surface.
                const double pure_ratio = Ratio(pure, surface);
                if (pure_ratio >= 4.5 || (light && pure_ratio >= 3)) {
                    QVERIFY2(ink == pure, qPrintable(where));
                    continue;
                }
                // Elsewhere the nearest shade, mixed with white or black, that reads at 4.5 : 1.
                QVERIFY2(Ratio(ink, surface) >= 4.5, qPrintable(where));
                // Along each mix the contrast turns only once, so the step before must fall short.
                const int distance =
                    std::max({std::abs(ink.red() - pure.red()), std::abs(ink.green() - pure.green()),
                              std::abs(ink.blue() - pure.blue())});
                for (int towards : {0, 255})
                    QVERIFY2(Ratio(Mixed(pure, towards, distance - 1), surface) < 4.5, qPrintable(where));
            }
        }
    }
};

QTEST_MAIN(Test_Scripted)
#include "test_scripted.moc"
