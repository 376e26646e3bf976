#include <gtest/gtest.h>

#include "TestSeams.h"
#include "account/RandomUserNamer.h"

namespace {

TEST(RandomUserNamerTest, DrawsPickOrderWordAffixAndNumber) {
    struct Case {
        std::deque<double> draws;  // order, word, affix, number?, number value
        const char* expected;
    };
    const Case cases[] = {
        {{0.5, 0.0, 0.0, 0.2, 0.0}, "creeper5550"},
        {{0.49, 0.0, 0.0, 0.19}, "555creeper"},
        {{0.9, 0.999, 0.999, 0.9, 0.999}, "streamV100"},
        // 16 * r = 0.5, 1.5, 2.5, 3.5: halves go to the even index.
        {{0.7, 0.0, 0.5 / 16, 0.1}, "creeper555"},
        {{0.7, 0.0, 1.5 / 16, 0.1}, "creeperaaa"},
        {{0.7, 0.0, 2.5 / 16, 0.1}, "creeperaaa"},
        {{0.7, 0.0, 3.5 / 16, 0.1}, "creeper98765432"},
        {{0.7, 2.0 / 17, 0.0, 0.5, 0.4249}, "demaxiya55542"},
        {{0.0, 5.0 / 17, 1.0 / 16, 0.3, 0.004}, "winhero0"},
        {{0.0, 4.0 / 17, 1 - 1e-9, 0.3, 0.996}, "Vhim100"},
    };
    for (const Case& c : cases) {
        testing_support::SequenceRandom random;
        random.draws = c.draws;
        random.fallback = -1;  // a sixth draw would show up as a wrong name
        EXPECT_EQ(RandomUserNamer(random), c.expected);
        EXPECT_TRUE(random.draws.empty()) << c.expected;
    }
}

}  // namespace
