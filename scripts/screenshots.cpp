// Renders the window in the states the README shows, one PNG each, into the
// folder given as the first argument. Run it on a real display (Xvfb).
#include "game/brivola_code.h"
#include "ui/brivola_form.h"

#include <QApplication>
#include <QDir>
#include <QTest>
#include <QTimer>

namespace {

void Save(QWidget *window, const QString &folder, const QString &name)
{
    QCoreApplication::processEvents();
    window->grab().save(QDir(folder).filePath(name + ".png"));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const QString folder = argc > 1 ? argv[1] : ".";
    std::unique_ptr<QWidget> window = Create_Brivola();
    window->activateWindow(); // the focus shows as on a desktop
    if (!QTest::qWaitForWindowActive(window.get()))
        qWarning("the window did not become active");
    Ui::Brivola &form = Form();

    Save(window.get(), folder, "idle-english");
    QTest::mouseClick(form.Option_Deutsch, Qt::LeftButton);
    Save(window.get(), folder, "idle-german");

    QTest::mouseClick(form.Button_Action, Qt::LeftButton);
    Game_State.Secret_Number = 40;
    for (const char *guess : {"50", "30"}) {
        form.Text_Zahl->selectAll();
        QTest::keyClicks(form.Text_Zahl, guess);
        QTest::mouseClick(form.Button_Action, Qt::LeftButton);
    }
    Save(window.get(), folder, "running-german");

    Game_State.Secret_Number = 35;
    form.Text_Zahl->selectAll();
    QTest::keyClicks(form.Text_Zahl, "35");
    QTimer::singleShot(200, [] { QApplication::activeModalWidget()->close(); });
    QTest::mouseClick(form.Button_Action, Qt::LeftButton);
    QTest::mouseClick(form.Option_English, Qt::LeftButton);
    QTest::mouseClick(form.Button_Change, Qt::LeftButton);
    QTest::keyClicks(form.Text_Zahl, "2147483647");
    Save(window.get(), folder, "changing-english");
    return 0;
}
