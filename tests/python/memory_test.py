"""Memory stays flat over 10,000 calls in one process: results, arrays and refusals alike."""

import os
import unittest

import inverter

SMALL = dict(vi=15, d_pct=62.5, f_khz=11, l_uh=400, c_uf=60, rl=25, n=20, ni=20)
PAGE = os.sysconf("SC_PAGE_SIZE")


def resident_bytes():
    with open("/proc/self/statm", encoding="ascii") as statm:
        return int(statm.read().split()[1]) * PAGE


def calls(count):
    for _ in range(count):
        inverter.verify(**SMALL)
        inverter.waveforms(**SMALL)
        inverter.sweep("l_uh", 300, 400, 1, jobs=1, **SMALL)
        try:
            inverter.verify(**dict(SMALL, vi=0))
        except ValueError:
            pass


class Memory(unittest.TestCase):
    def test_flat_over_ten_thousand_calls(self):
        calls(1000)  # the allocator's pools and the interpreter's caches settle
        before = resident_bytes()
        calls(10000)
        growth = resident_bytes() - before
        self.assertLess(growth, 1 << 20, "grew by %d bytes" % growth)


if __name__ == "__main__":
    unittest.main()
