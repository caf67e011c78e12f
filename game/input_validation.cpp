// Whether the number field holds an acceptable guess or new maximum.
#include "brivola_code.h"

#include "runtime/message_box.h"
#include "runtime/text_services.h"
#include "ui/brivola_form.h"

namespace {

QString Field_Text() { return Form().Text_Zahl->text(); }

Flag Is_Numeric_Text() { return To_Flag(Is_Numeric(Field_Text())); }

Flag Length_Ok()
{
    QString text = Field_Text();
    int32_t length = Text_Length(text);
    if (length < 1 || length > 10)
        return Flag_False;
    if (length == 10) {
        // Ten digits can only fit 32 bits when they begin with 00 to 21. No
        // sign reaches this far, so the two read as a whole number as a byte would.
        std::optional<int32_t> lead = Text_To_Integer(Left_Part(text, 2));
        return To_Flag(lead && *lead <= 21);
    }
    return Flag_True;
}

Flag Is_Whole_Number()
{
    if (!Is_Numeric_Text())
        return Flag_False;
    QString text = Field_Text();
    double value = Text_To_Double(text);
    if (value != Integer_Part(value))
        return Flag_False;
    for (const char *mark : {".", ",", "-", "+"})
        if (Find(1, text, QString::fromLatin1(mark)) > 0)
            return Flag_False;
    if (!Length_Ok())
        return Flag_False;
    // 2147483648 to 2199999999 pass the length rule but fit no 32-bit number.
    return To_Flag(Text_To_Integer(text).has_value());
}

Flag Guess_In_Range()
{
    if (!Is_Whole_Number())
        return Flag_False;
    int32_t value = *Text_To_Integer(Field_Text());
    return To_Flag(Game_State.Min_Value <= value && value <= Game_State.Max_Value);
}

// A maximum below the lowest number drawn would start a game that no guess
// can win and that, with Button_Change disabled, cannot be left.
Flag Is_Possible_Maximum()
{
    if (!Is_Whole_Number())
        return Flag_False;
    return To_Flag(*Text_To_Integer(Field_Text()) >= Game_State.Min_Value);
}

Flag Input_Valid()
{
    if (Game_State.Game_Running)
        return Guess_In_Range();
    if (Game_State.Changing_Max)
        return Is_Possible_Maximum();
    return Flag_True; // "Start New Game" needs no input
}

} // namespace

Flag Validate_Input()
{
    Flag valid = Input_Valid();
    if (!valid) {
        if (Game_State.Language == Language_English)
            Message_Box(QStringLiteral("Only integer numbers are valid!"), Box_Style::Error,
                        QStringLiteral("Error"));
        // GCOVR_EXCL_BR_START: no player can choose a third language
        else if (Game_State.Language == Language_German)
            Message_Box(QStringLiteral("Nur ganze Zahlen sind gültig!"), Box_Style::Error,
                        QStringLiteral("Fehler"));
        // GCOVR_EXCL_BR_STOP
    }
    return valid;
}

void Update_Action_Button() { Form().Button_Action->setEnabled(Input_Valid()); }
