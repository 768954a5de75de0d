"""Progetto, verifica e analisi del convertitore buck-boost invertente.

The command line's commands as functions of numbers, with its results to the bit: design,
verify, analyze and bode return the dict of inverter-cli's JSON object under the command's key
(None for null); sweep, tolerance and efficiency a list of dicts, one per CSV row (numbers as
floats, the index as an int, empty cells as None); waveforms the NumPy arrays t, iL, iC, Vo and
id of samples 1 to N of the last simulated period; netlist the SPICE netlist as a string.

Arguments are named as the command line's options with underscores (f_khz, rds_mohm) and take
numbers in the options' units; tolerance's tol is a dict of per cents by name, {"vi": 5,
"l": 20}, or the text of --tol, "vi=5,l=20". A refused input raises ValueError with the
window's message, a runtime fault ArithmeticError naming the fault's kind. The computation runs
without the interpreter's lock, so that threads compute in parallel.
"""

from inverter._inverter import (analyze, bode, design, efficiency, netlist, sweep, tolerance,
                                verify, waveforms)

__all__ = [
    "analyze", "bode", "design", "efficiency", "netlist", "sweep", "tolerance", "verify",
    "waveforms"
]
