#include "speech.h"

#include "brivola_form.h"
#include "game/game_state.h"

#include <QAccessibleWidget>
#include <QPointer>

namespace {

QPointer<QWidget> Carrier;

// Screen readers ignore a changed text on a control that has no focus, but
// speak a notification each time it is shown. Without the frame role they
// find no title to read.
QAccessibleInterface *Speaking_Roles(const QString &, QObject *object)
{
    if (!Carrier)
        return nullptr;
    if (object == Carrier)
        return new QAccessibleWidget(Carrier, QAccessible::Notification);
    if (object == Carrier->window())
        return new QAccessibleWidget(Carrier->window(), QAccessible::Window);
    return nullptr;
}

} // namespace

void Create_Speech_Carrier(QWidget *window)
{
    // One pixel of a plain widget: it draws nothing, takes no focus, and hands
    // clicks on to the window. Hidden until the first message.
    Carrier = new QWidget(window);
    Carrier->setObjectName(QStringLiteral("Speech_Carrier"));
    Carrier->setGeometry(0, 0, 1, 1);
    Carrier->hide();
    QAccessible::installFactory(Speaking_Roles);
}

void Speak_Message()
{
    Ui::Brivola &form = Form();
    QString speech = form.Label_Meldung->text();
    if (Game_State.Game_Running)
        speech +=
            QStringLiteral(" %1. %2").arg(form.Label_Notice->text(), form.Label_Anzahl_Versuche->text());
    if (speech.isEmpty())
        return;
#if defined(Q_OS_WIN)
    // Windows' screen readers speak only what is handed to them as an
    // announcement, which Qt has from 6.8 on, the least a Windows build takes.
    QAccessibleAnnouncementEvent announcement(Carrier->window(), speech);
    QAccessible::updateAccessibility(&announcement);
#else
    Carrier->hide();
    Carrier->setAccessibleName(speech);
    Carrier->show();
#endif
}
