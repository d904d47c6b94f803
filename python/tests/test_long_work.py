"""Long work releases the GIL, tells its progress, stops at Ctrl-C (KeyboardInterrupt) or past
max_seconds, and leaves no file when it stops."""

import signal
import threading
import time

import pytest

import burgeon
from conftest import EXAMPLES, python_script

LONG_LSYSTEM = "P{\nIterations=2000000\nAngle=45\nDiameter=1\nAxiom=A\nA=IA\n}\n"


def test_a_long_compilation_stops_at_its_time_limit():
    started = time.monotonic()
    with pytest.raises(burgeon.TimeLimitError) as caught:
        burgeon.Plant.from_lsystem(LONG_LSYSTEM, max_seconds=0.3)
    assert time.monotonic() - started < 10
    assert str(caught.value) == "the compilation stopped: it took longer than max_seconds=0.3"
    assert isinstance(caught.value, TimeoutError)
    plant = burgeon.Plant.from_lsystem("LsysExam.Lsys", seed=1)
    before = plant.result_string
    with pytest.raises(burgeon.TimeLimitError):
        plant.set("lsystem", LONG_LSYSTEM.splitlines(), max_seconds=0.3)
    assert plant.result_string == before


def test_a_compilation_stops_when_its_progress_callback_raises():
    plant = burgeon.Plant.from_lsystem("LsysExam.Lsys", block=1, seed=1)
    plant.set("parameters.turnStep", 30)
    told = []
    report = plant.compile(progress=told.append)
    assert report.completed and told[0] == 0 and told[-1] == 100
    assert plant.settings["parameters.turnStep"] == 45  # the header's Angle

    def interrupt(percent):
        if percent > 0:
            raise KeyboardInterrupt

    plant.set("parameters.turnStep", 30)
    with pytest.raises(KeyboardInterrupt):
        plant.compile(progress=interrupt)
    assert plant.settings["parameters.turnStep"] == 30


CTRL_C = """
import os, signal, sys, threading, time, burgeon
threading.Timer(float(sys.argv[1]), os.kill, (os.getpid(), signal.SIGINT)).start()
started = time.monotonic()
try:
    burgeon.Plant.from_lsystem(sys.argv[2])
except KeyboardInterrupt:
    print("interrupted after", round(time.monotonic() - started, 1))
"""


def test_ctrl_c_stops_a_long_compilation():
    done = python_script(CTRL_C, 1.0, LONG_LSYSTEM)
    assert done.returncode == 0, done.stderr
    assert done.stdout.startswith("interrupted after"), done.stdout + done.stderr
    assert float(done.stdout.split()[-1]) < 10


def test_the_gil_is_released_while_the_work_goes_on():
    ticks = []
    stop = threading.Event()

    def tick():
        while not stop.is_set():
            ticks.append(1)
            time.sleep(0.01)

    ticker = threading.Thread(target=tick)
    ticker.start()
    with pytest.raises(burgeon.TimeLimitError):
        burgeon.Plant.from_lsystem(LONG_LSYSTEM, max_seconds=0.5)
    stop.set()
    ticker.join()
    assert len(ticks) > 10


def test_progress_runs_to_the_end_and_its_errors_stop_the_work(tmp_path):
    told = []
    plant = burgeon.Plant.from_lsystem("LsysExam.Lsys", block=1, seed=1, progress=told.append)
    assert told[0] == 0 and told[-1] == 100 and told == sorted(told)

    def refuse(percent):
        if percent > 10:
            raise RuntimeError("enough")

    for long_work in (
        lambda: plant.export(tmp_path / "plant.gltf", progress=refuse),
        lambda: plant.export(tmp_path / "growing.glb", animate=(1, 150, 1), progress=refuse),
        lambda: plant.film(tmp_path / "plant.mp4", 1, 30, 1, size=(64, 48), progress=refuse),
    ):
        with pytest.raises(RuntimeError, match="enough"):
            long_work()
    assert list(tmp_path.iterdir()) == []


def test_ctrl_c_during_an_export_or_a_film_leaves_no_file(tmp_path):
    plant = burgeon.open_session(EXAMPLES / "sessions/3-azalea.burgeon", seed=1)

    def interrupt(percent):
        if percent >= 20:
            signal.raise_signal(signal.SIGINT)

    with pytest.raises(KeyboardInterrupt):
        plant.export(tmp_path / "growing.gltf", animate=(1, 100, 1), progress=interrupt)
    with pytest.raises(KeyboardInterrupt):
        plant.film(tmp_path / "growing.webm", 1, 40, 1, size=(64, 48), progress=interrupt)
    assert list(tmp_path.iterdir()) == []


def test_max_seconds_ends_an_export_and_a_film_with_nothing_written(tmp_path):
    plant = burgeon.open_session(EXAMPLES / "sessions/3-azalea.burgeon", seed=1)
    with pytest.raises(burgeon.TimeLimitError, match="the export stopped"):
        plant.export(tmp_path / "growing.glb", animate=(1, 150, 0.1), max_seconds=0.2)
    with pytest.raises(burgeon.TimeLimitError, match="the film stopped"):
        plant.film(tmp_path / "growing.mp4", 1, 150, 0.5, size=(320, 240), max_seconds=0.2)
    assert list(tmp_path.iterdir()) == []
