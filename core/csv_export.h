#pragma once

#include "core/conversions.h"
#include "core/handler_support.h"
#include "core/module1.h"
#include "core/whole_file.h"

#include <cstdint>
#include <filesystem>
#include <string>

enum class CsvExportOutcome {
    Written,   // the file at the target holds the whole table
    Cancelled, // the observer stopped the export; the target is as it was
    Failed     // the file could not be written; the target is as it was, message says why
};

struct CsvExportResult {
    CsvExportOutcome outcome = CsvExportOutcome::Written;
    Text message; // Failed only: one Italian sentence naming the file and the reason
};

// Writes samples 1..N of the last simulated period as a table of text: the header
// "k,t_s,iL_A,iC_A,Vo_V,id_A", then one row per sample with its index, its time within the
// period and the samples of iL_t, iC_t, Vo_t and id_t. Every number is the shortest text that
// reads back to the same double, with a decimal point whatever the locale; lines end in LF.
//
// m is read as the simulation left it: N, f and the four arrays of the same run. The table is
// written whole or not at all (see WholeFile): a failed or cancelled export never leaves part
// of a table in place of an earlier file. observer (may be null) is told the fraction written
// every few tens of thousands of rows and after the last; false stops the export. Without a
// simulated period (N below 1 or an array without sample N) nothing is written and the export
// fails with a message saying so.
CsvExportResult ExportLastPeriodCsv(const Module1& m, const std::filesystem::path& target,
                                    SimulationObserver* observer);

// The same table in `file`, opened, written and finished but not committed: the caller commits
// it together with the other files of a run, so that all of them are written or none.
CsvExportResult WriteLastPeriodCsv(const Module1& m, WholeFile& file, SimulationObserver* observer);

// The time of sample k within the last period, as the table gives it: k / (N f), one rounded
// division of k, so that the rounding of dt is not carried k times into the last rows.
double SampleTime(const Module1& m, std::int64_t k);

// A file name without extension that tells the run apart from others, built from Vi, D, f, L,
// C, RL and N as the verification read them (L in H, C in F): ASCII letters, digits, '.',
// '_', '-' and '+' only, the same in every locale. Example:
// "forme_d_onda_Vi15V_D62.5pct_f11kHz_L400uH_C60uF_RL25ohm_N1000".
std::string ProposedFileStem(const Module1& m);
