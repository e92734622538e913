#include "formula/Zufallszahl.h"

#include <random>

namespace {
std::mt19937_64& Generator() {
    static std::mt19937_64 generator;
    return generator;
}
} // namespace

double Zufallszahl() {
    // 53 random bits scaled into [0, 1): never 1, unlike some library distributions.
    return static_cast<double>(Generator()() >> 11) * 0x1p-53;
}

void ZufallszahlStarten(unsigned long long Startwert) {
    Generator().seed(Startwert);
}
