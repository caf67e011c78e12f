#include "events.h"

#include "brivola_form.h"
#include "captions.h"
#include "game/brivola_code.h"

void Form_Load() { Init_Game(); }

namespace {

void Button_Action_Click() { Action_Pressed(); }
void Button_Change_Click() { Change_Pressed(); }
void Option_English_Click() { Select_English(); }
void Option_Deutsch_Click() { Select_German(); }
void Text_Zahl_Change() { Update_Action_Button(); }

} // namespace

void Connect_Events()
{
    Ui::Brivola &form = Form();
    // clicked comes from the mouse, the space bar and the arrow keys of the
    // option group, never from the program's own setChecked.
    QObject::connect(form.Button_Action, &QPushButton::clicked, form.Button_Action, &Button_Action_Click);
    QObject::connect(form.Button_Change, &QPushButton::clicked, form.Button_Change, &Button_Change_Click);
    QObject::connect(form.Option_English, &QRadioButton::clicked, form.Option_English, &Option_English_Click);
    QObject::connect(form.Option_Deutsch, &QRadioButton::clicked, form.Option_Deutsch, &Option_Deutsch_Click);
    // textEdited follows every change the player makes, typed or pasted.
    QObject::connect(form.Text_Zahl, &QLineEdit::textEdited, form.Text_Zahl, &Text_Zahl_Change);
}
