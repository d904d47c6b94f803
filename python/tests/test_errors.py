"""Every bad input of the command line's tests raises the matching burgeon exception, with
the text the command line prints for it."""

import os
import pathlib
import shutil
import subprocess
import sys
import tempfile

import pytest

import burgeon
from conftest import EXAMPLES, EXECUTABLE, cli_error_text, python_script, run_burgeon


def raised(call, *args, **kwargs):
    with pytest.raises(burgeon.Error) as caught:
        call(*args, **kwargs)
    return caught.value


def cli_failure(command, *arguments, usage=False):
    """The text the command line printed for a bad input, and that it failed as it should."""
    done = run_burgeon(command, *arguments)
    assert done.status == (2 if usage else 1), done.err
    printed = done.err if command not in ("lsystem", "fit") or usage else done.out + done.err
    if usage:
        printed = printed.splitlines()[0]
    return cli_error_text(printed, command)


def write(folder, name, text):
    path = pathlib.Path(folder) / name
    path.write_text(text, encoding="utf-8")
    return str(path)


def expect(error, kind, text):
    assert isinstance(error, kind), type(error)
    assert str(error) == text


# render's bad arguments and files


def test_bad_render_requests():
    plant = burgeon.Plant.from_lsystem("LsysExam.Lsys", seed=1)
    for size in ((0, 10), (8193, 5)):
        expect(raised(plant.render, size=size), burgeon.InputError,
               cli_failure("render", "--lsystem", "LsysExam.Lsys", "--size", "x".join(map(str, size)), usage=True))
    expect(raised(plant.render, rotate=(1, 2)), burgeon.InputError,
           cli_failure("render", "--lsystem", "LsysExam.Lsys", "--rotate", "1,2", usage=True))
    expect(raised(plant.render, float("inf")), burgeon.InputError,
           cli_failure("render", "--lsystem", "LsysExam.Lsys", "--time", "inf", usage=True))
    # What the command line takes as text, Python takes as values of their types.
    for wrong in ({"size": "wide"}, {"time": "soon"}):
        with pytest.raises(TypeError):
            plant.render(**wrong)


def test_bad_plant_options():
    for options, arguments in [
        ({"leaf": 2}, ["--leaf", "2"]),
        ({"block": 99}, ["--block", "99"]),
        ({"shapes": "shapes/plant-shapes.txt", "leaf": 1000},
         ["--shapes", "shapes/plant-shapes.txt", "--leaf", "1000"]),
    ]:
        text = cli_failure("render", "--lsystem", "LsysExam.Lsys", *arguments, usage=True)
        expect(raised(burgeon.Plant.from_lsystem, "LsysExam.Lsys", **options), burgeon.InputError, text)
    # Ranges the command line's parser checks: the same refusal, said by the module.
    expect(raised(burgeon.Plant.from_lsystem, "LsysExam.Lsys", organ="root"), burgeon.InputError,
           "--organ needs one of internode, petiole, leaf-length, leaf-width, apex, flower, all, "
           "not 'root'")
    expect(raised(burgeon.Plant.from_lsystem, "LsysExam.Lsys", texture=16), burgeon.InputError,
           "--texture: 16 is not a whole number from 1 to 15")
    expect(raised(burgeon.Plant.from_lsystem, "LsysExam.Lsys", block=0), burgeon.InputError,
           "--block: 0 is not a whole number from 1 to 2147483647")
    expect(raised(burgeon.Plant.from_lsystem, "LsysExam.Lsys", seed=-1), burgeon.InputError,
           "--seed: -1 is not a whole number from 0 to 2147483647")
    expect(raised(burgeon.Plant.from_lsystem, "LsysExam.Lsys", max_seconds=0), burgeon.InputError,
           "--max-seconds: 0 is not a number from 0.001 to 1000000000")
    expect(raised(burgeon.Plant.from_lsystem, "LsysExam.Lsys", growth={"root": "x.txt"}),
           burgeon.InputError,
           "--growth needs one of internode, petiole, leaf-length, leaf-width, apex, flower, all, "
           "not 'root'")


