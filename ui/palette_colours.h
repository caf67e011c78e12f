// The colours that follow the desktop's palette: the message in blue and the
// range in red, or the nearest shades of them that read on the surface, and
// the number field's background; on Windows also the style, the option
// buttons' base and the buttons' disabled captions, which Windows' dark app
// mode needs.
#pragma once

class QWidget;

// The number field's background: the desktop's colour for an input field
// while it takes input, and the surface of the window and its buttons while
// it does not.
enum class Field_Colour { Input_Background, Button_Face };

void Set_Label_Colours();

void Set_Text_Zahl_Colour(Field_Colour colour);

// Sets the style for the palette now, and the style and the labels' and the
// number field's colours again whenever the desktop's palette changes, for as
// long as `window` lives.
void Follow_Palette_Changes(QWidget *window);
