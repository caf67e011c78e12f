// The one record of the game, alive for the whole run. Flags hold 0 or -1,
// every other field is a signed 32-bit integer, in this order.
#pragma once

#include <cstdint>

using Flag = int16_t;
constexpr Flag Flag_False = 0;
constexpr Flag Flag_True = -1;
constexpr Flag To_Flag(bool value) { return value ? Flag_True : Flag_False; }

constexpr int32_t Language_English = 1;
constexpr int32_t Language_German = 2;

// What Label_Meldung says.
constexpr int32_t Message_None = 0;
constexpr int32_t Message_New_Game = 1;
constexpr int32_t Message_Smaller = 2;
constexpr int32_t Message_Larger = 3;
constexpr int32_t Message_New_Maximum = 4;

struct Game_State_Record {
    Flag Game_Running;
    int32_t Tries;         // wrong guesses in the current game
    int32_t Secret_Number; // 0 while no game runs
    int32_t Language;
    int32_t Min_Value;
    int32_t Max_Value;
    Flag Changing_Max;
    int32_t Message_Kind;
    int32_t Range_Low; // what the hints still leave possible
    int32_t Range_High;
};

extern Game_State_Record Game_State;

void Init_Game();
void Reset_After_Win();
