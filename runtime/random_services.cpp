#include "random_services.h"

#include <chrono>
#include <random>

namespace {
std::mt19937_64 Generator;
std::optional<uint64_t> Fixed_Seed;
} // namespace

void Seed_From_Clock()
{
    if (Fixed_Seed) {
        Generator.seed(*Fixed_Seed);
        return;
    }
    std::random_device entropy;
    auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::seed_seq seed{entropy(), entropy(), static_cast<unsigned>(now),
                       static_cast<unsigned>(static_cast<uint64_t>(now) >> 32)};
    Generator.seed(seed);
}

double Next_Fraction() { return static_cast<double>(Generator() >> 11) * 0x1.0p-53; }

void Fix_Seed_For_Testing(std::optional<uint64_t> seed) { Fixed_Seed = seed; }
