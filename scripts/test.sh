#!/bin/sh
# Sets up, builds with the sanitizers and runs the whole test suite.
set -eu
cd "$(dirname "$0")/.."
./scripts/setup.sh
# CMAKE_BUILD_PARALLEL_LEVEL and CTEST_PARALLEL_LEVEL limit the parallel jobs (default: all cores).
jobs=${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}
tests=${CTEST_PARALLEL_LEVEL:-$(nproc)}
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQBY_SANITIZE=ON >/dev/null
cmake --build build/test -j "$jobs"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export LSAN_OPTIONS="suppressions=$(pwd)/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --test-dir build/test --output-on-failure -j "$tests" "$@"
