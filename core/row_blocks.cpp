#include "core/row_blocks.h"

#include <atomic>
#include <thread>

namespace {

// Rows a thread takes in a block: enough to keep it busy between the blocks' hand-overs.
constexpr std::int64_t RowsPerThreadInBlock = 64;

} // namespace

std::int64_t ShardRowCount(const RowSplit& split) {
    return split.shard >= split.rows ? 0 : (split.rows - 1 - split.shard) / split.shards + 1;
}

std::int64_t ShardRowIndex(const RowSplit& split, std::int64_t position) {
    return split.shard + position * split.shards;
}

std::int64_t RowsPerBlock(int jobs) {
    return std::max(jobs, 1) * RowsPerThreadInBlock;
}

void RunEach(std::size_t count, int jobs, const std::function<void(std::size_t)>& work) {
    std::atomic<std::size_t> next{0};
    const auto worker = [&] {
        for (std::size_t i = next++; i < count; i = next++) {
            work(i);
        }
    };
    const auto threads = std::min(static_cast<std::size_t>(std::max(jobs, 1)), count);
    std::vector<std::jthread> helpers;
    for (std::size_t t = 1; t < threads; ++t) {
        helpers.emplace_back(worker);
    }
    worker();
}
