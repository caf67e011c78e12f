// An independent statement of which texts the number field accepts, written
// as plainly as possible, for the soak and the fuzzer to compare against.
#pragma once

#include <QString>
#include <cstdint>

enum class Field_Mode { Idle, Running, Changing };

// The exact value of a text of blanks, digits and blanks; -1 for any other
// text, and for a value with more than eighteen digits.
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

inline bool Reference_Accepts(const QString &text, Field_Mode mode, int32_t maximum)
{
    if (mode == Field_Mode::Idle)
        return true;
    if (text.size() < 1 || text.size() > 10)
        return false;
    if (text.size() == 10) { // its first two characters must read 0 to 21
        int64_t lead = Reference_Value(text.left(2));
        if (lead < 0 || lead > 21)
            return false;
    }
    int64_t value = Reference_Value(text);
    if (value < 1 || value > INT32_MAX)
        return false;
    return mode == Field_Mode::Changing || value <= maximum;
}