def test_files_that_cannot_be_read(tmp_path):
    missing = str(tmp_path / "nothing.Lsys")
    expect(raised(burgeon.Plant.from_lsystem, missing), burgeon.FileError,
           cli_failure("render", "--lsystem", missing, "--out", tmp_path / "x.png"))
    no_data = str(tmp_path / "no-data.txt")
    error = raised(burgeon.Plant.from_lsystem, "LsysExam.Lsys", block=2, growth=no_data)
    expect(error, burgeon.FileError,
           cli_failure("render", "--lsystem", "LsysExam.Lsys", "--block", "2", "--growth", no_data,
                       "--out", tmp_path / "y.png"))
    assert [notice.kind for notice in error.notices] == ["message", "failure"]
    assert not (tmp_path / "x.png").exists() and not (tmp_path / "y.png").exists()
    for folder in (str(tmp_path), "/dev/zero"):
        expect(raised(burgeon.open_session, folder), burgeon.FileError, f"Cannot open file {folder}")


# lsystem's failures


def test_lsystem_failures(tmp_path):
    cases = {
        "header.Lsys": "Plant{\nIteration=3\nAngle=45\nDiameter=1\nAxiom=I\n}\n",
        "nan.Lsys": "Plant{\nIterations=x\nAngle=45\nDiameter=1\nAxiom=I\n}",
        "symbol.Lsys": "P{\nIterations=1\nAngle=45\nDiameter=1\nAxiom=IQ\n}\n",
    }
    for name, text in cases.items():
        path = write(tmp_path, name, text)
        expected = cli_failure("render", "--lsystem", path, "--out", tmp_path / "x.png")
        expect(raised(burgeon.Plant.from_lsystem, path, block=None), burgeon.InputError, expected)
        # The same text given as text: no file to name.
        error = raised(burgeon.Plant.from_lsystem, text, block=None)
        assert isinstance(error, burgeon.InputError)
        assert error.notices[0].text == expected.splitlines()[0]
    blocks = write(tmp_path, "blocks.Lsys",
                   "A{\nIterations=1\nAngle=45\nDiameter=1\nAxiom=I\n}\n\n"
                   "B{\nIterations=1\nAngle=45\nDiameter=wide\nAxiom=I\n}\n")
    error = raised(burgeon.Plant.from_lsystem, blocks, block=2)
    expect(error, burgeon.InputError,
           cli_failure("render", "--lsystem", blocks, "--block", "2", "--out", tmp_path / "x.png"))
    assert error.notices[0] == burgeon.Notice(
        "message", "'wide' is not a valid floating point value", f"in line 11 of {blocks}")
    expect(raised(burgeon.Plant.from_lsystem, "/no/such/file.Lsys"), burgeon.FileError,
           cli_failure("lsystem", "/no/such/file.Lsys"))
    expect(raised(burgeon.Plant.from_lsystem, "LsysExam.Lsys", block=8), burgeon.InputError,
           cli_failure("lsystem", "LsysExam.Lsys", "--block", "8", usage=True))


def test_an_lsystem_set_that_gives_no_plant_leaves_the_plant(tmp_path):
    plant = burgeon.open_session("sessions/1-soybean.burgeon", seed=3)
    before = plant.nodes
    lines = ["Plant{", "Iteration=3", "Angle=45", "Diameter=1", "Axiom=I", "}"]
    error = raised(plant.set, "lsystem", lines)
    expect(error, burgeon.InputError,
           cli_failure("render", "--session", "sessions/1-soybean.burgeon", "--set",
                       "lsystem=" + burgeon._support.json_text(lines), "--out", tmp_path / "x.png"))
    assert error.notices[0] == burgeon.Notice(
        "message", 'Iterations Error in line 2,"Iterations=N"', "")
    assert (plant.nodes == before).all()
    assert plant.settings["lsystem"][0] == "Soybean{"


# fit's failures


def test_fit_failures(tmp_path):
    cases = {"bad.txt": "0 1\n1 -2\n", "empty.txt": "\n\n", "gap.txt": "0 1 1\n1 2 2\n1,,1\n"}
    for name, text in cases.items():
        path = write(tmp_path, name, text)
        done = run_burgeon("fit", path)
        assert done.status == 1
        expected = cli_error_text(done.out.split("\nbottom: ")[0], "fit")
        expect(raised(burgeon.fit_growth, path), burgeon.InputError, expected)
    for path in (str(tmp_path / "missing.txt"), str(tmp_path), "/dev/zero"):
        done = run_burgeon("fit", path)
        expect(raised(burgeon.fit_growth, path), burgeon.FileError,
               cli_error_text(done.out.split("\nbottom: ")[0], "fit"))
    expect(raised(burgeon.fit_growth, "growth/leaf-length.txt", organ="leaf"), burgeon.InputError,
           "--organ needs one of internode, petiole, leaf-length, leaf-width, apex, flower, all, "
           "not 'leaf'")
    # Arrays are read as the file's rows: a negative size is refused on its row.
    expect(raised(burgeon.fit_growth, [0, 1], [1, -2]), burgeon.InputError, "Error Data in line 2")
    with pytest.raises(burgeon.InputError):
        burgeon.fit_growth([0, 1, 2], [[1, 2]])


