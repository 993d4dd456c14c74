#!/usr/bin/env bash
# Installs what building and testing lacks (scripts/setup.sh), then builds
# every tool and test into the build folder given (default: build) and runs
# all tests. Further arguments go to cmake's configure step.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
shift || true
bash scripts/setup.sh
generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
cmake -S . -B "$dir" "${generator[@]}" -DLEAGUE_WERROR=ON -DLEAGUE_TESTS=ON "$@" >/dev/null
cmake --build "$dir" -j "$(nproc)"
ctest --test-dir "$dir" --output-on-failure --no-tests=error -j "$(nproc)"
