// checksum_benchmark.cpp: the cost of one checksum. Its limit is the dependency chain: 11
// rotate-and-add steps, each waiting for the one before, about 22 cycles; independent checksums
// can overlap and go faster than that, chained ones cannot.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>

#include "checksum/lfn_checksum.hpp"

namespace {

void one_checksum(benchmark::State& state) {
    std::array<unsigned char, lfnsum::short_name_length> field = {'R', 'E', 'A', 'D', 'M', 'E',
                                                                  ' ', ' ', 'T', 'X', 'T'};
    for (auto _ : state) {
        benchmark::DoNotOptimize(field);  // a fresh field every time, not a folded constant
        std::uint8_t checksum = lfnsum::lfn_checksum(field);
        benchmark::DoNotOptimize(checksum);
    }
}
BENCHMARK(one_checksum);

// Each checksum feeds the first byte of the next, so they cannot overlap: the chain's latency.
void chained_checksums(benchmark::State& state) {
    std::array<unsigned char, lfnsum::short_name_length> field = {'R', 'E', 'A', 'D', 'M', 'E',
                                                                  ' ', ' ', 'T', 'X', 'T'};
    for (auto _ : state) {
        field[0] = lfnsum::lfn_checksum(field);
    }
    benchmark::DoNotOptimize(field);
}
BENCHMARK(chained_checksums);

}  // namespace

BENCHMARK_MAIN();
