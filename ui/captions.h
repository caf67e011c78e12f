// Every text of the window that depends on the mode or the language.
#pragma once

#include <QString>
#include <cstdint>

void Refresh_Captions();
void Show_Message();
void Select_English();
void Select_German();

// "1 - 100": the lower number, blank, hyphen, blank, the upper number.
QString Range_Text(int32_t low, int32_t high);
