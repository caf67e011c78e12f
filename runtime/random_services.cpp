#include "random_testing.h"

#include <chrono>
#include <random>

namespace {
std::mt19937_64 Generator;
std::optional<uint64_t> Fixed_Seed;

// Some sandboxes and containers have no entropy source: std::random_device
// then throws, and the clock alone has to do. No machine here lacks one.
std::optional<uint64_t> Entropy()
{
    try {
        std::random_device device;
        return (uint64_t{device()} << 32) | device();
    } catch (const std::exception &) {
        return std::nullopt; // GCOVR_EXCL_LINE
    }
}

} // namespace

void Seed_From_Clock()
{
    if (Fixed_Seed) {
        Generator.seed(*Fixed_Seed);
        return;
    }
    // Nanoseconds keep two games apart; the entropy, where there is any, makes
    // the number unpredictable too.
    auto now = static_cast<uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
    Generator.seed(now ^ Entropy().value_or(0));
}

double Next_Fraction() { return static_cast<double>(Generator() >> 11) * 0x1.0p-53; }

void Fix_Seed_For_Testing(std::optional<uint64_t> seed) { Fixed_Seed = seed; }
