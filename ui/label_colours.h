// The two coloured labels: the message in blue and the range in red, in
// lighter shades of the same hues where the desktop's surface is dark.
#pragma once

class QWidget;

void Set_Label_Colours();

// Sets the labels' and the number field's colours again whenever the desktop's palette changes, for as long
// as `window` lives.
void Follow_Palette_Changes(QWidget *window);
