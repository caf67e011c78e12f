// What only the tests ask of the generator behind the secret number; the
// game itself never includes this.
#pragma once

#include "random_services.h"

#include <cstdint>
#include <optional>

// Makes every later Seed_From_Clock use this seed, or the clock again when
// empty: a reproducible draw.
void Fix_Seed_For_Testing(std::optional<uint64_t> seed);
