// The one window of the game, built from brivola.ui, and the few operations
// the game performs on its controls beyond plain setText and setEnabled.
#pragma once

#include "ui_brivola.h"

#include <memory>

// The controls of the window that Create_Brivola made last; all null once
// that window is destroyed.
Ui::Brivola &Form();

// Builds the window, wires its six events, raises Form_Load and shows the
// window; closing it ends the game.
std::unique_ptr<QWidget> Create_Brivola();

// The field looks like an input field exactly while it takes input: its
// colour changes first, then its enabled state, always together. An opened
// field takes the focus.
void Set_Text_Zahl_Taking_Input(bool taking_input);

// Buttons and frame titles draw in the application's direction: in a
// right-to-left layout (-reverse) "1 - 100" would read "100 - 1" and
// "Language:" ":Language". Both languages read left to right, and this
// invisible mark beside a caption keeps it so.
constexpr QChar Left_To_Right_Mark(0x200E);

// Push buttons do not wrap their text: the caption is broken at blanks to
// the button's width, while screen readers get it whole.
void Set_Button_Caption(QPushButton *button, const QString &caption);
