#!/usr/bin/python3
"""The Python module's overhead per call over the core's own time.

10,000 calls of inverter.verify on a small design (the worked example, N 100, NI 100) against
the same verification with its report in C++ (BM_VerifySmallDesign of converter_bench), in
five rounds of each, taken in turn; the best round of each counts. Both are the process's
processor time, which other work on a shared machine does not lengthen as it does the wall
clock's. The overhead, the Python call's time less the
core's, must stay within 5 us.

Usage, from a build configured with -DCONVERTER_BUILD_BENCH=ON:
    cmake --build build --target _inverter converter_bench
    PYTHONPATH=build/python /usr/bin/python3 bench/python_overhead.py build/bench/converter_bench
"""

import json
import subprocess
import sys
import time

import inverter

CALLS = 10000
ROUNDS = 5
LIMIT_US = 5.0
SMALL = dict(vi=15, d_pct=62.5, f_khz=11, l_uh=400, c_uf=60, rl=25, n=100, ni=100)


def python_call_us():
    start = time.process_time_ns()
    for _ in range(CALLS):
        inverter.verify(**SMALL)
    return (time.process_time_ns() - start) / CALLS / 1000


def core_call_us(benchmark):
    report = subprocess.run(
        [benchmark, "--benchmark_filter=^BM_VerifySmallDesign/", "--benchmark_format=json"],
        capture_output=True, text=True, check=True)
    runs = json.loads(report.stdout)["benchmarks"]
    return min(run["cpu_time"] for run in runs if run.get("run_type") == "iteration")


def main():
    # The two measured in turn, so that a load the machine takes on meanwhile weighs on both.
    core = python = float("inf")
    for _ in range(ROUNDS):
        core = min(core, core_call_us(sys.argv[1]))
        python = min(python, python_call_us())
    overhead = python - core
    print("core: %.2f us a call, Python: %.2f us a call, overhead: %.2f us (limit %.1f us)"
          % (core, python, overhead, LIMIT_US))
    return 0 if overhead <= LIMIT_US else 1


if __name__ == "__main__":
    sys.exit(main())
