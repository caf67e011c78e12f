// The modal box that answers an action: one OK button, returns when closed.
// The style picks the icon: an error, or else information.
#pragma once

#include <QString>

class QWidget;

enum class Box_Style { Error, Information };

// The game's window, which every box is modal to and centred over, whatever
// window happens to be active when it opens.
void Set_Message_Box_Owner(QWidget *window);

void Message_Box(const QString &prompt, Box_Style style, const QString &title);
