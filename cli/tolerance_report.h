#pragma once

#include "cli/report.h"
#include "core/row_blocks.h"
#include "core/tolerance_analysis.h"

#include <ostream>

// What the command line prints of a tolerance analysis: its rows as CSV, or the summary of all
// of them as a report. Every number reads back to the same double.

// The header and this shard's rows, in index order, whatever the number of threads:
// index,kind,<a column per varied value, SI>,mode,VoMean_V,DeltaiL_A,DeltaVo_V,IDP_A,efficiency,
// pass (kind "corner" or "sample", efficiency empty without parts, pass "yes" or "no"). The rows
// of each block are sent out once it is computed; when `out` fails the rows stop there.
void WriteToleranceRows(const ToleranceAnalysis& analysis, const RowSplit& split,
                        std::ostream& out);

// {"tolerance": {"nominal_abs_VoMean_V", "worst_case": {corners, failing, extremes per quantity
// with their corners} or null, "monte_carlo": {samples, seed, distribution, yield, the failure
// share per limit (null when not set), mean, std_dev and the 0.1 % and 99.9 % quantiles per
// quantity} or null}} of every row, computed over `jobs` threads.
Report ToleranceReport(const ToleranceAnalysis& analysis, int jobs);