# session's failures


def test_session_failures(tmp_path):
    bad = write(tmp_path, "bad.burgeon",
                '{"format": "burgeon-session", "version": 1,\n "view": {"zoom": 500}}')
    expect(raised(burgeon.open_session, bad), burgeon.InputError, cli_failure("session", bad))
    expect(raised(burgeon.open_session, bad, settings={"version": 2}), burgeon.InputError,
           cli_failure("render", "--session", bad, "--set", "version=2", "--out", tmp_path / "x.png"))
    plant = burgeon.open_session("sessions/1-soybean.burgeon", seed=1)
    for key, value in [("parameters.internodeLength", 9), ("parameters.internodeLength", "abc"),
                       ("view.zoom", [1, 2])]:
        text = cli_failure("render", "--session", "sessions/1-soybean.burgeon", "--set",
                           f"{key}={burgeon._support.json_text(value)}", "--out", tmp_path / "x.png")
        expect(raised(plant.set, key, value), burgeon.InputError, text)
    error = raised(plant.set, "parameters.nothing", 1)
    expect(error, burgeon.UnknownKeyError,
           cli_failure("render", "--session", "sessions/1-soybean.burgeon", "--set",
                       "parameters.nothing=1", "--out", tmp_path / "x.png"))
    assert isinstance(error, KeyError)
    with pytest.raises(KeyError):
        plant.settings["view.nothing"]
    assert plant.settings["parameters.internodeLength"] == 0.08


# export's bad options and outputs


def test_bad_export_requests(tmp_path):
    session = "sessions/1-soybean.burgeon"
    plant = burgeon.open_session(session, seed=1)
    cases = [
        (("refused.stl",), {}, ["--out", "refused.stl"]),
        (("refused.obj",), {"animate": (1, 10, 1)}, ["--out", "refused.obj", "--animate", "1:10:1"]),
        (("refused.glb",), {"animate": (1, 10)}, ["--out", "refused.glb", "--animate", "1:10"]),
        (("refused.glb",), {"animate": (1, 10, 0)}, ["--out", "refused.glb", "--animate", "1:10:0"]),
        (("refused.glb",), {"animate": (10, 1, 1)}, ["--out", "refused.glb", "--animate", "10:1:1"]),
        (("refused.glb",), {"fps": 10}, ["--out", "refused.glb", "--fps", "10"]),
        (("refused.glb", 3), {"animate": (1, 10, 1)},
         ["--out", "refused.glb", "--time", "3", "--animate", "1:10:1"]),
    ]
    for args, kwargs, arguments in cases:
        text = cli_failure("export", "--session", session, *arguments, usage=True)
        expect(raised(plant.export, *args, **kwargs), burgeon.InputError, text)
    missing = str(tmp_path / "missing" / "plant.glb")
    expect(raised(plant.export, missing), burgeon.FileError,
           cli_failure("export", "--session", session, "--out", missing))
    assert list(tmp_path.iterdir()) == []


EXPORT_SCRIPT = """
import resource, sys, burgeon
if len(sys.argv) > 2:
    resource.setrlimit(resource.RLIMIT_FSIZE, (int(sys.argv[2]), resource.RLIM_INFINITY))
plant = burgeon.open_session("plant.burgeon", seed=1)
try:
    plant.export(sys.argv[1])
except burgeon.FileError as error:
    print(error)
"""


@pytest.fixture(name="shared_folder")
def fixture_shared_folder():
    """A folder anyone may read, with a copy of the built module and of a session: what a
    process of another user, or the module copied elsewhere, works with."""
    folder = pathlib.Path(tempfile.mkdtemp(prefix="burgeon-python-"))
    folder.chmod(0o755)
    shutil.copytree(pathlib.Path(burgeon.__file__).parent, folder / "burgeon")
    shutil.copy(EXAMPLES / "sessions" / "1-soybean.burgeon", folder / "plant.burgeon")
    for picture in ("grass1.bmp", "sessions/soybean-leaf.bmp"):
        shutil.copy(EXAMPLES / picture, folder)
    yield folder
    shutil.rmtree(folder)


