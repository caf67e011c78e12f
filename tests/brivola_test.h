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
    std::unique_ptr<QWidget> window = Create_Brivola();
    window->activateWindow(); // as a window manager does
    if (!QTest::qWaitForWindowActive(window.get()))
        qWarning("the window did not become active");
    return window;
}

inline void Click(QAbstractButton *button) { QTest::mouseClick(button, Qt::LeftButton); }

// Replaces the field's text the way a player does: into the field, select all, paste.
inline void Paste(const QString &text)
{
    QApplication::clipboard()->setText(text);
    Form().Text_Zahl->setFocus();
    QTest::keyClick(Form().Text_Zahl, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(Form().Text_Zahl, Qt::Key_V, Qt::ControlModifier);
}

// Runs `action`, closing the box it opens, and says what it showed; "placed" when it stands over the game's
// window, wide enough for its title in a title bar.
template <typename Action> QStringList Boxes(Action action)
{
    QStringList seen;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&seen] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        const int title = box->fontMetrics().horizontalAdvance(box->windowTitle());
        const bool placed =
            box->parentWidget() == Form().Button_Action->window() && title * 6 / 5 + 100 <= box->width();
        const char *icon = box->icon() == QMessageBox::Critical ? "error icon" : "information icon";
        seen << QString("box \"%1\": %2 (%3%4)")
                    .arg(box->windowTitle(), box->text(), icon, placed ? ", placed" : ", misplaced");
        box->done(0);
    });
    watcher.start(0);
    action();
    // As a window manager does when a box closes, the game's window takes the focus back.
    QWidget *window = Form().Button_Action->window();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        qWarning("the window did not become active again");
    return seen;
}
