// Start-up of the game's window against a bare window with the same ten
// controls and no logic. `startup game|bare` exits after the first paint;
// `startup game|bare idle` stays open so that its wake-ups can be counted.
#include "ui/brivola_form.h"

#include <QApplication>
#include <cstring>

namespace {

bool Quit_On_First_Paint(QObject *, QEvent *event)
{
    if (event->type() == QEvent::Paint)
        QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const bool bare = argc > 1 && std::strcmp(argv[1], "bare") == 0;
    const bool idle = argc > 2 && std::strcmp(argv[2], "idle") == 0;
    std::unique_ptr<QWidget> window;
    Ui::Brivola bare_form;
    if (bare) {
        // The same texts as the game's idle window, set once, with no logic.
        window = std::make_unique<QWidget>();
        bare_form.setupUi(window.get());
        bare_form.Button_Action->setText("Start New Game");
        bare_form.Button_Change->setText("Change maximum\nvalue");
        bare_form.Label_Anzahl_Versuche->setText("Number of needed tries: 0");
        bare_form.Label_Beschreibungstext->setText("Enter a number:");
        bare_form.Frame_Sprache->setTitle("Language:");
        bare_form.Option_English->setChecked(true);
        bare_form.Text_Zahl->setEnabled(false);
        window->show();
    } else {
        window = Create_Brivola();
    }
    struct Filter : QObject {
        bool eventFilter(QObject *watched, QEvent *event) override
        {
            return Quit_On_First_Paint(watched, event);
        }
    } filter;
    if (!idle)
        window->installEventFilter(&filter);
    return application.exec();
}
