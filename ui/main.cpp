#include "brivola_form.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>

namespace {

// Qt's own options, such as -platform, are Qt's to read, and it reads them
// only once QApplication is made. Before that, the parser sees just whether
// the player asked for help or the version.
bool Asks_For_Help_Or_Version(QCommandLineParser &parser, int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    parser.parse(arguments);
    for (const char *option : {"help", "help-all", "version"})
        if (parser.isSet(QString::fromLatin1(option)))
            return true;
    return false;
}

#if defined(Q_OS_LINUX)
// Without a display the toolkit would abort with a page of its own; one line
// that names the cause serves the player better.
bool Display_Available(int argc, char *argv[])
{
    if (std::getenv("QT_QPA_PLATFORM") || std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY"))
        return true;
    for (int i = 1; i < argc; ++i)
        if (QByteArray(argv[i]) == "-platform" || QByteArray(argv[i]) == "--platform")
            return true;
    std::fputs("brivola: no X11 or Wayland display to open the window on (DISPLAY and WAYLAND_DISPLAY are "
               "unset)\n",
               stderr);
    return false;
}
#endif

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral(BRIVOLA_NAME));
    QCoreApplication::setApplicationVersion(QStringLiteral(BRIVOLA_VERSION));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(BRIVOLA_SUMMARY));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addHelpOption();
    parser.addVersionOption();
    if (Asks_For_Help_Or_Version(parser, argc, argv)) {
        if (parser.isSet(QStringLiteral("help-all"))) {
            // Only the toolkit's own application object lists the toolkit's
            // options; Qt's minimal platform needs no display for it.
#if defined(Q_OS_LINUX)
            qputenv("QT_QPA_PLATFORM", "minimal");
#endif
            const QApplication listing(argc, argv);
            parser.process(listing);
        }
        const QCoreApplication without_display(argc, argv); // names the program in the usage line
        parser.process(without_display);                    // answers and ends the program
    }
#if defined(Q_OS_LINUX)
    if (!Display_Available(argc, argv))
        return EXIT_FAILURE;
#endif
    QApplication application(argc, argv);
    parser.process(application); // what Qt left over: anything unknown is an error
    QGuiApplication::setDesktopFileName(QStringLiteral(BRIVOLA_APP_ID));
    std::unique_ptr<QWidget> window = Create_Brivola();
    return application.exec();
}