def test_a_file_size_limit_leaves_no_file(shared_folder):
    limited = str(shared_folder / "out" / "limited.gltf")
    (shared_folder / "out").mkdir()
    done = python_script(EXPORT_SCRIPT, limited, 8 * 1024, cwd=shared_folder,
                         env={**os.environ, "PYTHONPATH": str(shared_folder)})
    cli = subprocess.run(
        f"ulimit -f 8; {EXECUTABLE} export --session plant.burgeon --seed 1 --out {limited}",
        shell=True, cwd=shared_folder, capture_output=True, text=True, check=False)
    assert cli.returncode == 1
    assert done.stdout == cli.stderr, done.stderr
    assert "(file too large: the file-size limit was reached)" in done.stdout
    assert list((shared_folder / "out").iterdir()) == []


def test_a_folder_without_write_permission_is_named(shared_folder):
    as_user = []
    if os.geteuid() == 0:
        if not shutil.which("setpriv"):
            pytest.skip("the superuser needs setpriv to run Python as another user")
        as_user = ["setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"]
    locked = shared_folder / "read-only"
    locked.mkdir()
    locked.chmod(0o555)
    target = str(locked / "plant.gltf")
    done = subprocess.run(
        [*as_user, sys.executable, "-c", EXPORT_SCRIPT, target], cwd=shared_folder,
        env={**os.environ, "PYTHONPATH": str(shared_folder), "HOME": str(shared_folder)},
        capture_output=True, text=True, check=False)
    assert done.stdout == f"Cannot create file {target} (no permission to write in that folder)\n", (
        done.stdout + done.stderr)
    assert list(locked.iterdir()) == []


# animate's and video's bad options


def test_bad_films(tmp_path):
    plant = burgeon.open_session("sessions/1-soybean.burgeon", seed=1)
    expect(raised(plant.film, tmp_path / "x.avi", 10, 12, 0.5), burgeon.InputError,
           cli_failure("animate", "--session", "sessions/1-soybean.burgeon", "--video",
                       tmp_path / "x.avi", usage=True))
    missing = tmp_path / "no" / "such" / "x.mp4"
    error = raised(plant.film, missing, 10, 12, 0.5, size=(64, 48))
    assert isinstance(error, burgeon.FileError)
    assert str(error).startswith(f"Cannot create file {missing}")
    expect(raised(plant.film, tmp_path / "x.mp4", 10, 12, 0.5, fps=0), burgeon.InputError,
           "--fps: 0 is not a whole number from 1 to 240")
    assert list(tmp_path.iterdir()) == []


# shapes' failures, through a plant's shape library


def test_bad_shape_libraries(tmp_path):
    bad = write(tmp_path, "bad.txt", "name=A\npoint=0 0 0\ntriangle=1 1 130\n")
    not_a_number = write(tmp_path, "nan.txt", "name=A\npoint=0 0 0\npoint=1 x 0\n")
    for library in (bad, not_a_number, "/nonexistent/none.txt"):
        text = cli_failure("render", "--lsystem", "LsysExam.Lsys", "--shapes", library,
                           "--out", tmp_path / "x.png")
        kind = burgeon.FileError if library.startswith("/nonexistent") else burgeon.InputError
        expect(raised(burgeon.Plant.from_lsystem, "LsysExam.Lsys", shapes=library), kind, text)


def test_warnings_are_the_command_lines(tmp_path):
    session = (EXAMPLES / "sessions" / "1-soybean.burgeon").read_text()
    session = session.replace('"format": "burgeon-session",', '"format": "burgeon-session",\n  "colour": 1,')
    session = session.replace('"soybean-leaf.bmp"', '"missing-leaf.bmp"')
    path = write(tmp_path, "odd.burgeon", session)
    done = run_burgeon("render", "--session", path, "--seed", 1, "--size", "32x24", "--out",
                       tmp_path / "x.png")
    assert done.status == 0, done.err
    printed = [line[len("warning: "):] for line in done.err.splitlines()
               if line.startswith("warning: ")]
    assert len(printed) == 2
    with pytest.warns(burgeon.BurgeonWarning) as told:
        burgeon.open_session(path, seed=1)
    assert [str(warning.message) for warning in told] == printed
