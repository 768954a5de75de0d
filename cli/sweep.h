#pragma once

#include "cli/headless_run.h"
#include "cli/part_options.h"

#include <cstdint>
#include <ostream>

// A parameter sweep: one verification field stepped from one value to another, one
// verification and analysis per point, the points spread over threads and, through shards,
// over machines.
struct SweepPlan {
    const FieldOption* swept = nullptr;    // one of VerificationOptions(), or
    const PartOption* sweptPart = nullptr; // one of PartOptions()
    RealParts parts;                       // the parts given; the swept one set at each point
    double from = 0;
    double to = 0;
    std::int64_t steps = 1; // intervals: points 0..steps
    bool logarithmic = false;
    std::int64_t shard = 0; // this run computes the points whose index is shard modulo shards
    std::int64_t shards = 1;
    int jobs = 1; // threads
};

enum class SweepFormat { Csv, Json };

// The swept option's name ("l-uh", "rds-mohm").
const char* SweptName(const SweepPlan& plan);

// The value of point `index`: `from` at 0, `to` at `steps`, evenly spaced in between, or in
// equal ratios when logarithmic (from and to then both above 0).
double SweepValue(const SweepPlan& plan, std::int64_t index);

// Runs the sweep over `fields` (the swept field's text is each point's value, in its shortest
// text) and writes a header and one row per point of this shard, in index order, whatever the
// number of threads: the columns index, the swept option, status ("ok", "refused: <message>",
// "fault: <kind>"), then every value of the analysis (with the parts' keys when a part is given
// or swept), flattened: a point that read its circuit
// but did not end ok has the exact solution's values and empty simulated ones, a point refused
// before only empty cells.
//
// The rows of each block of points are sent out once the block is computed; when `out` fails
// the sweep stops there.
void RunSweep(const SweepPlan& plan, const FieldTexts& fields, SweepFormat format,
              std::ostream& out);
