// The pseudo-random generator behind the secret number.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

// Reseeds from the clock in nanoseconds mixed with the system's entropy
// source; from the clock alone where the system has none.
void Seed_From_Clock();

// Uniform in [0, 1), with all 53 bits of a double's mantissa.
double Next_Fraction();

// Makes every later Seed_From_Clock use this seed, or the clock again when
// empty. Only tests call it: a reproducible draw.
void Fix_Seed_For_Testing(std::optional<uint64_t> seed);

// Makes Seed_From_Clock ask std::random_device for this source ("default"
// normally). Only tests call it: an unknown name stands for a system that
// has no entropy source.
void Use_Entropy_Source_For_Testing(const std::string &token);
