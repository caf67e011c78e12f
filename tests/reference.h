// The rules of the number field, stated as plainly as possible and apart from
// the game's own code, for the soak and the fuzzer to judge the game by.
#pragma once

#include <QString>
#include <cstdint>

enum class Field_Mode { Idle, Running, Changing };

// The value of blanks, ASCII digits, blanks; -1 for any other text, and for
// more than eighteen digits.
inline int64_t Reference_Value(const QString &text)
{
    int first = 0, last = int(text.size());
    while (first < last && text[first] == u' ')
        ++first;
    while (last > first && text[last - 1] == u' ')
        --last;
    if (first == last || last - first > 18)
        return -1;
    int64_t value = 0;
    for (int i = first; i < last; ++i) {
        if (text[i] < u'0' || text[i] > u'9')
            return -1;
        value = value * 10 + (text[i].unicode() - u'0');
    }
    return value;
}

// Whether "Guess" or "OK" takes the text: one to ten characters, ten only when
// the first two read 0 to 21, a whole number from 1 that fits 32 bits, and a
// guess no larger than the maximum. Idle, "Start New Game" needs no input.
inline bool Reference_Accepts(const QString &text, Field_Mode mode, int32_t maximum)
{
    if (mode == Field_Mode::Idle)
        return true;
    if (text.isEmpty() || text.size() > 10)
        return false;
    const int64_t lead = Reference_Value(text.left(2));
    if (text.size() == 10 && (lead < 0 || lead > 21))
        return false;
    const int64_t value = Reference_Value(text);
    return value >= 1 && value <= INT32_MAX && (mode == Field_Mode::Changing || value <= maximum);
}
