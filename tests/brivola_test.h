// What the window tests share: a fresh game window, the player's hands, and
// a watcher that reads and closes the modal boxes an action opens.
#pragma once

#include "game/brivola_code.h"
#include "ui/brivola_form.h"

#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

// The window as the game starts it: fresh state, shown, active.
inline std::unique_ptr<QWidget> Start_Window()
{
    // The offscreen platform warns of this for every message box; it is not ours.
    static const QtMessageHandler next =
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &context, const QString &message) {
            if (!message.contains(QLatin1String("propagateSizeHints")))
                next(type, context, message);
        });
    Game_State = {};
    std::unique_ptr<QWidget> window = Create_Brivola();
    window->show();
    window->activateWindow();
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
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, text.isEmpty() ? Qt::Key_Delete : Qt::Key_V,
                    text.isEmpty() ? Qt::NoModifier : Qt::ControlModifier);
}

struct Boxes_Seen {
    int Count = 0;
    QString Title, Text, Buttons; // the buttons' captions, joined by '|'
    QMessageBox::Icon Icon = QMessageBox::NoIcon;
    QWidget *Parent = nullptr;
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
        QStringList buttons;
        for (QAbstractButton *button : box->buttons())
            buttons << button->text();
        seen = {seen.Count + 1,     box->windowTitle(), box->text(),
                buttons.join(u'|'), box->icon(),        box->parentWidget()};
        box->done(0);
    });
    watcher.start();
    action();
    return seen;
}
