"""The sweep and the tolerance analysis on a Dask cluster of two worker processes give the
command line's rows."""

import unittest

from dask.distributed import Client, LocalCluster

import inverter.distributed
from command_line import csv_rows, exact, options, run

FIXED = dict(vi=15, d_pct=62.5, f_khz=11, c_uf=60, rl=25, n=100, ni=200, vf=0.45)
TOLERANCE = dict(FIXED, l_uh=400, worst_case=True, monte_carlo=9, seed=5, limit_ipk_a=3.7)


class DaskRows(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.cluster = LocalCluster(n_workers=2, threads_per_worker=1, processes=True,
                                   dashboard_address=None)
        cls.client = Client(cls.cluster)

    @classmethod
    def tearDownClass(cls):
        cls.client.close()
        cls.cluster.close()

    def test_rows_of_the_command_line_in_index_order(self):
        out, err, status = run("sweep", "l-uh", 100, 900, 6, "--log", *options(**FIXED))
        self.assertEqual(status, 0, err)
        for blocks in (None, 1, 3):
            with self.subTest(blocks=blocks):
                rows = inverter.distributed.sweep(self.client, "l_uh", 100, 900, 6, log=True,
                                                  blocks=blocks, **FIXED)
                self.assertEqual(exact(rows), exact(csv_rows(out)))

    def test_tolerance_rows_of_the_command_line_in_index_order(self):
        tol = {"vi": 5, "l": 20, "vf": 10}
        out, err, status = run("tolerance", *options(tol=tol, **TOLERANCE))
        self.assertEqual(status, 0, err)
        for blocks in (None, 3):
            with self.subTest(blocks=blocks):
                rows = inverter.distributed.tolerance(self.client, tol, blocks=blocks,
                                                      **TOLERANCE)
                self.assertEqual(exact(rows), exact(csv_rows(out)))

    def test_refusal_of_the_arguments_comes_back(self):
        with self.assertRaises(ValueError):
            inverter.distributed.sweep(self.client, "volts", 1, 2, 1, **FIXED)
        with self.assertRaises(ValueError):
            inverter.distributed.tolerance(self.client, "l=100", **TOLERANCE)


if __name__ == "__main__":
    unittest.main()
