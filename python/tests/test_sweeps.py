"""A parameter sweep across processes: plants travel to workers as their session text, through
concurrent.futures and a two-worker Dask cluster."""

import concurrent.futures
import multiprocessing
import os
import pickle
import sys

import pytest

import burgeon
from conftest import SOURCE

# Dask's event loop still uses Tornado's deprecated calls.
pytestmark = pytest.mark.filterwarnings("ignore::DeprecationWarning")

LENGTHS = [0.06, 0.08, 0.10, 0.12]


def organs_with_length(plant, length):
    """Run in a worker: the plant arrives pickled, in the worker's own folder."""
    plant.set("parameters.internodeLength", length)
    table = plant.organs(60)
    return length, len(table), float(table["y1"].max()), plant.render(60, size=(32, 24)).shape


def expected(plant):
    results = []
    for length in LENGTHS:
        mine = plant.copy()
        results.append(organs_with_length(mine, length))
    return results


def test_a_process_pool_sweep():
    plant = burgeon.open_session("sessions/4-basil.burgeon", seed=2)
    context = multiprocessing.get_context("spawn")
    with concurrent.futures.ProcessPoolExecutor(max_workers=2, mp_context=context) as pool:
        results = list(pool.map(organs_with_length, [plant] * len(LENGTHS), LENGTHS))
    assert results == expected(plant)
    heights = [height for _, _, height, _ in results]
    assert heights == sorted(heights) and heights[0] < heights[-1]


def test_a_two_worker_dask_cluster_sweep():
    distributed = pytest.importorskip("distributed")
    plant = burgeon.open_session("sessions/4-basil.burgeon", seed=2)
    with distributed.LocalCluster(n_workers=2, threads_per_worker=1, processes=True,
                                  dashboard_address=None) as cluster:
        with distributed.Client(cluster) as client:
            futures = client.map(organs_with_length, [plant] * len(LENGTHS), LENGTHS, pure=False)
            results = client.gather(futures)
    assert results == expected(plant)


def test_the_dask_example_gathers_a_pandas_table(tmp_path):
    sys.path.insert(0, str(SOURCE / "examples" / "python"))
    try:
        import sweep_dask  # pylint: disable=import-outside-toplevel
    finally:
        sys.path.pop(0)
    table = sweep_dask.sweep(
        SOURCE / "examples" / "sessions" / "4-basil.burgeon", "parameters.internodeLength",
        [0.06, 0.1], time=60, workers=2)
    assert list(table["parameters.internodeLength"]) == [0.06, 0.1]
    assert {"organs", "height", "leaves"} <= set(table.columns)
    assert table["height"].iloc[0] < table["height"].iloc[1]
