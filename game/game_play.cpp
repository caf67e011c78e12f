// Starting a game, drawing the secret, judging guesses and winning.
#include "brivola_code.h"

#include "runtime/arithmetic.h"
#include "runtime/message_box.h"
#include "runtime/random_services.h"
#include "runtime/text_services.h"
#include "ui/brivola_form.h"
#include "ui/captions.h"
#include "ui/speech.h"

namespace {

// The count stops at its largest value: one more would overflow, which C++
// leaves undefined.
void Count_Try()
{
    // GCOVR_EXCL_BR_START: no player makes two billion wrong guesses
    if (Game_State.Tries < INT32_MAX)
        ++Game_State.Tries;
    // GCOVR_EXCL_BR_STOP
}

int32_t Random_In_Range(const int32_t &low, const int32_t &high)
{
    int32_t lowest = low;
    double fraction = Next_Fraction();
    int32_t count = Checked_Add(Checked_Subtract(high, lowest), 1);
    return Floor_To_Integer(Checked_Double(fraction * count + lowest));
}

void Draw_Secret()
{
    Seed_From_Clock();
    Game_State.Secret_Number = Random_In_Range(Game_State.Min_Value, Game_State.Max_Value);
}

void Narrow_Range(int32_t guess)
{
    if (guess >= Game_State.Range_Low && guess < Game_State.Secret_Number)
        Game_State.Range_Low = guess + 1;
    if (guess <= Game_State.Range_High && guess > Game_State.Secret_Number)
        Game_State.Range_High = guess - 1;
    Form().Label_Notice->setText(Range_Text(Game_State.Range_Low, Game_State.Range_High));
}

void Start_Game()
{
    Set_Text_Zahl_Taking_Input(true);
    Draw_Secret();
    Game_State.Game_Running = Flag_True;
    Game_State.Message_Kind = Message_New_Game;
    Show_Message();
    Refresh_Captions();
    Update_Action_Button();
    Form().Label_Notice->setText(Range_Text(Game_State.Min_Value, Game_State.Max_Value));
    Speak_Message();
}

void Win_Game()
{
    if (Game_State.Language == Language_English)
        Message_Box(QStringLiteral("Right!"), Box_Style::Information, QStringLiteral("Right!"));
    // GCOVR_EXCL_BR_START: no player can choose a third language
    else if (Game_State.Language == Language_German)
        Message_Box(QStringLiteral("Richtig!"), Box_Style::Information, QStringLiteral("Richtig!"));
    // GCOVR_EXCL_BR_STOP
    Reset_After_Win();
    Form().Label_Meldung->setText(QString());
    Form().Text_Zahl->setText(QString());
    Form().Label_Notice->setText(QString());
    Set_Text_Zahl_Taking_Input(false);
    Refresh_Captions();
}

void Evaluate_Guess()
{
    if (!Validate_Input()) {
        Refresh_Captions();
        return;
    }
    int32_t guess = *Text_To_Integer(Form().Text_Zahl->text());
    if (guess == Game_State.Secret_Number) {
        Win_Game();
        return;
    }
    if (guess < Game_State.Secret_Number) {
        Game_State.Message_Kind = Message_Larger;
        Show_Message();
        Count_Try();
    }
    if (guess > Game_State.Secret_Number) {
        Game_State.Message_Kind = Message_Smaller;
        Show_Message();
        Count_Try();
    }
    Narrow_Range(guess);
    Refresh_Captions();
    Speak_Message();
}

} // namespace

void Action_Pressed()
{
    if (Game_State.Game_Running)
        Evaluate_Guess();
    else if (Game_State.Changing_Max)
        Confirm_New_Maximum();
    else
        Start_Game();
}
