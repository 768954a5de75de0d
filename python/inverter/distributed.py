"""The sweeps and tolerance analyses of inverter on a Dask distributed cluster.

Each function takes a dask.distributed Client, local (LocalCluster) or connected to a remote
scheduler, cuts the rows into blocks, computes each block as one task on the cluster's
workers, and returns the rows in index order: the rows of the same function of the module,
equal to the command line's CSV read back.

A block is a shard of the command line (--shard K/M): the rows whose index is K modulo M.
"""

import inverter


def _shard_rows(function, shard, args, keywords):
    """The rows of one block, on a worker: inverter.<function>(*args, shard=shard, ...)."""
    return getattr(inverter, function)(*args, jobs=1, shard=shard, **keywords)


# A shard that no analysis reaches: more rows than a sweep has points (2^40 + 1 at the most) or
# a tolerance analysis rows (2^10 corners and 2^40 samples at the most).
_PAST_THE_LAST_ROW = (2**62 - 1, 2**62)


def _rows_in_blocks(client, function, points, blocks, args, keywords):
    """The rows of inverter.<function>(*args, **keywords) in `blocks` tasks on the cluster; with
    the number of rows, `points`, known, no more blocks than rows."""
    if blocks is None:
        # A few blocks a worker thread, so that a slow block does not hold up the end.
        blocks = 4 * max(1, sum(client.nthreads().values()))
    blocks = max(1, int(blocks) if points is None else min(int(blocks), points))
    # A shard past the last row computes nothing: the arguments are checked here, and a
    # refusal raised before any task is sent.
    _shard_rows(function, _PAST_THE_LAST_ROW, args, keywords)
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


def tolerance(client, tol, blocks=None, **arguments):
    """inverter.tolerance(tol, **arguments) on the cluster of `client`.

    The corners and samples are computed in `blocks` tasks (by default four a worker thread),
    each on one thread of its worker; the rows come back in index order.
    """
    return _rows_in_blocks(client, "tolerance", None, blocks, (tol,), arguments)
