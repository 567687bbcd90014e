#!/usr/bin/env bash
# run-all.sh: the whole test suite, as CI runs it. Run as root, it installs what is missing.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake ninja-build g++ libgtest-dev time clang-format clang-tidy)
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
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

stage() { printf '\n==== %s\n' "$*"; }

stage "native release build and tests"
cmake --preset release
cmake --build --preset release
ctest --preset release

stage "format and static analysis"
sources=(src/*/*.cpp src/*/*.hpp tests/*.cpp tests/*.hpp)
clang-format --dry-run --Werror "${sources[@]}"
clang-tidy --quiet -p build/release src/*/*.cpp
