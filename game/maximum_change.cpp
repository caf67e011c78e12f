// Replacing the upper end of the drawing range between games.
#include "brivola_code.h"

#include "runtime/text_services.h"
#include "ui/brivola_form.h"
#include "ui/captions.h"
#include "ui/speech.h"

namespace {

void Apply_New_Maximum()
{
    if (!Validate_Input())
        return;
    Game_State.Max_Value = *Text_To_Integer(Form().Text_Zahl->text());
    Game_State.Changing_Max = Flag_False;
    Game_State.Range_High = Game_State.Max_Value;
    Form().Text_Zahl->setText(QString());
}

} // namespace

void Change_Pressed()
{
    // The flag changes before the field is emptied, so a change event the
    // emptying may raise already sees the new mode.
    if (!Game_State.Changing_Max) {
        Game_State.Changing_Max = Flag_True;
        Form().Text_Zahl->setText(QString());
        Set_Text_Zahl_Taking_Input(true);
    } else {
        Game_State.Changing_Max = Flag_False;
        Form().Text_Zahl->setText(QString());
        Set_Text_Zahl_Taking_Input(false);
    }
    Refresh_Captions();
    Update_Action_Button();
}

void Confirm_New_Maximum()
{
    Set_Text_Zahl_Taking_Input(true);
    Apply_New_Maximum();
    // Still changing: the text was refused and the error box has said so.
    // Leave the field as it is, so the player can correct it or abort,
    // rather than announcing a new maximum that was never set.
    if (Game_State.Changing_Max)
        return;
    Game_State.Message_Kind = Message_New_Maximum;
    Show_Message();
    Refresh_Captions();
    Set_Text_Zahl_Taking_Input(false);
    Update_Action_Button();
    Form().Label_Notice->setText(QString());
    Speak_Message();
}
