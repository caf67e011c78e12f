// brivola_screenshots FOLDER SCALE: the window in each pictured state, one PNG each, the reference the
// tests compare with; so all that makes rendering differ between machines is pinned here.
#include "brivola_test.h"
#include "runtime/random_testing.h"

#include <QProcessEnvironment>

namespace {

QString Folder, Suffix;

void Save(const QString &name)
{
    QCoreApplication::processEvents();
    Form().Button_Action->window()->grab().save(QDir(Folder).filePath(name + Suffix + ".png"));
}

// The boxes a guess opened.
QStringList Guess(const char *number)
{
    Form().Text_Zahl->selectAll();
    QTest::keyClicks(Form().Text_Zahl, number);
    return Boxes([] { Click(Form().Button_Action); });
}

// Whatever the desktop or the player set for Qt goes, but the scale asked for.
void Pin_Rendering(const char *scale)
{
    for (const QString &name : QProcessEnvironment::systemEnvironment().keys())
        if (name.startsWith("QT_") || name.startsWith("FONTCONFIG_"))
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
    QApplication::setStyle("fusion");
    QApplication::setCursorFlashTime(0); // the cursor always shows
    const QPalette light = QApplication::palette();
    Fix_Seed_For_Testing(125); // the first game draws 40
    const auto window = Start_Window();

    // A desktop's theme gone dark and back while no game runs leaves nothing behind.
    QApplication::setPalette(QPalette(Qt::black, Qt::black));
    QApplication::setPalette(light);
    Save("idle-english");
    Click(Form().Option_Deutsch);
    Click(Form().Button_Action);
    Guess("50");
    Guess("30");
    Save("running-german");

    // A dark desktop theme: grey surfaces, a darker field, light text.
    QPalette dark(QColor(53, 53, 53), QColor(53, 53, 53));
    dark.setColor(QPalette::Base, QColor(45, 45, 45));
    dark.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(145, 145, 144));
    QApplication::setPalette(dark);
    Save("running-german-dark");
    QApplication::setPalette(light);

    // A reversed layout (-reverse), where every caption must still read left to right.
    QApplication::setLayoutDirection(Qt::RightToLeft);
    Save("running-german-reversed");
    QApplication::setLayoutDirection(Qt::LeftToRight);

    if (Guess("40").size() != 1) {
        std::fputs("brivola_screenshots: the winning guess did not show its one box\n", stderr);
        return 1;
    }
    Click(Form().Option_English);
    Click(Form().Button_Change);
    QTest::keyClicks(Form().Text_Zahl, "2147483647");
    Save("changing-english");

    // The longest texts: the new maximum's message, the widest range and a count of ten digits, in German.
    Click(Form().Option_Deutsch);
    Click(Form().Button_Action);
    Save("maximum-german");
    Fix_Seed_For_Testing(2); // draws 1940474870 from 1 to 2147483647
    Click(Form().Button_Action);
    Game_State.Tries = 2147483646; // a count no player reaches, set by hand
    Guess("1000000000");
    Save("running-german-longest");
    return 0;
}
