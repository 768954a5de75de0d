#include "core/sample_generator.h"

#include <cmath>
#include <numbers>

namespace {

std::uint64_t Finalize(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9;
    z = (z ^ (z >> 27)) * 0x94d049bb133111eb;
    return z ^ (z >> 31);
}

} // namespace

SampleGenerator::SampleGenerator(std::uint64_t seed, std::uint64_t sample)
    : state_(Finalize(Finalize(seed) ^ sample)) {}

std::uint64_t SampleGenerator::next() {
    state_ += 0x9e3779b97f4a7c15;
    return Finalize(state_);
}

double SampleGenerator::uniform() {
    constexpr double unit = 1.0 / 9007199254740992.0; // 2^-53
    return static_cast<double>(next() >> 11) * unit;
}

double SampleGenerator::normal() {
    const double u1 = uniform();
    const double u2 = uniform();
    return std::sqrt(-2 * std::log(1 - u1)) * std::cos(2 * std::numbers::pi * u2);
}
