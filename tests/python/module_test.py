"""The module against the command line: the same numbers to the bit, the same refusals."""

import concurrent.futures
import tempfile
import unittest

import numpy

import inverter
from command_line import csv_rows, exact, json_body, options, run

REFERENCE = dict(vi=15, d_pct=62.5, f_khz=11, l_uh=400, c_uf=60, rl=25, n=100, ni=200)
SCHOTTKY = dict(vf=0.45, rds_mohm=50, esr_mohm=30)

DESIGNS = [
    dict(vi=15, vo=25, f_khz=11, ripple_il_pct=40, ripple_vo_mv=60, io=0.1),
    dict(vi=12, vo=5, f_khz=100, ripple_il_pct=30, ripple_vo_mv=20, io=2),
    dict(vi=48, vo=12.5, f_khz=250.5, ripple_il_pct=10, ripple_vo_mv=1e1, io=0.75),
    dict(vi=5, vo=60, f_khz=50, ripple_il_pct=80, ripple_vo_mv=300, io=1e-3),
]

CIRCUITS = [
    REFERENCE,
    dict(REFERENCE, l_uh=2),  # refused by the conduction check: analysed from its circuit
    dict(REFERENCE, d_pct=30, rl=5.5, n=150, ni=150),
    dict(vi=48, d_pct=20, f_khz=200, l_uh=47, c_uf=10, rl=12, n=64, np=3, ni=300),
]


class NumbersOfTheCommandLine(unittest.TestCase):
    def assertExactlyEqual(self, module, command_line):
        self.assertEqual(exact(module), exact(command_line))

    def test_design(self):
        for design in DESIGNS:
            for parts in ({}, SCHOTTKY):
                with self.subTest(design=design, parts=parts):
                    self.assertExactlyEqual(
                        inverter.design(**design, **parts),
                        json_body("design", *options(**design, **parts)))

    def test_verify(self):
        for circuit in CIRCUITS[:1] + CIRCUITS[2:]:
            with self.subTest(circuit=circuit):
                self.assertExactlyEqual(inverter.verify(**circuit),
                                        json_body("verify", *options(**circuit)))

    def test_verify_by_position(self):
        self.assertExactlyEqual(inverter.verify(15, 62.5, 11, 400, 60, 25, 100, 10, 200),
                                inverter.verify(**REFERENCE))

    def test_analyze(self):
        for circuit in CIRCUITS:
            for parts in ({}, SCHOTTKY):
                with self.subTest(circuit=circuit, parts=parts):
                    self.assertExactlyEqual(
                        inverter.analyze(**circuit, **parts),
                        json_body("analyze", *options(**circuit, **parts)))

    def test_sweep(self):
        cases = [
            (("l_uh", 200, 400, 3), dict(log=False), REFERENCE),
            (("c_uf", 10, 1000, 4), dict(log=True), REFERENCE),
            (("rds_mohm", 0, 100, 2), dict(shard=(1, 2)), dict(REFERENCE, vf=0.45)),
            (("vi", 0, 30, 2), dict(jobs=2), REFERENCE),  # a refused point
        ]
        for (param, start, stop, steps), how, fixed in cases:
            with self.subTest(param=param, how=how):
                words = ["sweep", param.replace("_", "-"), start, stop, steps]
                words += ["--log"] if how.get("log") else []
                words += ["--shard", "%d/%d" % how["shard"]] if "shard" in how else []
                fixed_options = {k: v for k, v in fixed.items() if k != param}
                out, err, status = run(*words, *options(**fixed_options))
                self.assertEqual(status, 0, err)
                rows = inverter.sweep(param, start, stop, steps, **how, **fixed_options)
                self.assertExactlyEqual(rows, csv_rows(out))

    def test_bode(self):
        cases = [
            dict(REFERENCE, points=5),
            dict(REFERENCE, points=5, compensate=3, fc_hz=700, pm_deg=50, fra=2, esr_mohm=30),
            dict(REFERENCE, **SCHOTTKY, from_hz=20, to_hz=3000, points=7, vm=2, compensate=2,
                 fc_hz=400, pm_deg=30, r1_kohm=4.7),
            dict(CIRCUITS[3], points=4, compensate=3, fc_hz=10000, pm_deg=60),
            # More phase boost than a type II network gives: the report says why.
            dict(REFERENCE, **SCHOTTKY, points=3, compensate=2, fc_hz=500, pm_deg=70),
        ]
        for arguments in cases:
            with self.subTest(arguments=arguments):
                self.assertExactlyEqual(inverter.bode(**arguments),
                                        json_body("bode", *options(**arguments)))

    def test_tolerance(self):
        cases = [
            dict(tol={"vi": 5, "l": 20}, worst_case=True, monte_carlo=6, limit_ripple_il_a=2.6,
                 limit_vo_band_pct=2, vf=0.45, limit_eff_pct=98),
            dict(tol="c=10,rl=5,esr=50", monte_carlo=7, seed=3, dist="normal",
                 limit_ripple_vo_mv=940, limit_ipk_a=3.7, **SCHOTTKY),
            dict(tol={"f": 2.5}),  # neither kind asked for: the corners and 10000 samples
            dict(tol={"vi": 5, "l": 20, "c": 20}, worst_case=True, shard=(1, 3)),
        ]
        for arguments in cases:
            for jobs in (1, 2):
                with self.subTest(arguments=arguments, jobs=jobs):
                    out, err, status = run("tolerance", *options(**REFERENCE, **arguments),
                                           "--jobs", jobs)
                    self.assertEqual(status, 0, err)
                    rows = inverter.tolerance(**REFERENCE, **arguments, jobs=jobs)
                    self.assertExactlyEqual(rows, csv_rows(out))

    def test_efficiency(self):
        curve = dict(from_pct=20, to_pct=120, points=4)
        out, err, status = run("efficiency", *options(**REFERENCE, **SCHOTTKY, **curve))
        self.assertEqual(status, 0, err)
        self.assertExactlyEqual(inverter.efficiency(**REFERENCE, **SCHOTTKY, **curve),
                                csv_rows(out))

    def test_netlist(self):
        for parts in ({}, SCHOTTKY):
            with self.subTest(parts=parts):
                out, err, status = run("netlist", *options(**REFERENCE, **parts))
                self.assertEqual(status, 0, err)
                self.assertEqual(inverter.netlist(**REFERENCE, **parts), out)

    def test_waveforms_are_the_csv_export(self):
        folder = self.enterContext(tempfile.TemporaryDirectory())
        table = folder + "/run.csv"
        out, err, status = run("verify", *options(**REFERENCE), "--csv", table)
        self.assertEqual(status, 0, err)
        with open(table, encoding="ascii") as written:
            rows = csv_rows(written.read())
        arrays = inverter.waveforms(**REFERENCE)
        self.assertEqual([row["k"] for row in rows], list(range(1, REFERENCE["n"] + 1)))
        for name, column in [("t", "t_s"), ("iL", "iL_A"), ("iC", "iC_A"), ("Vo", "Vo_V"),
                             ("id", "id_A")]:
            with self.subTest(array=name):
                self.assertIsInstance(arrays[name], numpy.ndarray)
                self.assertEqual(arrays[name].dtype, numpy.float64)
                self.assertExactlyEqual(arrays[name].tolist(), [row[column] for row in rows])


