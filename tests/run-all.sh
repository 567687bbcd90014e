#!/usr/bin/env bash
# run-all.sh: the whole test suite, as CI runs it. Run as root, it installs what is missing.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake ninja-build g++ libgtest-dev time clang-format clang-tidy
    dosfstools mtools clang libclang-rt-14-dev valgrind groff-base
    g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64 wine wine64)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
        missing+=("$package")
done
if ((${#missing[@]} > 0)); then
    if [[ $(id -u) -ne 0 ]]; then
        echo "missing packages: ${missing[*]} (sudo apt-get install ${missing[*]})" >&2
        exit 1
    fi
    apt-get update -q
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}"
fi

stage() { printf '\n==== %s\n' "$*"; }

# Every ctest run adds to the closing count.
passed=0
ctest_counted() {
    local log
    log=$(mktemp)
    ctest "$@" | tee "$log"
    local total
    total=$(sed -n 's/.*tests passed, 0 tests failed out of \([0-9]*\)$/\1/p' "$log")
    passed=$((passed + ${total:-0}))
    rm -f "$log"
}

stage "native release build"
cmake --preset release
cmake --build --preset release

stage "format and static analysis"
sources=(src/*/*.cpp src/*/*.hpp tests/*.cpp tests/*.hpp fuzz/*.cpp fuzz/*.hpp)
clang-format --dry-run --Werror "${sources[@]}"
# Findings go to standard output; standard error only counts what system headers hid.
clang-tidy --quiet -p build/release src/*/*.cpp 2>/dev/null

stage "native tests"
ctest_counted --preset release

stage "startup cost: instructions against the floor program"
bash bench/run.sh --quick

stage "the whole suite under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake --preset asan
cmake --build --preset asan
ctest_counted --preset asan

stage "fuzzing, ${LFNSUM_FUZZ_SECONDS:=30} seconds a target"
cmake --preset fuzz
cmake --build --preset fuzz
for target in checksum run; do
    corpus=$(mktemp -d)  # new inputs go here, not into the committed corpus
    log=$(mktemp)
    if ! build/fuzz/${target}_fuzzer -max_total_time="$LFNSUM_FUZZ_SECONDS" -print_final_stats=1 \
        "$corpus" "fuzz/corpus/$target" >"$log" 2>&1; then
        tail -n 60 "$log" >&2
        echo "the $target fuzzer failed" >&2
        exit 1
    fi
    echo "$target: $(grep -E '^stat::number_of_executed_units' "$log")"
    rm -rf "$corpus" "$log"
done

stage "Windows executable, tested under Wine"
cmake --preset mingw
cmake --build --preset mingw
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wineserver --kill 2>/dev/null || true
wineserver --persistent                 # one server for all the runs, not one each
trap 'wineserver --kill 2>/dev/null || true' EXIT
wineboot --init >/dev/null 2>&1 || true  # makes the Wine prefix on a first run
cmake --preset wine
cmake --build --preset wine
ctest_counted --preset wine

stage "install rules and packages"
bash tests/check-packages.sh

printf '\ntests: %d passed, 0 failed\n' "$passed"
