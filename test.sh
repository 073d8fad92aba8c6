#!/usr/bin/env bash
# Sets up what is missing, builds Molvane and its tests, and runs them.
#   ./test.sh              the test suite (build/)
#   ./test.sh --sanitize   the same suite built with AddressSanitizer and UndefinedBehaviorSanitizer
#                          (build-sanitize/)
set -euo pipefail
cd "$(dirname "$0")"
./scripts/ensure_packages.sh

dir=build
options=()
if [ "${1:-}" = "--sanitize" ]; then
    dir=build-sanitize
    options=(-DMOLVANE_SANITIZE=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo)
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
fi
./scripts/build.sh "$dir" "${options[@]}"
cd "$dir"
ctest --output-on-failure -j"$(nproc)"
