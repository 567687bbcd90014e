#!/usr/bin/env bash
# run.sh: what a run of lfnsum costs, beside the floor: a static C program that lays out the
# name, computes the same checksum and prints the line with one printf.
#   bash bench/run.sh          all figures: instructions, wall time, the checksum core, 1 GiB
#   bash bench/run.sh --quick  the instruction ratio alone (deterministic; the test command's)
# Needs valgrind, and for the full run hyperfine, jq and libbenchmark-dev.
set -euo pipefail
cd "$(dirname "$0")/.."
quick=false
[[ ${1:-} == --quick ]] && quick=true

instruction_goal=1.25
wall_goal=1.15
out=build/bench-run
mkdir -p "$out"

# The tool as a newcomer builds it, with no options beyond the build type.
cmake -S . -B build/plain -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/plain --target lfnsum >/dev/null
lfnsum=build/plain/lfnsum
floor=$out/floor
cc -O2 -static bench/floor.c -o "$floor"
if [[ $("$floor" readme.txt) != $("$lfnsum" readme.txt) ]]; then
    echo "the floor program does not print what lfnsum prints" >&2
    exit 1
fi

instructions() {
    valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" 2>&1 >/dev/null |
        sed -n 's/.*Collected : *\([0-9]*\).*/\1/p'
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", a / b }'; }
within() { awk -v r="$1" -v g="$2" 'BEGIN { exit !(r <= g) }'; }

floor_instructions=$(instructions "$floor" readme.txt)
lfnsum_instructions=$(instructions "$lfnsum" readme.txt)
instruction_ratio=$(ratio "$lfnsum_instructions" "$floor_instructions")
echo "instructions: lfnsum $lfnsum_instructions, floor $floor_instructions," \
    "ratio $instruction_ratio (goal $instruction_goal)"
failed=false
within "$instruction_ratio" "$instruction_goal" || failed=true

if ! $quick; then
    # Rounds in alternating order, so that drift in the machine's speed falls on both alike;
    # the figure is the median of each round's median.
    medians=()
    for round in 1 2 3 4 5 6; do
        if ((round % 2)); then first=$floor second=$lfnsum; else first=$lfnsum second=$floor; fi
        hyperfine -N --style none --warmup 30 --runs 100 --export-json "$out/round.json" \
            "$first readme.txt" "$second readme.txt" >/dev/null 2>&1
        medians+=("$(jq -r '.results[] | "\(.command) \(.median)"' "$out/round.json")")
    done
    median_of() {
        printf '%s\n' "${medians[@]}" | awk -v p="$1 readme.txt" '$1 " " $2 == p { print $3 }' |
            sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
    }
    floor_wall=$(median_of "$floor")
    lfnsum_wall=$(median_of "$lfnsum")
    wall_ratio=$(ratio "$lfnsum_wall" "$floor_wall")
    awk -v l="$lfnsum_wall" -v f="$floor_wall" -v r="$wall_ratio" -v g="$wall_goal" 'BEGIN {
        printf "wall time: lfnsum %.1f us, floor %.1f us, ratio %s (goal %s)\n", l * 1e6, f * 1e6, r, g }'
    within "$wall_ratio" "$wall_goal" || failed=true

    cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DLFNSUM_BENCHMARKS=ON \
        -DBUILD_TESTING=OFF >/dev/null
    cmake --build build/bench --target checksum_benchmark >/dev/null
    build/bench/checksum_benchmark --benchmark_format=json --benchmark_min_time=0.5 \
        2>/dev/null >"$out/core.json"
    jq -r '.context.mhz_per_cpu as $mhz | .benchmarks[] |
        "checksum core, \(.name): \(.real_time * 100 | round / 100) ns a checksum" +
        " (the 22-cycle chain takes \(22000 / $mhz * 100 | round / 100) ns at the nominal \($mhz) MHz)"' \
        "$out/core.json"

    word=$out/word-1GiB
    head -c $((1 << 30)) /dev/zero | tr '\0' 'w' >"$word"
    echo >>"$word"
    /usr/bin/time -f '%e %M' -o "$out/word.time" "$lfnsum" <"$word" >/dev/null
    read -r seconds peak_kib <"$out/word.time"
    awk -v s="$seconds" -v k="$peak_kib" 'BEGIN {
        printf "a typed word of 1 GiB: %.2f s, %.0f MB/s, peak memory %d KiB\n", s, 1073741824 / s / 1e6, k }'
    rm -f "$word"
fi

if $failed; then
    echo "over the goal" >&2
    exit 1
fi
