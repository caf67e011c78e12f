// Feeds arbitrary 16-bit text to the acceptance rule of every mode and
// compares the button's verdict with the tests' plain reference. Input: one
// byte for the mode, four for the maximum, then UTF-16 code units.
#include "game/brivola_code.h"
#include "reference.h"
#include "ui/brivola_form.h"

#include <QApplication>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QApplication(*argc, *argv);
    Create_Brivola().release(); // lives as long as the fuzzer
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 5)
        return 0;
    const auto mode = Field_Mode(data[0] % 3);
    uint32_t raw;
    std::memcpy(&raw, data + 1, 4);
    const int32_t maximum = int32_t(raw % uint32_t(INT32_MAX)) + 1;
    QString text(qsizetype((size - 5) / 2), Qt::Uninitialized);
    std::memcpy(text.data(), data + 5, size_t(text.size()) * 2);

    Game_State.Game_Running = To_Flag(mode == Field_Mode::Running);
    Game_State.Changing_Max = To_Flag(mode == Field_Mode::Changing);
    Game_State.Max_Value = maximum;
    Form().Text_Zahl->setText(text);
    Update_Action_Button();
    if (Form().Button_Action->isEnabled() != Reference_Accepts(text, mode, maximum))
        std::abort();
    return 0;
}
