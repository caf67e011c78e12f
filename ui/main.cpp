#include "brivola_form.h"

#include <QApplication>
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>

namespace {

// Without a display the toolkit would abort with a page of its own; one
// line that says what to do serves the player better.
bool Display_Available()
{
    if (std::getenv("QT_QPA_PLATFORM") || std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY"))
        return true;
    std::fputs("brivola: no display to open the window on; try: xvfb-run make run\n", stderr);
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
#if defined(Q_OS_LINUX)
    if (!Display_Available())
        return EXIT_FAILURE;
#endif
    QApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral(BRIVOLA_NAME));
    QCoreApplication::setApplicationVersion(QStringLiteral(BRIVOLA_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(BRIVOLA_APP_ID));
    std::unique_ptr<QWidget> window = Create_Brivola();
    return application.exec();
}
