// The pseudo-random generator behind the secret number.
#pragma once

// Reseeds from the clock in nanoseconds mixed with the system's entropy
// source; from the clock alone where the system has none.
void Seed_From_Clock();

// Uniform in [0, 1), with all 53 bits of a double's mantissa.
double Next_Fraction();
