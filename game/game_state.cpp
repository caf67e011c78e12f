#include "game_state.h"

#include "ui/brivola_form.h"
#include "ui/captions.h"

Game_State_Record Game_State;

void Init_Game()
{
    // Everything not named here starts at zero: no game, no tries, no message.
    Game_State = {};
    Game_State.Language = Language_English;
    Game_State.Min_Value = 1;
    Game_State.Range_Low = 1;
    Game_State.Max_Value = 100;
    Game_State.Range_High = 100;

    Form().Option_English->setChecked(true);
    // No number can be typed before a game or a change of the maximum begins.
    Set_Text_Zahl_Taking_Input(false);
    Refresh_Captions();
}

void Reset_After_Win()
{
    Game_State.Game_Running = Flag_False;
    Game_State.Tries = 0;
    Game_State.Secret_Number = 0;
    Game_State.Message_Kind = Message_None;
    Game_State.Range_High = Game_State.Max_Value;
    Game_State.Range_Low = Game_State.Min_Value;
}
