"""The sweeps of inverter on a Dask distributed cluster.

Each function takes a dask.distributed Client, local (LocalCluster) or connected to a remote
scheduler, cuts the points into blocks, computes each block as one task on the cluster's
workers, and returns the rows in index order: the rows of the same function of the module,
equal to the command line's CSV read back.

A block is a shard of the command line (--shard K/M): the points whose index is K modulo M.
"""

import inverter


def _shard_rows(function, shard, args, keywords):
    """The rows of one block, on a worker: inverter.<function>(*args, shard=shard, ...)."""
    return getattr(inverter, function)(*args, jobs=1, shard=shard, **keywords)


def _rows_in_blocks(client, function, points, blocks, args, keywords):
    if blocks is None:
        # A few blocks a worker thread, so that a slow block does not hold up the end.
        blocks = 4 * max(1, sum(client.nthreads().values()))
    blocks = max(1, min(int(blocks), points))
    # A shard past the last point computes nothing: the arguments are checked here, and a
    # refusal raised before any task is sent.
    _shard_rows(function, (points, points + 1), args, keywords)
    futures = [
        client.submit(_shard_rows, function, (k, blocks), args, keywords, pure=False)
        for k in range(blocks)
    ]
    rows = [row for block in client.gather(futures) for row in block]
    rows.sort(key=lambda row: row["index"])
    return rows


def sweep(client, param, start, stop, steps, log=False, blocks=None, **fixed):
    """inverter.sweep(param, start, stop, steps, log=log, **fixed) on the cluster of `client`.

    The steps + 1 points are computed in `blocks` tasks (by default four a worker thread), each
    on one thread of its worker; the rows come back in index order.
    """
    return _rows_in_blocks(client, "sweep", steps + 1, blocks, (param, start, stop, steps),
                           dict(fixed, log=log))
