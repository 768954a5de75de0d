#pragma once

#include <cstdint>

// The random numbers of a Monte Carlo sample, the same on every machine, compiler and standard
// library: the algorithms are written out here rather than left to std::*_distribution, whose
// algorithms the standard leaves open.
//
// Sample j of a run seeded `seed` draws from its own SplitMix64 stream (Steele, Lea and Flood,
// 2014, with the constants of Vigna's reference code): state += 0x9e3779b97f4a7c15, then the
// output is the state through the SplitMix64 finalizer
//     z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9; z = (z ^ (z >> 27)) * 0x94d049bb133111eb;
//     z ^ (z >> 31).
// The stream of sample j starts at Finalize(Finalize(seed) ^ j): the finalizer is a bijection,
// so two samples of one seed never start at the same state. A sample's numbers then depend on
// (seed, j) alone, whatever thread or machine computes it.
class SampleGenerator {
public:
    SampleGenerator(std::uint64_t seed, std::uint64_t sample);

    // The next 64 bits of the stream.
    std::uint64_t next();

    // Uniform in [0, 1): the top 53 bits of next() times 2^-53.
    double uniform();

    // Standard normal by the Box-Muller transform of two uniforms u1 = uniform(), u2 = uniform()
    // drawn in that order: sqrt(-2 ln(1 - u1)) cos(2 pi u2); 1 - u1 lies in (0, 1].
    double normal();

private:
    std::uint64_t state_;
};
