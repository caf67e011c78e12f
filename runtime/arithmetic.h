// Checked arithmetic: a result that does not fit raises an error instead of
// wrapping or becoming a number nobody asked for.
#pragma once

#include <cstdint>
#include <stdexcept>

// Thrown for signed 32-bit overflow.
using Overflow_Error = std::overflow_error;
// Thrown for an invalid operation, a division by zero or an overflow in double.
using Floating_Point_Error = std::domain_error;

int32_t Checked_Add(int32_t a, int32_t b);
int32_t Checked_Subtract(int32_t a, int32_t b);
double Checked_Double(double value);
// The largest integer not above `value`.
int32_t Floor_To_Integer(double value);
