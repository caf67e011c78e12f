#include "arithmetic.h"

#include <cmath>

int32_t Checked_Add(int32_t a, int32_t b)
{
    int32_t sum;
    if (__builtin_add_overflow(a, b, &sum))
        throw Overflow_Error("Overflow");
    return sum;
}

int32_t Checked_Subtract(int32_t a, int32_t b)
{
    int32_t difference;
    if (__builtin_sub_overflow(a, b, &difference))
        throw Overflow_Error("Overflow");
    return difference;
}

double Checked_Double(double value)
{
    if (!std::isfinite(value))
        throw Floating_Point_Error("Floating-point error");
    return value;
}

int32_t Floor_To_Integer(double value)
{
    double floor = std::floor(value);
    if (!(floor >= INT32_MIN && floor <= INT32_MAX))
        throw Overflow_Error("Overflow");
    return static_cast<int32_t>(floor);
}
