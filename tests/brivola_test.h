// What every window test needs: a fresh game window, the player's hands,
// and a watcher that reads and closes the modal boxes a click opens.
#pragma once

#include "game/brivola_code.h"
#include "ui/brivola_form.h"
#include "ui/captions.h"

#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

// The offscreen platform warns of this for every message box; it is not ours.
inline void Quiet_Offscreen_Warning()
{
    static const QtMessageHandler next =
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &context, const QString &message) {
            if (!message.contains(QLatin1String("propagateSizeHints")))
                next(type, context, message);
        });
}

// The window as the game starts it: fresh state, shown, focus settled.
inline std::unique_ptr<QWidget> Start_Window()
{
    Quiet_Offscreen_Warning();
    Game_State = {};
    std::unique_ptr<QWidget> window = Create_Brivola();
    window->show();
    QApplication::setActiveWindow(window.get());
    if (!QTest::qWaitForWindowActive(window.get()))
        qWarning("window did not become active");
    return window;
}

inline void Click(QAbstractButton *button) { QTest::mouseClick(button, Qt::LeftButton); }

// Replaces the field's text the way a player pastes: select all, Ctrl+V.
inline void Paste(const QString &text)
{
    QLineEdit *field = Form().Text_Zahl;
    QApplication::clipboard()->setText(text);
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(field, Qt::Key_Delete);
    else
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
}

// Types any characters, as a keyboard or an input method delivers them.
inline void Type_Characters(const QString &text)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
    QApplication::sendEvent(Form().Text_Zahl, &press);
}

inline void Type_Over(const QString &text)
{
    Paste(QString());
    QTest::keyClicks(Form().Text_Zahl, text);
}

struct Boxes_Seen {
    int Count = 0;
    QString Title, Text;
    QMessageBox::Icon Icon = QMessageBox::NoIcon;
};

// Runs `action`, closing with OK every modal box it opens and noting the last.
template <typename Action> Boxes_Seen Closing_Boxes(Action action)
{
    Boxes_Seen seen;
    QTimer watcher;
    watcher.setInterval(0);
    QObject::connect(&watcher, &QTimer::timeout, [&seen] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        seen = {seen.Count + 1, box->windowTitle(), box->text(), box->icon()};
        QCOMPARE(box->buttons().size(), 1);
        box->button(QMessageBox::Ok)->click();
    });
    watcher.start();
    action();
    return seen;
}

// Presses Button_Action with `text` in the field; says what box it opened.
inline Boxes_Seen Press_With(const QString &text)
{
    Type_Over(text);
    return Closing_Boxes([] { Click(Form().Button_Action); });
}
