"""The module gives what the command line gives: the organ tables of `render --organs`, the
pictures of `render`, the node tables and messages of `lsystem --json` and the fits of
`fit --json`, for every example L-system and gallery session."""

import re

import numpy
import pytest

import burgeon
from conftest import (
    EXAMPLE_BLOCKS,
    GALLERY,
    read_csv_table,
    read_png,
    run_burgeon,
    run_json,
    table_rows,
)

ORGAN_COLUMNS = ["node", "organ", "level", "age", "a", "b", "c", "x0", "y0", "z0", "x1", "y1", "z1"]


def example_plant(block):
    return burgeon.Plant.from_lsystem(
        "LsysExam.Lsys", block=block, seed=1, growth="growth/internode-length.txt"
    )


def cli_organs(tmp_path, *plant_options, time=None):
    options = list(plant_options) + (["--time", time] if time is not None else [])
    done = run_burgeon(
        "render", "--seed", 1, "--size", "64x48", "--out", tmp_path / "picture.png",
        "--organs", tmp_path / "organs.csv", *options,
    )
    assert done.status == 0, done.err
    return read_csv_table(tmp_path / "organs.csv")


@pytest.mark.parametrize("block", EXAMPLE_BLOCKS)
def test_example_organ_tables(block, tmp_path):
    plant = example_plant(block)
    for time in (15, 60, 150):
        header, rows = cli_organs(
            tmp_path, "--lsystem", "LsysExam.Lsys", "--block", block,
            "--growth", "growth/internode-length.txt", time=time,
        )
        table = plant.organs(time)
        assert list(table.dtype.names) == header == ORGAN_COLUMNS
        assert table_rows(table) == rows, (block, time)


@pytest.mark.parametrize("session", GALLERY)
def test_gallery_organ_tables_and_pictures(session, tmp_path):
    path = f"sessions/{session}.burgeon"
    plant = burgeon.open_session(path, seed=1)
    _, rows = cli_organs(tmp_path, "--session", path)
    assert table_rows(plant.organs()) == rows
    # The picture at the session's time and size, and turned at another time.
    assert numpy.array_equal(plant.render(size=(64, 48)), read_png(tmp_path / "picture.png"))
    done = run_burgeon(
        "render", "--session", path, "--seed", 1, "--size", "96x72", "--time", 40,
        "--rotate", "10,-30,5", "--out", tmp_path / "turned.png",
    )
    assert done.status == 0, done.err
    turned = plant.render(40, size=(96, 72), rotate=(10, -30, 5))
    assert turned.shape == (72, 96, 3) and turned.dtype == numpy.uint8
    assert numpy.array_equal(turned, read_png(tmp_path / "turned.png"))
    assert numpy.array_equal(plant.render(size=(64, 48)), read_png(tmp_path / "picture.png"))


def test_example_pictures_pixel_for_pixel(tmp_path):
    for block in (1, 2, 6):
        plant = example_plant(block)
        done = run_burgeon(
            "render", "--lsystem", "LsysExam.Lsys", "--block", block, "--seed", 1,
            "--growth", "growth/internode-length.txt", "--time", 60, "--size", "160x120",
            "--out", tmp_path / "plant.png",
        )
        assert done.status == 0, done.err
        assert numpy.array_equal(plant.render(60, size=(160, 120)), read_png(tmp_path / "plant.png"))


def compile_matches(report, expected):
    assert [message.text for message in report.messages] == expected["messages"]
    assert report.compiles_pane == expected["compiles_pane"]
    assert report.compiles_pane_red == expected["compiles_pane_red"]
    assert report.results_pane == expected["results_pane"]
    assert report.tree_pane == expected["tree_pane"]
    assert report.editor_lines == expected["editor_lines"]
    assert report.result_string == expected["result_string"]
    assert report.turn_step == expected["turn_step"]
    assert report.node_diameter == expected["node_diameter"]
    assert report.node_count == expected["node_count"]
    assert report.main_stem_count == expected["main_stem_count"]
    assert report.max_level == expected["max_level"]
    nodes_match(report.nodes, expected["nodes"])


def nodes_match(table, nodes):
    assert len(table) == len(nodes)
    for number, (row, node) in enumerate(zip(table, nodes), start=1):
        assert row["node"] == number
        assert row["kind"] == node["kind"]
        assert row["parent"] == node["parent"]
        assert row["level"] == node["level"]
        for axis in "xyz":
            assert row[f"angle_{axis}"] == node[f"angle_{axis}"]
        assert row["has_leaf"] == node["has_leaf"]
        assert row["has_flower"] == node["has_flower"]


@pytest.mark.parametrize(
    "file, block",
    [("LsysExam.Lsys", block) for block in EXAMPLE_BLOCKS]
    + [("sessions/gallery.Lsys", block) for block in range(1, 5)],
)
def test_compilations_and_node_tables(file, block):
    status, expected = run_json("lsystem", file, "--block", block, "--seed", 1, "--json")
    assert status == 0
    plant = burgeon.Plant.from_lsystem(file, block=block, seed=1)
    compile_matches(plant.compile(), expected)
    nodes_match(plant.nodes, expected["nodes"])
    assert plant.result_string == expected["result_string"]


@pytest.mark.parametrize("session", GALLERY)
def test_gallery_sessions_hold_the_plants_of_their_lsystems(session):
    block = GALLERY.index(session) + 1
    _, expected = run_json("lsystem", "sessions/gallery.Lsys", "--block", block, "--seed", 1, "--json")
    plant = burgeon.open_session(f"sessions/{session}.burgeon", seed=1)
    nodes_match(plant.nodes, expected["nodes"])
    compile_matches(plant.compile(), expected)


def fit_matches(fit, expected):
    assert [message.text for message in fit.messages] == expected["messages"]
    assert fit.boxes == expected["boxes"]
    assert len(fit.times) == expected["data_last_row"] + 1
    assert fit.life_cycle_time == expected["life_cycle_time"]
    assert fit.times.tolist() == expected["data_time"]
    assert fit.means.tolist() == expected["data_mean"]
    curves = [fit.curves[organ] for organ in burgeon.ORGANS]
    assert [[c.bottom, c.top, c.slope, c.tmid] for c in curves] == expected["curves"]


@pytest.mark.parametrize("data", ["internode-length", "leaf-length", "flower-diameter"])
def test_fits(data):
    path = f"growth/{data}.txt"
    with open(path, encoding="ascii") as data_file:
        rows = numpy.array([[float(field) for field in re.split(r"[ ,;\t]+", line.strip())]
                            for line in data_file if line.strip()])
    for organ in burgeon.ORGANS + ("all",):
        status, expected = run_json("fit", path, "--organ", organ, "--json")
        assert status == 0
        fit = burgeon.fit_growth(path, organ=organ)
        fit_matches(fit, expected)
        assert fit.organ == organ
        # The same numbers as arrays fit the same curve.
        from_arrays = burgeon.fit_growth(rows[:, 0], rows[:, 1:], organ=organ)
        assert from_arrays == fit
        assert from_arrays.boxes == fit.boxes
