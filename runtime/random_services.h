// The pseudo-random generator behind the secret number.
#pragma once

#include <cstdint>
#include <optional>

// Reseeds from the system's entropy source mixed with the clock, so two
// games started within the same second still draw differently.
void Seed_From_Clock();

// Uniform in [0, 1), with all 53 bits of a double's mantissa.
double Next_Fraction();

// Makes every later Seed_From_Clock use this seed, or the clock again when
// empty. Only tests call it: a reproducible draw.
void Fix_Seed_For_Testing(std::optional<uint64_t> seed);
