// The modal box that answers an action: one OK button, returns when closed.
// The style picks the icon: an error, or else information.
#pragma once

#include <QString>

constexpr int Box_Style_Error = 16;
constexpr int Box_Style_Information = 64;

void Message_Box(const QString &prompt, int style, const QString &title);
