#pragma once
#include <random>

namespace platform {

// Uniform numbers in [0, 1) (a test seam). One generator serves the whole program:
// re-seeding from a coarse clock before each draw would repeat values.
class Random {
  public:
    virtual ~Random() = default;
    virtual double next() = 0;
};

class SystemRandom final : public Random {
  public:
    SystemRandom() : engine_(std::random_device{}()) {}
    double next() override { return std::uniform_real_distribution<double>(0.0, 1.0)(engine_); }

  private:
    std::mt19937_64 engine_;
};

}  // namespace platform
