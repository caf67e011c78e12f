#include "captions.h"

#include "brivola_form.h"
#include "game/game_state.h"
#include "runtime/text_services.h"
#include "speech.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QStringView>
#include <QTranslator>
#include <limits>

namespace {

enum Mode { Idle, Running, Changing };

// Markers for the cells that are not fixed texts: the drawing range, shown
// in its place, and no text at all.
constexpr QStringView Shows_Range = u"(the drawing range)";
constexpr QStringView Stays_Empty{};

struct Mode_Captions {
    QStringView Action;
    QStringView Change;
    QStringView Tries; // followed by the count
    QStringView Frame;
    QStringView Description;
    QStringView Accepts; // what the field takes, for screen readers; %2 is the largest
};

constexpr QStringView Accepts_English = u"A whole number from %1 to %2";
constexpr QStringView Accepts_German = u"Eine ganze Zahl von %1 bis %2";

// [mode][language - 1]
// clang-format off
constexpr Mode_Captions Captions[3][2] = {
    {{u"Start New Game",      u"Change maximum value", u"Number of needed tries: ",     u"Language:", u"Enter a number:",          Stays_Empty},
     {u"Neues Spiel starten", u"Maximalwert ändern",   u"Anzahl benötigter Versuche: ", u"Sprache:",  u"Geben Sie eine Zahl ein:", Stays_Empty}},
    {{u"Guess",               Shows_Range,             u"Number of needed tries: ",     u"Language:", u"Enter a number:",          Accepts_English},
     {u"Raten",               Shows_Range,             u"Anzahl benötigter Versuche: ", u"Sprache:",  u"Geben Sie eine Zahl ein:", Accepts_German}},
    {{u"OK",                  u"Abort",                Stays_Empty,                     u"Language:", u"New maximum value:",       Accepts_English},
     {u"OK",                  u"Abbrechen",            Stays_Empty,                     u"Sprache:",  u"neuer Maximalwert:",       Accepts_German}},
};
// clang-format on

// [kind][language - 1]; the new maximum's message goes on with the number and ".".
constexpr QStringView Messages[5][2] = {
    {u"", u""},
    {u"New game started.", u"Neues Spiel gestartet."},
    {u"The searched number is smaller.", u"Die gesuchte Zahl ist kleiner."},
    {u"The searched number is larger.", u"Die gesuchte Zahl ist größer."},
    {u"New maximal value is ", u"Neuer Maximalwert ist "},
};

bool Language_Known()
{
    return Game_State.Language == Language_English || Game_State.Language == Language_German;
}

Mode Current_Mode()
{
    if (Game_State.Game_Running)
        return Running;
    return Game_State.Changing_Max ? Changing : Idle;
}

// Qt's own texts, such as the number field's context menu, follow the game's
// language, from the translations Qt ships. Read from disk once, when German
// is first chosen, and again only at a later choice if they were missing.
void Use_Qt_Texts_In(int32_t language)
{
    static QTranslator german;
    QCoreApplication::removeTranslator(&german);
    if (language == Language_German
        && (!german.isEmpty()
            || german.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath))))
        QCoreApplication::installTranslator(&german);
}

} // namespace

QString Range_Text(int32_t low, int32_t high)
{
    return Concat(Concat(Integer_To_Text(low), QStringLiteral(" - ")), Integer_To_Text(high));
}

void Refresh_Captions()
{
    Ui::Brivola &form = Form();
    form.Button_Change->setEnabled(!Game_State.Game_Running);
    if (!Language_Known())
        return;
    const Mode_Captions &captions = Captions[Current_Mode()][Game_State.Language - 1];

    Set_Button_Caption(form.Button_Action, captions.Action.toString());
    Set_Button_Caption(form.Button_Change, captions.Change == Shows_Range
                                               ? Range_Text(Game_State.Min_Value, Game_State.Max_Value)
                                               : captions.Change.toString());
    form.Label_Anzahl_Versuche->setText(
        captions.Tries.isNull() ? QString()
                                : Concat(captions.Tries.toString(), Integer_To_Text(Game_State.Tries)));
    // The mark after the colon keeps it after the word; screen readers get the title without it.
    form.Frame_Sprache->setTitle(captions.Frame.toString() + Left_To_Right_Mark);
    form.Frame_Sprache->setAccessibleName(captions.Frame.toString());
    form.Label_Beschreibungstext->setText(captions.Description.toString());
    // A new maximum may be any whole number that fits 32 bits.
    const int32_t largest =
        Game_State.Game_Running ? Game_State.Max_Value : std::numeric_limits<int32_t>::max();
    form.Text_Zahl->setAccessibleDescription(
        captions.Accepts.isNull() ? QString()
                                  : captions.Accepts.toString().arg(Game_State.Min_Value).arg(largest));
}

void Show_Message()
{
    if (!Language_Known())
        return;
    int32_t kind = Game_State.Message_Kind;
    QString message;
    if (kind >= 0 && kind < 5)
        message = Messages[kind][Game_State.Language - 1].toString();
    if (kind == Message_New_Maximum)
        message = Concat(Concat(message, Integer_To_Text(Game_State.Max_Value)), QStringLiteral("."));
    Form().Label_Meldung->setText(message);
}

void Select_English()
{
    Game_State.Language = Language_English;
    Use_Qt_Texts_In(Language_English);
    Show_Message();
    Refresh_Captions();
    Speak_Message();
}

void Select_German()
{
    Game_State.Language = Language_German;
    Use_Qt_Texts_In(Language_German);
    Show_Message();
    Refresh_Captions();
    Speak_Message();
}
