#!/usr/bin/python3
"""A parameter sweep on a Dask cluster: one session value set to each of several values, the
plant measured at a time for each, and the measures gathered as one pandas table.

    python3 sweep_dask.py ../sessions/4-basil.burgeon parameters.internodeLength \\
        0.06 0.08 0.1 0.12 --time 60

Without --scheduler the sweep runs on a LocalCluster of --workers processes on this machine;
with --scheduler tcp://HOST:8786 it runs on that cluster, whose workers need the burgeon
module (the plant travels to them as its session text, so they need no session file).
"""

import argparse
import json
import sys

import cloudpickle

import distributed
import numpy
import pandas

import burgeon


def measure(plant, key, value, time):
    """The plant with the value set, measured at the time: runs on a worker."""
    plant.set(key, value)
    organs = plant.organs(time)
    segments = organs[~numpy.isin(organs["organ"], ["L", "F"])]
    return {
        key: value,
        "organs": len(organs),
        "leaves": int((organs["organ"] == "L").sum()),
        "flowers": int((organs["organ"] == "F").sum()),
        "height": float(max(organs["y0"].max(), organs["y1"].max()) - organs["y0"].min()),
        "stem_length": float(segments["a"].sum()),
    }


def sweep(session, key, values, time=None, scheduler=None, workers=2, seed=1):
    """Measures the session's plant with each value of the key on a Dask cluster (a
    LocalCluster of `workers` processes unless a scheduler's address is given) and returns
    the measures as a pandas DataFrame, one row a value, in the order of the values."""
    # The workers get measure() itself, not a reference to this file, which they do not have.
    if __name__ != "__main__":
        cloudpickle.register_pickle_by_value(sys.modules[__name__])
    plant = burgeon.open_session(session, seed=seed)
    time = plant.time if time is None else time
    if scheduler:
        client = distributed.Client(scheduler)
        cluster = None
    else:
        cluster = distributed.LocalCluster(
            n_workers=workers, threads_per_worker=1, processes=True, dashboard_address=None)
        client = distributed.Client(cluster)
    try:
        futures = client.map(measure, [plant] * len(values), [key] * len(values), values,
                             [time] * len(values), pure=False)
        rows = client.gather(futures)
    finally:
        client.close()
        if cluster is not None:
            cluster.close()
    return pandas.DataFrame(rows)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("session", help="the session file (.burgeon)")
    parser.add_argument("key", help="the session value swept, by its key path")
    parser.add_argument("values", nargs="+", help="the values, as JSON (0.1, true, [1,2,3])")
    parser.add_argument("--time", type=float, help="the time measured (default: the session's)")
    parser.add_argument("--scheduler", help="a Dask scheduler's address (default: a LocalCluster)")
    parser.add_argument("--workers", type=int, default=2, help="LocalCluster processes")
    parser.add_argument("--seed", type=int, default=1, help="the plant's seed")
    arguments = parser.parse_args()
    values = [json.loads(value) for value in arguments.values]
    table = sweep(arguments.session, arguments.key, values, arguments.time, arguments.scheduler,
                  arguments.workers, arguments.seed)
    print(table.to_string(index=False))


if __name__ == "__main__":
    main()
