// What the window tests share: a fresh game window, the player's hands, and a watcher of boxes.
#pragma once

#include "game/brivola_code.h"
#include "ui/brivola_form.h"

#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

inline std::unique_ptr<QWidget> Start_Window()
{
    // The offscreen platform warns of this for every message box; it is not ours.
    static const QtMessageHandler next =
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &where, const QString &message) {
            if (!message.contains(QLatin1String("propagateSizeHints")))
                next(type, where, message);
        });
    Game_State = {};
    std::unique_ptr<QWidget> window = Create_Brivola();
    window->activateWindow(); // as a window manager does
    if (!QTest::qWaitForWindowActive(window.get()))
        qWarning("the window did not become active");
    return window;
}

inline void Click(QAbstractButton *button) { QTest::mouseClick(button, Qt::LeftButton); }

// Replaces the field's text the way a player pastes: select all, Ctrl+V.
inline void Paste(const QString &text)
{
    QApplication::clipboard()->setText(text);
    QTest::keyClick(Form().Text_Zahl, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(Form().Text_Zahl, Qt::Key_V, Qt::ControlModifier);
}

// Runs `action`, closing every modal box it opens, and says what each showed: title, text, the one OK
// button's caption, icon, and "placed" when over the game's window and wide enough for its title in a bar.
template <typename Action> QStringList Boxes(Action action)
{
    QStringList seen;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&seen] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        const bool placed =
            box->parentWidget() == Form().Button_Action->window()
            && box->fontMetrics().horizontalAdvance(box->windowTitle()) * 6 / 5 + 100 <= box->width();
        const bool one_ok = box->buttons().size() == 1 && box->button(QMessageBox::Ok);
        seen << box->windowTitle() << box->text() << (one_ok ? box->buttons()[0]->text() : "other buttons")
             << QString::number(box->icon()) << (placed ? "placed" : "misplaced");
        box->done(0);
    });
    watcher.start(0);
    action();
    if (!seen.isEmpty()) { // the window manager gives the focus back to the game's window
        Form().Button_Action->window()->activateWindow();
        if (!QTest::qWaitForWindowActive(Form().Button_Action->window()))
            qWarning("the window did not become active again");
    }
    return seen;
}
