#include "brivola_form.h"
#include "runtime/message_box.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QGuiApplication>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>
#if defined(Q_OS_WIN)
#include <windows.h>
#endif

namespace {

// Qt's own options, such as -platform, are Qt's to read, and it reads them
// only once QApplication is made. Before that, the parser sees just whether
// the player asked for help or the version, and which.
QString Help_Or_Version_Asked(QCommandLineParser &parser, int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    parser.parse(arguments);
    for (const char *option : {"help-all", "help", "version"})
        if (parser.isSet(QString::fromLatin1(option)))
            return QStringLiteral("--") + QString::fromLatin1(option);
    return {};
}

// Answers the request and ends the program. Qt sees the request alone, so
// that no option of its own beside it asks for a display.
[[noreturn]] void Answer(QCommandLineParser &parser, char *program, const QString &request)
{
    QByteArray word = request.toLatin1();
    int argc = 2;
    char *argv[] = {program, word.data(), nullptr};
    if (request == QStringLiteral("--help-all")) {
        // Only the toolkit's own application object lists the toolkit's
        // options; Qt's minimal platform needs no display for it.
#if defined(Q_OS_LINUX)
        qputenv("QT_QPA_PLATFORM", "minimal");
#endif
        const QApplication listing(argc, argv);
        parser.process(listing);
    }
    const QCoreApplication without_display(argc, argv); // names the program in the usage line
    parser.process(without_display);
    std::exit(EXIT_SUCCESS); // not reached: process() answers and exits
}

#if defined(Q_OS_LINUX)
// The options that name where the window goes, as Qt reads them.
constexpr const char *Display_Options[] = {"-platform", "--platform", "-display", "--display"};

bool Is_Display_Option(const char *word)
{
    return std::any_of(std::begin(Display_Options), std::end(Display_Options),
                       [word](const char *option) { return std::strcmp(word, option) == 0; });
}

// An empty variable, or an option with no value after it, names no display.
bool Display_Available(int argc, char *argv[])
{
    for (const char *variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        if (!qEnvironmentVariableIsEmpty(variable))
            return true;
    for (int i = 1; i + 1 < argc; ++i)
        if (Is_Display_Option(argv[i]) && argv[i + 1][0] != '\0')
            return true;
    return false;
}
#endif

#if defined(Q_OS_WIN)
// A Windows program with a window has no console when Explorer, a shortcut
// or a file dropped on it starts it: its standard error leads nowhere.
bool Standard_Error_Leads_Somewhere()
{
    const HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
    return error != nullptr && error != INVALID_HANDLE_VALUE && GetFileType(error) != FILE_TYPE_UNKNOWN;
}
#endif

// The game takes no argument: whatever Qt left over, an unknown option or a
// word, is refused by name, where the player reads it: on standard error, or
// in a box where that leads nowhere, as Qt answers --help there.
bool Arguments_Refused(QCommandLineParser &parser)
{
    QString error;
    if (!parser.parse(QCoreApplication::arguments()))
        error = parser.errorText();
    else if (!parser.positionalArguments().isEmpty())
        error = QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().constFirst());
    if (error.isEmpty())
        return false;
    const QString refusal = QStringLiteral("%1\nTry 'brivola --help' for more information.").arg(error);
#if defined(Q_OS_WIN)
    if (!Standard_Error_Leads_Somewhere()) {
        Message_Box(refusal, Box_Style::Error, QStringLiteral(BRIVOLA_NAME));
        return true;
    }
#endif
    std::fputs(qPrintable(QStringLiteral("brivola: %1\n").arg(refusal)), stderr);
    return true;
}

#if defined(Q_OS_LINUX)
// Without a display, Qt's minimal platform, which needs none, takes Qt's own
// options away, so that a refused word is named all the same. The display
// options, here with no value, go first: they would choose a platform or
// be left for want of one.
bool Refused_Without_Display(QCommandLineParser &parser, int argc, char *argv[])
{
    std::vector<char *> kept;
    for (int i = 0; i < argc; ++i) {
        if (Is_Display_Option(argv[i])) {
            i += i + 1 < argc && argv[i + 1][0] == '\0';
            continue;
        }
        kept.push_back(argv[i]);
    }
    int count = static_cast<int>(kept.size());
    kept.push_back(nullptr);
    qputenv("QT_QPA_PLATFORM", "minimal");
    const QApplication without_display(count, kept.data());
    return Arguments_Refused(parser);
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
    if (const QString request = Help_Or_Version_Asked(parser, argc, argv); !request.isEmpty())
        Answer(parser, argv[0], request);
#if defined(Q_OS_LINUX)
    // Without a display the toolkit would abort with a page of its own; one
    // line that names the cause serves the player better.
    if (!Display_Available(argc, argv)) {
        if (!Refused_Without_Display(parser, argc, argv))
            std::fputs("brivola: no X11 or Wayland display to open the window on (DISPLAY and "
                       "WAYLAND_DISPLAY are unset or empty)\n",
                       stderr);
        return EXIT_FAILURE;
    }
#endif
    QApplication application(argc, argv);
    if (Arguments_Refused(parser))
        return EXIT_FAILURE;
    QGuiApplication::setDesktopFileName(QStringLiteral(BRIVOLA_APP_ID));
    std::unique_ptr<QWidget> window = Create_Brivola();
    return application.exec();
}
