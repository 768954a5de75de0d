"""The built inverter-cli, run as a script runs it, and its output read back as the module's
values: JSON objects as dicts, CSV rows as dicts (the index an int, numbers as floats, empty
cells as None)."""

import csv
import io
import json
import math
import os
import subprocess

CLI = os.environ["INVERTER_CLI"]


def run(*args):
    """The command's standard output, standard error and exit status."""
    done = subprocess.run([CLI, *map(str, args)], capture_output=True, text=True, check=False)
    return done.stdout, done.stderr, done.returncode


def json_body(command, *args):
    out, err, status = run(command, *args)
    assert status == 0, err
    return json.loads(out)[command]


def _cell(column, text):
    if text == "":
        return None
    if column == "index":
        return int(text)
    try:
        return float(text)
    except ValueError:
        return text


def csv_rows(text):
    table = csv.reader(io.StringIO(text, newline=""))
    header = next(table)
    return [{column: _cell(column, cell) for column, cell in zip(header, row)} for row in table]


def exact(value):
    """A value whose floats compare by their bits: -0.0 is not 0.0, each double itself."""
    if isinstance(value, float):
        return ("float", value.hex() if math.isfinite(value) else repr(value))
    if isinstance(value, dict):
        return [(key, exact(inner)) for key, inner in value.items()]
    if isinstance(value, list):
        return [exact(inner) for inner in value]
    return value


def _option_text(value):
    if isinstance(value, dict):
        return ",".join("%s=%r" % item for item in value.items())
    if isinstance(value, tuple):
        return "/".join(map(str, value))
    return value if isinstance(value, str) else repr(value)


def options(**arguments):
    """Keyword arguments as the command line's options: f_khz=11 is --f-khz 11, tol={"vi": 5}
    is --tol vi=5, shard=(1, 2) is --shard 1/2, worst_case=True is --worst-case; None and False
    give no option."""
    words = []
    for name, value in arguments.items():
        option = "--" + name.replace("_", "-")
        if value is True:
            words.append(option)
        elif value is not None and value is not False:
            words += [option, _option_text(value)]
    return words
