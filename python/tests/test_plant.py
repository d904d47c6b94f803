"""A plant in Python: made from a session or an L-system, its values by key path, copies,
files, pickles, tables, pictures, meshes and videos, and its documentation."""

import copy
import pathlib
import pickle
import pydoc
import threading

import numpy
import pytest

import burgeon
from conftest import python_script, read_csv_table, run_burgeon, table_rows


@pytest.fixture(name="soybean")
def fixture_soybean():
    return burgeon.open_session("sessions/1-soybean.burgeon", seed=1)


def test_plants_from_sessions_and_lsystems(tmp_path):
    plant = burgeon.open_session(pathlib.Path("sessions/2-primula.burgeon"), seed=5)
    assert plant.seed == 5
    assert plant.session_file == "sessions/2-primula.burgeon" and plant.lsystem_file is None
    assert repr(plant).startswith("<burgeon.Plant Primula: ")
    assert plant.time == plant.settings["animation.currentTime"]

    from_file = burgeon.Plant.from_lsystem("LsysExam.Lsys", block=5, seed=3)
    assert from_file.lsystem_file == "LsysExam.Lsys"
    whole = burgeon.Plant.from_lsystem(pathlib.Path("LsysExam.Lsys"), block=None, seed=3)
    first = burgeon.Plant.from_lsystem("LsysExam.Lsys", seed=3)
    assert (whole.nodes == first.nodes).all()
    from_text = burgeon.Plant.from_lsystem(from_file.lsystem, seed=3)
    assert from_text.lsystem_file is None
    assert (from_text.nodes == from_file.nodes).all()

    # The command line's plant options.
    shaped = burgeon.Plant.from_lsystem(
        "LsysExam.Lsys", block=2, seed=7, growth="growth/internode-length.txt",
        shapes="shapes/plant-shapes.txt", leaf=1, flower=7, texture=2, rotate=(20, 30, 0),
        settings={"parameters.internodeLength": 0.5})
    assert shaped.settings["view.rotation"] == [20, 30, 0]
    assert shaped.settings["parameters.internodeLength"] == 0.5
    done = run_burgeon(
        "render", "--lsystem", "LsysExam.Lsys", "--block", 2, "--seed", 7, "--growth",
        "growth/internode-length.txt", "--shapes", "shapes/plant-shapes.txt", "--leaf", 1,
        "--flower", 7, "--texture", 2, "--rotate", "20,30,0", "--set",
        "parameters.internodeLength=0.5", "--time", 60, "--size", "64x48", "--out",
        tmp_path / "p.png", "--organs", tmp_path / "o.csv")
    assert done.status == 0, done.err
    assert table_rows(shaped.organs(60)) == read_csv_table(tmp_path / "o.csv")[1]


def test_settings_by_key_path_as_set_changes_them(soybean, tmp_path):
    settings = soybean.settings
    assert isinstance(settings, burgeon.Settings)
    keys = list(settings)
    assert "parameters.internodeLength" in keys and "view.rotation" in keys and "view" not in keys
    assert len(settings) == len(keys)
    assert settings["view.rotation.1"] == settings["view.rotation"][1]
    assert "view.rotation.7" not in settings and "parameters.turnStep" in settings

    soybean.set("parameters.internodeLength", 0.12)
    settings["view.zoom"] = 30
    soybean.update({"materials.land": [10, 20, 30], "parameters.wind": numpy.int64(2)})
    assert settings["parameters.internodeLength"] == 0.12 and settings["view.zoom"] == 30
    assert settings["materials.land"] == [10, 20, 30] and settings["parameters.wind"] == 2
    done = run_burgeon(
        "render", "--session", "sessions/1-soybean.burgeon", "--seed", 1, "--set",
        "parameters.internodeLength=0.12", "--set", "view.zoom=30", "--set",
        "materials.land=[10,20,30]", "--set", "parameters.wind=2", "--size", "64x48",
        "--out", tmp_path / "p.png", "--organs", tmp_path / "o.csv")
    assert done.status == 0, done.err
    assert table_rows(soybean.organs()) == read_csv_table(tmp_path / "o.csv")[1]

    # Several values change together or not at all.
    with pytest.raises(burgeon.InputError):
        soybean.update({"view.zoom": 40, "parameters.internodeLength": 9})
    assert settings["view.zoom"] == 30
    with pytest.raises(TypeError):
        del settings["view.zoom"]


def test_a_copy_is_a_plant_of_its_own(soybean):
    twin = soybean.copy()
    twin.set("parameters.internodeLength", 0.2)
    assert soybean.settings["parameters.internodeLength"] == 0.08
    assert copy.copy(soybean).settings["parameters.internodeLength"] == 0.08
    assert (copy.deepcopy(soybean).organs() == soybean.organs()).all()


