#include "account/RandomUserNamer.h"

#include <cmath>

namespace {

// Nearest integer, halves to even, within [0, highest].
size_t nearestIndex(double value, size_t highest) {
    double rounded =
        value - std::floor(value) == 0.5 ? 2.0 * std::round(value / 2.0) : std::round(value);
    if (rounded < 0) return 0;
    return rounded > double(highest) ? highest : size_t(rounded);
}

}  // namespace

std::string RandomUserNamer(platform::Random& random) {
    bool wordFirst = random.next() >= 0.5;
    std::string word = kNameWords[nearestIndex(17 * random.next(), kNameWords.size() - 1)];
    std::string affix = kNameAffixes[nearestIndex(16 * random.next(), kNameAffixes.size() - 1)];
    std::string name = wordFirst ? word + affix : affix + word;
    if (random.next() >= 0.2) name += std::to_string(nearestIndex(100 * random.next(), 100));
    return name;
}
