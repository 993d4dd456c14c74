#!/usr/bin/env bash
# Builds every tool and test into the build folder given (default: build) and
# runs all tests. Further arguments go to cmake's configure step.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
shift || true
generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
cmake -S . -B "$dir" "${generator[@]}" -DLEAGUE_WERROR=ON -DLEAGUE_TESTS=ON "$@" >/dev/null
cmake --build "$dir" -j "$(nproc)"
ctest --test-dir "$dir" --output-on-failure --no-tests=error -j "$(nproc)"
