#include "math/mt19937ar.h"

#include <gtest/gtest.h>

#include <random>

// Runs first in its process (each ctest entry is a process of its own), so the first draw
// is unseeded.
TEST(mt19937arTest, MatchesTheReferenceUnseededAndForTheDemosSeed) {
    std::mt19937 unseeded(5489u);
    for (int i = 0; i < 1000; ++i) ASSERT_EQ(genrand_int32(), unseeded()) << "draw " << i;
    init_genrand(7777777u);
    std::mt19937 reference(7777777u);
    for (int i = 0; i < 1000; ++i) ASSERT_EQ(static_cast<uint32_t>(genrand_int31()), reference() >> 1) << "draw " << i;
}
