#pragma once

#include "core/module1.h"
#include "display/trace_table.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

// The samples of the whole plot are numbered from the left, 0 to NP × N - 1: sample k of
// displayed period p has number (p - 1) × N + k - 1.

// The running sums of the four traces of one run, and the layout and samples they were made
// from. Made once after a run, in one pass over the samples (O(N)); afterwards the mean and
// RMS of a trace over any range of the plot take a time bounded by a block's length, whatever
// N, NP and the range.
//
// Each trace's period of N samples is cut into blocks of 256. The sums of x and of x² of each
// block are added pairwise (eight levels), and the block totals are accumulated with
// Neumaier's compensated summation into prefix sums kept as value and compensation. A range
// takes the compensated difference of two prefixes for its whole blocks, sums the samples of
// its partial end blocks (at most 510) in a compensated sum, and counts the displayed periods
// it covers whole as multiples of the period's total. The prefixes never lose the digits that
// a plain running sum of 10^7 values would when two large prefixes are subtracted: the error
// of a range's sum is a few units in the last place of sum|x| over the range (about 12 × 2^-53
// × sum|x| at most, from the pairwise levels and the compensated steps), so the mean and RMS
// keep about 15 significant digits for samples of one sign; a mean that cancels to near 0
// keeps them relative to the mean magnitude.
//
// Keeps views of the arrays of m, which must outlive it and stay unchanged: a new run
// re-creates them, so the window makes new sums after each run and leaves the cursors alone
// while one is in progress.
class CursorSums {
public:
    // From a run that drew its traces: NP >= 1, N >= 1 and arrays holding samples 1..N.
    explicit CursorSums(const Module1& m);

    std::int32_t samplesPerPeriod() const { return n_; }
    std::int32_t periods() const { return np_; }
    std::int64_t sampleCount() const { return std::int64_t{np_} * n_; }

    // Sample k (1..N) of a trace: the array element itself.
    double sample(Trace trace, std::int32_t k) const;

    struct Moments {
        double mean = 0;
        double rms = 0;
    };

    // The mean and RMS of a trace over sample numbers first .. last of the plot, both
    // included, in either order.
    Moments between(Trace trace, std::int64_t first, std::int64_t last) const;

private:
    // A sum carried with its rounding error (Neumaier): value + compensation.
    struct Compensated {
        double value = 0;
        double compensation = 0;
        void add(double x);
        void addDifference(const Compensated& minuend, const Compensated& subtrahend);
        double total() const { return value + compensation; }
    };
    struct TraceSums {
        std::span<const double> samples;  // samples 1..N at indices 1..N
        std::vector<Compensated> sums;    // sums[b]: x over the blocks before block b
        std::vector<Compensated> squares; // the same for x²
    };
    struct RangeSums {
        Compensated sum;
        Compensated squares;
    };

    static TraceSums MakeSums(std::span<const double> samples, std::int32_t n);
    void addWithinPeriod(const TraceSums& trace, std::int32_t from, std::int32_t to,
                         RangeSums& out) const;

    std::int32_t n_;
    std::int32_t np_;
    std::array<TraceSums, 4> traces_; // in band order
};