class Refusals(unittest.TestCase):
    """A refused input raises ValueError with the message the window shows, which the command
    line prints; a runtime fault raises ArithmeticError naming its kind."""

    def test_refused_as_the_window_refuses(self):
        cases = [
            ("verify", dict(REFERENCE, vi=0)),
            ("verify", dict(REFERENCE, d_pct=100)),
            ("verify", dict(REFERENCE, l_uh=2)),  # the conduction check
            ("verify", dict(REFERENCE, vi=float("nan"))),
            ("analyze", dict(REFERENCE, c_uf=-1)),
            ("analyze", dict(REFERENCE, vf=-0.1)),
            ("design", dict(DESIGNS[0], io=0)),
            ("netlist", dict(REFERENCE, rl=0)),
            ("efficiency", dict(REFERENCE, points=1)),
            ("bode", dict(REFERENCE, compensate=2, fc_hz=5500, pm_deg=45)),
            ("bode", dict(REFERENCE, compensate=2)),
            ("bode", dict(REFERENCE, fra=-1)),
            ("bode", dict(REFERENCE, vf=-0.1, points=1)),  # the parts before bode's own
            ("tolerance", dict(REFERENCE, tol={"l": -20})),
            ("tolerance", dict(REFERENCE, tol="vi=5,vi=5")),
            ("tolerance", dict(REFERENCE, tol="c=100", rl=0)),  # --tol before the fields
            ("tolerance", dict(REFERENCE, tol={"vi": 5}, rl=0)),
        ]
        for command, arguments in cases:
            with self.subTest(command=command, arguments=arguments):
                words = options(**arguments)
                out, err, status = run(command, *words)
                self.assertEqual(status, 2)
                with self.assertRaises(ValueError) as raised:
                    getattr(inverter, command)(**arguments)
                self.assertEqual(str(raised.exception), err.rstrip("\n"))

    def test_runtime_fault_names_its_kind(self):
        out, err, status = run("verify", *options(**dict(REFERENCE, vi=1e308)))
        self.assertEqual(status, 3)
        with self.assertRaises(ArithmeticError) as raised:
            inverter.verify(**dict(REFERENCE, vi=1e308))
        self.assertEqual(str(raised.exception), "Overflow: " + err.rstrip("\n"))

    def test_arguments_are_numbers_with_known_names(self):
        with self.assertRaises(TypeError):
            inverter.verify(**dict(REFERENCE, vi="15"))
        with self.assertRaises(TypeError):
            inverter.verify(**dict(REFERENCE, vf=0.45))  # verify takes no parts
        with self.assertRaises(TypeError):
            inverter.verify(vi=15)
        with self.assertRaises(ValueError):
            inverter.sweep("volts", 1, 2, 3, **REFERENCE)
        with self.assertRaises(TypeError):
            inverter.tolerance(["vi=5"], **REFERENCE)
        with self.assertRaises(ValueError):
            inverter.tolerance("vi=5", dist="lognormal", **REFERENCE)
        with self.assertRaises(ValueError):
            inverter.tolerance("vi=5", monte_carlo=0, **REFERENCE)


class Threads(unittest.TestCase):
    def test_threads_give_the_same_rows(self):
        inductances = [150 + 25 * k for k in range(16)]
        alone = [inverter.analyze(**dict(REFERENCE, l_uh=l)) for l in inductances]
        with concurrent.futures.ThreadPoolExecutor(max_workers=4) as pool:
            together = list(pool.map(lambda l: inverter.analyze(**dict(REFERENCE, l_uh=l)),
                                     inductances))
        self.assertEqual(exact(together), exact(alone))


if __name__ == "__main__":
    unittest.main()