def test_saved_and_pickled_plants_are_the_same_plant(soybean, tmp_path):
    soybean.set("parameters.petioleLength", 0.12)
    saved = tmp_path / "saved.burgeon"
    soybean.save(saved)
    reopened = burgeon.open_session(saved, seed=1)
    assert (reopened.organs(70) == soybean.organs(70)).all()
    with pytest.raises(burgeon.FileError):
        soybean.save(tmp_path / "no" / "such.burgeon")

    for plant in (soybean, burgeon.Plant.from_lsystem("LsysExam.Lsys", block=2, seed=4,
                                                      growth="growth/internode-length.txt")):
        again = pickle.loads(pickle.dumps(plant))
        assert isinstance(again, burgeon.Plant) and again.seed == plant.seed
        assert dict(again.settings) == dict(plant.settings)
        assert (again.nodes == plant.nodes).all()
        assert (again.organs(70) == plant.organs(70)).all()
        assert numpy.array_equal(again.render(70, size=(64, 48)), plant.render(70, size=(64, 48)))
        assert again.session_file == plant.session_file
    state = soybean.__getstate__()
    assert state[0].startswith('{\n  "format": "burgeon-session"')


def test_tables_and_pictures(soybean):
    organs = soybean.organs(50)
    assert isinstance(organs, burgeon.Table) and isinstance(organs, numpy.ndarray)
    assert organs.dtype.names[:4] == ("node", "organ", "level", "age")
    assert set(organs["organ"]) <= set("IiPpALF")
    frame = organs.to_pandas()
    assert list(frame.columns) == list(organs.dtype.names) and len(frame) == len(organs)
    nodes = soybean.nodes
    assert nodes["node"].tolist() == list(range(1, len(nodes) + 1))
    assert nodes.to_pandas()["kind"].iloc[0] == "I"

    picture = soybean.render(50, size=(80, 60))
    assert picture.shape == (60, 80, 3) and picture.dtype == numpy.uint8
    assert picture.flags["C_CONTIGUOUS"]
    png = soybean._repr_png_()
    assert png[:8] == b"\x89PNG\r\n\x1a\n"

    frames = soybean.frames(40, 41, 0.5, size=(64, 48))
    assert len(frames) == 3
    pictures = list(frames)
    assert [time for time, _ in pictures] == [40, 40.5, 41]
    assert numpy.array_equal(pictures[2][1], soybean.render(41, size=(64, 48)))
    with pytest.raises(burgeon.InputError):
        soybean.frames(40, 39, 1)


def test_meshes_and_videos(soybean, tmp_path):
    told = []
    summary = soybean.export(tmp_path / "plant.gltf", time=40, progress=told.append)
    assert summary.files == [str(tmp_path / name) for name in
                             ("plant.gltf", "plant.bin", "plant-leaf.png", "plant-land.png")]
    assert summary.organs == len(soybean.organs(40)) and summary.frames == 0
    assert told[-1] == 100 and told == sorted(told)
    growing = soybean.export(tmp_path / "growing.glb", animate=(1, 20, 1), land=False, fps=10)
    assert growing.frames == 20 and growing.files == [str(tmp_path / "growing.glb")]
    done = run_burgeon("export", "--session", "sessions/1-soybean.burgeon", "--seed", 1,
                       "--time", 40, "--out", tmp_path / "cli.glb")
    assert done.status == 0
    soybean.export(tmp_path / "python.glb", 40)
    assert (tmp_path / "python.glb").read_bytes() == (tmp_path / "cli.glb").read_bytes()

    told.clear()
    soybean.film(tmp_path / "growing.mp4", 20, 22, 0.5, size=(96, 64), fps=10,
                 progress=told.append)
    assert (tmp_path / "growing.mp4").stat().st_size > 0 and told[-1] == 100


def test_threads_share_a_plant(soybean):
    expected = soybean.render(60, size=(64, 48))
    results = []

    def draw():
        for _ in range(3):
            results.append(numpy.array_equal(soybean.render(60, size=(64, 48)), expected))
            soybean.organs(60)

    workers = [threading.Thread(target=draw) for _ in range(3)]
    for worker in workers:
        worker.start()
    for worker in workers:
        worker.join()
    assert results == [True] * 9


def test_a_plants_own_callback_cannot_use_it(soybean, tmp_path):
    def peek(_percent):
        soybean.organs()

    with pytest.raises(burgeon.Error, match="the plant is busy"):
        soybean.export(tmp_path / "plant.glb", progress=peek)
    assert list(tmp_path.iterdir()) == []


def test_help_shows_the_documented_api():
    text = pydoc.render_doc(burgeon.Plant, renderer=pydoc.plaintext)
    for name in ("from_lsystem", "set", "update", "settings", "curves", "compile", "organs",
                 "render", "frames", "film", "export", "save", "copy", "nodes"):
        assert f"{name}" in text
    for name in burgeon.__all__:
        value = getattr(burgeon, name)
        if callable(value) or isinstance(value, type):
            assert value.__doc__, name
    for name in dir(burgeon.Plant):
        if not name.startswith("_"):
            assert getattr(burgeon.Plant, name).__doc__, name
    done = python_script("import burgeon; help(burgeon.Plant)")
    assert done.returncode == 0 and "open_session" not in done.stderr
    assert "Makes a Plant from an L-system" in done.stdout


def test_the_stub_names_the_api():
    stub = (pathlib.Path(burgeon.__file__).parent / "__init__.pyi").read_text()
    for name in burgeon.__all__:
        assert name in stub, name
    for name in dir(burgeon.Plant):
        if not name.startswith("_"):
            assert f"def {name}(" in stub or f"class {name}(" in stub, name
