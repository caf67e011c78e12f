// The window's six events. Each handler runs exactly one procedure.
#pragma once

// Raised once, after the controls are made and before the window shows.
void Form_Load();

// Wires the other five to the controls of the window.
void Connect_Events();
