#include "random_source.h"

#include <cstdint>

namespace {

/* One multiplicative congruential generator, stepped with Schrage's method
 * so that no product leaves 32 bits. */
struct Generator {
    std::int32_t modulus;
    std::int32_t multiplier;
    std::int32_t quotient;   // modulus / multiplier
    std::int32_t remainder;  // modulus % multiplier
};

const Generator first{2147483563, 40014, 53668, 12211};
const Generator second{2147483399, 40692, 52774, 3791};

const int tableSize = 32;
const std::int32_t tableDivisor = 1 + (2147483563 - 1) / tableSize;
const double outputScale = 4.656613057391769e-10;  // 1 / 2147483563
const double largestResult = 0.99999988;           // 1 - 1.2e-7

std::int32_t firstState;  // 0 or negative: not yet seeded
std::int32_t secondState = 123456789;
std::int32_t shuffleTable[tableSize];
std::int32_t outputWord;

void Step(std::int32_t& state, const Generator& g)
{
    std::int32_t k = state / g.quotient;
    state = g.multiplier * (state - k * g.quotient) - k * g.remainder;
    if (state < 0)
        state += g.modulus;
}

void Seed()
{
    firstState = firstState == 0 ? 1 : (firstState < 0 ? -firstState : firstState);
    secondState = firstState;
    // Eight warm-up steps, then fill the table from its end.
    for (int j = tableSize + 7; j >= 0; --j) {
        Step(firstState, first);
        if (j < tableSize)
            shuffleTable[j] = firstState;
    }
    outputWord = shuffleTable[0];
}

}  // namespace

double NextRandom()
{
    if (firstState <= 0 || outputWord == 0)
        Seed();
    Step(firstState, first);
    Step(secondState, second);
    int j = outputWord / tableDivisor;
    outputWord = shuffleTable[j] - secondState;
    shuffleTable[j] = firstState;
    if (outputWord < 1)
        outputWord += 2147483563 - 1;
    double t = outputWord * outputScale;
    return t > largestResult ? largestResult : t;
}
