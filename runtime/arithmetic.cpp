#include "arithmetic.h"

#include <cmath>

namespace {

// Any sum or difference of two 32-bit values fits 64 bits exactly; what does
// not fit back into 32 bits, which since C++20 wraps, is the overflow.
int32_t Fitting_32_Bits(int64_t value)
{
    const auto fitted = static_cast<int32_t>(value);
    // GCOVR_EXCL_START: no input overflows: the largest maximum is 2147483647, and a draw counts from 1
    if (fitted != value)
        throw Overflow_Error("Overflow");
    // GCOVR_EXCL_STOP
    return fitted;
}

} // namespace

int32_t Checked_Add(int32_t a, int32_t b) { return Fitting_32_Bits(int64_t{a} + b); }

int32_t Checked_Subtract(int32_t a, int32_t b) { return Fitting_32_Bits(int64_t{a} - b); }

double Checked_Double(double value)
{
    // GCOVR_EXCL_START: a draw is a fraction below 1 times a count that fits 32 bits
    if (!std::isfinite(value))
        throw Floating_Point_Error("Floating-point error");
    // GCOVR_EXCL_STOP
    return value;
}

int32_t Floor_To_Integer(double value)
{
    double floor = std::floor(value);
    // GCOVR_EXCL_START: a draw lies between 1 and the maximum
    if (!(floor >= INT32_MIN && floor <= INT32_MAX))
        throw Overflow_Error("Overflow");
    // GCOVR_EXCL_STOP
    return static_cast<int32_t>(floor);
}
