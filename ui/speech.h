// What a screen reader says of the game beyond the control in focus: each new
// message, spoken once as it appears.
#pragma once

class QWidget;

// Gives `window` an invisible carrier for the messages, and tells screen
// readers that the window is a frame with a title; before anything else
// is made in the window.
void Create_Speech_Carrier(QWidget *window);

// Speaks the message the window shows now, and while a game runs the range
// still possible and the count of tries with it.
void Speak_Message();
