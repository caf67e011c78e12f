// The colours that follow the desktop's palette: the message in blue and the
// range in red, or the nearest shades of them that read on the surface, and
// the number field's background, the option buttons' base and the buttons'
// disabled captions; on Windows also the style, which must draw a dark
// palette where Windows is in dark app mode.
#pragma once

#include <cstdint>

class QWidget;

// The desktop's colours for an input field's background and for the surface
// of the window, its buttons and labels: the two the number field takes.
enum class System_Colour : uint32_t { Window_Background = 0x80000005, Button_Face = 0x8000000F };

void Set_Label_Colours();

void Set_Text_Zahl_Colour(System_Colour colour);

// Sets the style for the palette now, and the style and the labels' and the
// number field's colours again whenever the desktop's palette changes, for as
// long as `window` lives.
void Follow_Palette_Changes(QWidget *window);
