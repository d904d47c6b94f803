#!/usr/bin/python3
"""Times the Python module's organs() and render() on the bench session and compares them with
the same engine calls in C++ (BM_EngineOrganTable and BM_EnginePicture of burgeon_bench), on
the bench plant (examples/bench/bushy.burgeon, made by scripts/make-bench-plant.sh) at time 60.

    make bench                     # builds build/release (the module too) and the benchmarks
    /usr/bin/python3 bench/python_bench.py [BUILD_DIR]

BUILD_DIR defaults to build/release. Both run from the source tree's root, as `make bench`
runs the benchmarks, so both read the land's texture from the same folder.
"""

import json
import os
import pathlib
import subprocess
import sys
import time

ROOT = pathlib.Path(__file__).resolve().parent.parent
SESSION = ROOT / "examples" / "bench" / "bushy.burgeon"
TIME = 60.0
MIN_SECONDS = 2.0


def mean_milliseconds(call):
    """The mean wall and CPU time of this thread a call takes, over repetitions taking at
    least MIN_SECONDS after one warm-up call (as Google Benchmark gives real and CPU time)."""
    call()
    repetitions = 0
    started = time.perf_counter()
    started_cpu = time.thread_time()
    while True:
        call()
        repetitions += 1
        elapsed = time.perf_counter() - started
        if elapsed >= MIN_SECONDS and repetitions >= 10:
            cpu = time.thread_time() - started_cpu
            return elapsed / repetitions * 1000.0, cpu / repetitions * 1000.0, repetitions


def cxx_milliseconds(build):
    done = subprocess.run(
        [str(build / "bench" / "burgeon_bench"), "--benchmark_filter=BM_Engine",
         "--benchmark_format=json"],
        cwd=ROOT, capture_output=True, text=True, check=True)
    results = json.loads(done.stdout)["benchmarks"]
    return {result["name"].split("/")[0]: (result["real_time"], result["cpu_time"])
            for result in results}


def main():
    build = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ROOT / "build" / "release")
    sys.path.insert(0, str(build.resolve() / "python"))
    import burgeon  # pylint: disable=import-outside-toplevel

    os.chdir(ROOT)
    plant = burgeon.open_session(SESSION, seed=1)
    organs = len(plant.organs(TIME))
    python = {
        "BM_EngineOrganTable": mean_milliseconds(lambda: plant.organs(TIME)),
        "BM_EnginePicture": mean_milliseconds(lambda: plant.render(TIME, size=(800, 600))),
    }
    cxx = cxx_milliseconds(build)
    print(f"bench session: {organs} organs at time {TIME:g}; load average "
          f"{' '.join(f'{load:.2f}' for load in os.getloadavg())}")
    print(f"{'call':<34}{'Python ms':>11}{'C++ ms':>9}{'ratio':>7}"
          f"{'Python CPU':>12}{'C++ CPU':>9}{'ratio':>7}")
    for name, label in (("BM_EngineOrganTable", "plant.organs(60)"),
                        ("BM_EnginePicture", "plant.render(60, size=(800, 600))")):
        wall, cpu, repetitions = python[name]
        cxx_wall, cxx_cpu = cxx[name]
        print(f"{label:<34}{wall:>11.3f}{cxx_wall:>9.3f}{wall / cxx_wall:>7.3f}"
              f"{cpu:>12.3f}{cxx_cpu:>9.3f}{cpu / cxx_cpu:>7.3f}   ({repetitions} calls)")
    print("(CPU: the calling thread's; the OpenGL driver draws on threads of its own)")


if __name__ == "__main__":
    main()
