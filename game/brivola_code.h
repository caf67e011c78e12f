// The game's procedures that the window's events and the other game files
// call. Each works on Game_State and on the controls of the one window.
#pragma once

#include "game_state.h"

// Acceptance of the number field's text: Update_Action_Button as the player
// types, Validate_Input with an error box when an action starts anyway.
Flag Validate_Input();
void Update_Action_Button();

// Game play.
void Action_Pressed();

// Changing the maximum between games.
void Change_Pressed();
void Confirm_New_Maximum();
