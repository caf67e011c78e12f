// The game's procedures. Each works on Game_State and on the controls of
// the one window; the window's events call them.
#pragma once

#include "game_state.h"

// Acceptance of the number field's text, each reading the field itself.
Flag Is_Numeric_Text();
Flag Length_Ok();
Flag Is_Whole_Number();
Flag Guess_In_Range();
Flag Input_Valid();
Flag Validate_Input();
void Update_Action_Button();

// Game play.
void Action_Pressed();
void Draw_Secret();
int32_t Random_In_Range(const int32_t &low, const int32_t &high);
void Evaluate_Guess();
void Narrow_Range(int32_t guess);

// Changing the maximum between games.
void Change_Pressed();
void Confirm_New_Maximum();
void Apply_New_Maximum();
