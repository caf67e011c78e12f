// The one window of the game, built from brivola.ui, and the few operations
// the game performs on its controls beyond plain setText and setEnabled.
#pragma once

#include "ui_brivola.h"

#include <QFontMetrics>
#include <cstdint>
#include <memory>

// The controls of the window that Create_Brivola made last.
Ui::Brivola &Form();

// Builds the window, wires its six events and raises Form_Load. The caller
// shows it; closing it ends the game.
std::unique_ptr<QWidget> Create_Brivola();

// Colours as 0x00BBGGRR, or 0x800000nn for the desktop's colour number nn.
constexpr uint32_t Colour_Window_Background = 0x80000005;
constexpr uint32_t Colour_Button_Face = 0x8000000F;
QColor Platform_Colour(uint32_t colour);

// The field looks like an input field exactly while it takes input: the
// colour changes first, then the enabled state, always together. An opened
// field takes the focus.
void Set_Text_Zahl_Taking_Input(bool taking_input);

// Push buttons do not wrap their text: the caption is broken at blanks to
// the button's width, while screen readers get it whole.
void Set_Button_Caption(QPushButton *button, const QString &caption);
QString Wrap_Caption(const QString &caption, const QFontMetrics &metrics, int width);
int Caption_Width(const QPushButton *button);
