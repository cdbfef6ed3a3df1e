#!/bin/sh
# Sets up, builds (optimised) and starts the program. Arguments go to the program.
set -eu
cd "$(dirname "$0")/.."
./scripts/setup.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DQBY_TESTS=OFF >/dev/null
# CMAKE_BUILD_PARALLEL_LEVEL limits the parallel jobs (default: all cores).
cmake --build build/release --target quellbay -j "${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}"
exec build/release/bin/quellbay "$@"
