"""What the tests of the Python module share: the examples, the command line they compare the
module with, and ways to read what it writes."""

import json
import os
import pathlib
import subprocess
import sys
import typing

import numpy
import pytest

EXAMPLES = pathlib.Path(os.environ.get("BURGEON_EXAMPLES", "")).resolve()
EXECUTABLE = os.environ.get("BURGEON_EXECUTABLE", "")
SOURCE = pathlib.Path(os.environ.get("BURGEON_SOURCE", EXAMPLES.parent))

GALLERY = ["1-soybean", "2-primula", "3-azalea", "4-basil"]
EXAMPLE_BLOCKS = range(1, 8)


@pytest.fixture(autouse=True)
def in_examples(monkeypatch):
    """Every test runs in the examples folder, where the land's and the leaves' pictures are
    read from, as the command line's tests run."""
    monkeypatch.chdir(EXAMPLES)


class Run(typing.NamedTuple):
    status: int
    out: str
    err: str


def run_burgeon(*arguments, cwd=None):
    """Runs the command line in the examples folder (or cwd) and returns what it did."""
    done = subprocess.run(
        [EXECUTABLE, *map(str, arguments)],
        cwd=cwd or EXAMPLES,
        capture_output=True,
        text=True,
        check=False,
    )
    return Run(done.returncode, done.stdout, done.stderr)


def run_json(*arguments):
    done = run_burgeon(*arguments)
    return done.status, json.loads(done.out)


def cli_error_text(printed, command):
    """What the command line printed for a failure, as a burgeon.Error says it: without the
    "message: " and "burgeon COMMAND: " prefixes, warnings left out."""
    lines = []
    for line in printed.splitlines():
        if line.startswith("warning: "):
            continue
        for prefix in ("message: ", f"burgeon {command}: "):
            if line.startswith(prefix):
                line = line[len(prefix):]
        lines.append(line)
    return "\n".join(lines)


def read_csv_table(path):
    """An organ table CSV as rows of (node, organ, level, numbers...)."""
    rows = []
    with open(path, encoding="ascii") as table:
        header = table.readline().strip().split(",")
        for line in table:
            fields = line.strip().split(",")
            rows.append((int(fields[0]), fields[1], int(fields[2]), *map(float, fields[3:])))
    return header, rows


def table_rows(table):
    return [tuple(row.item()) for row in table]


def read_png(path):
    from PIL import Image  # pylint: disable=import-outside-toplevel

    with Image.open(path) as picture:
        return numpy.asarray(picture.convert("RGB"))


def python_script(code, *arguments, timeout=300, **options):
    """Runs Python code in a process of its own with the module importable."""
    return subprocess.run(
        [sys.executable, "-c", code, *map(str, arguments)],
        capture_output=True,
        text=True,
        timeout=timeout,
        check=False,
        **options,
    )
