#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

// Rows of a long computation, spread over threads and, through shards, over machines. A shard
// takes the rows whose index is `shard` modulo `shards`; it computes them a block at a time,
// each thread taking the block's next row, and hands the block on in index order once it is
// complete: what comes out is the same whatever the number of threads, and memory stays
// bounded however many rows there are.

struct RowSplit {
    std::int64_t rows = 0; // rows 0 .. rows - 1 in all
    std::int64_t shard = 0;
    std::int64_t shards = 1;
    int jobs = 1; // threads
};

// How many rows the shard takes.
std::int64_t ShardRowCount(const RowSplit& split);

// The index of the shard's row at `position` (0 for its first).
std::int64_t ShardRowIndex(const RowSplit& split, std::int64_t position);

// How many rows a block holds with `jobs` threads.
std::int64_t RowsPerBlock(int jobs);

// Calls work(0) .. work(count - 1), each once, over at most `jobs` threads (the calling one
// among them); returns when all are done.
void RunEach(std::size_t count, int jobs, const std::function<void(std::size_t)>& work);

// Computes the shard's rows, `compute(index)` on any thread, and hands each block in index
// order to `take(indices, rows)` on the calling thread; `take` returns false to stop. Returns
// whether every row was taken.
template <typename Row, typename Compute, typename Take>
bool RunRowBlocks(const RowSplit& split, Compute compute, Take take) {
    const std::int64_t count = ShardRowCount(split);
    const std::int64_t block = RowsPerBlock(split.jobs);
    const auto held = static_cast<std::size_t>(std::min(block, count));
    std::vector<Row> rows(held);
    std::vector<std::int64_t> indices(held);
    for (std::int64_t first = 0; first < count; first += block) {
        const auto size = static_cast<std::size_t>(std::min(block, count - first));
        for (std::size_t i = 0; i < size; ++i) {
            indices[i] = ShardRowIndex(split, first + static_cast<std::int64_t>(i));
        }
        RunEach(size, split.jobs, [&](std::size_t i) { rows[i] = compute(indices[i]); });
        if (!take(std::span<const std::int64_t>(indices.data(), size),
                  std::span<const Row>(rows.data(), size))) {
            return false;
        }
    }
    return true;
}
