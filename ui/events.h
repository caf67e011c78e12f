// The window's six events. Each handler runs exactly one procedure.
#pragma once

void Form_Load();
void Button_Action_Click();
void Button_Change_Click();
void Option_English_Click();
void Option_Deutsch_Click();
void Text_Zahl_Change();

void Connect_Events();
