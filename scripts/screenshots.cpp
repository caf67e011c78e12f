// Renders the window in the states the README shows, one PNG each, into a
// folder: brivola_screenshots FOLDER SCALE. The pictures are the reference the
// tests compare the window with (see scripts/take-screenshots), so whatever
// makes rendering differ from one machine to the next is pinned here: the
// platform, the style, the fonts and how they are rendered, the cursor's blink.
#include "game/brivola_code.h"
#include "runtime/random_testing.h"
#include "ui/brivola_form.h"

#include <QApplication>
#include <QDir>
#include <QProcessEnvironment>
#include <QTest>
#include <QTimer>

namespace {

QString Folder, Suffix;

void Save(QWidget *window, const QString &name)
{
    QCoreApplication::processEvents();
    window->grab().save(QDir(Folder).filePath(name + Suffix + ".png"));
}

void Guess(const char *number)
{
    Form().Text_Zahl->selectAll();
    QTest::keyClicks(Form().Text_Zahl, number);
    QTest::mouseClick(Form().Button_Action, Qt::LeftButton);
}

// Whatever the desktop or the player set for Qt goes, but the scale asked for.
void Pin_Rendering(const char *scale)
{
    for (const QString &name : QProcessEnvironment::systemEnvironment().keys())
        if (name.startsWith(QStringLiteral("QT_")) || name.startsWith(QStringLiteral("FONTCONFIG_")))
            qunsetenv(qPrintable(name));
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", scale);
    qputenv("FONTCONFIG_FILE", BRIVOLA_PICTURE_FONTS);
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fputs("usage: brivola_screenshots FOLDER SCALE\n", stderr);
        return 2;
    }
    Folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(Folder);
    Suffix = QByteArray(argv[2]) == "1" ? QString() : QStringLiteral("-x") + argv[2];
    Pin_Rendering(argv[2]);
    QApplication application(argc, argv);
    QApplication::setStyle(QStringLiteral("fusion"));
    QApplication::setCursorFlashTime(0); // the cursor always shows
    const QPalette light = QApplication::palette();
    Fix_Seed_For_Testing(125); // the first game draws 40
    std::unique_ptr<QWidget> window = Create_Brivola();
    window->activateWindow(); // the focus shows as on a desktop
    if (!QTest::qWaitForWindowActive(window.get()))
        qWarning("the window did not become active");

    // A desktop's theme gone dark and back while no game runs leaves nothing behind.
    QApplication::setPalette(QPalette(Qt::black, Qt::black));
    QApplication::setPalette(light);
    Save(window.get(), "idle-english");
    QTest::mouseClick(Form().Option_Deutsch, Qt::LeftButton);
    QTest::mouseClick(Form().Button_Action, Qt::LeftButton);
    Guess("50");
    Guess("30");
    Save(window.get(), "running-german");

    // A dark desktop theme: grey surfaces, a darker field, light text.
    QPalette dark(QColor(53, 53, 53), QColor(53, 53, 53));
    dark.setColor(QPalette::Base, QColor(45, 45, 45));
    dark.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(145, 145, 144));
    QApplication::setPalette(dark);
    Save(window.get(), "running-german-dark");
    QApplication::setPalette(light);

    QTimer::singleShot(200, [] { QApplication::activeModalWidget()->close(); });
    Guess("40");
    QTest::mouseClick(Form().Option_English, Qt::LeftButton);
    QTest::mouseClick(Form().Button_Change, Qt::LeftButton);
    QTest::keyClicks(Form().Text_Zahl, "2147483647");
    Save(window.get(), "changing-english");
    return 0;
}
