#!/usr/bin/env bash
# Measures the editor's start-up against a bare Japanese Qt window (bench/startup_twin): the time until
# each shows its window and its resident memory one second later, medians of 9 alternating runs.
# Without a display it runs them under a private Xvfb server.
#   bench/startup.sh [--runs N]
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/ensure_packages.sh python3
dir=build-bench
nice -n 10 ./scripts/build.sh "$dir" -DMOLVANE_BUILD_BENCH=ON -DMOLVANE_BUILD_TESTS=OFF
run=(python3 bench/startup.py "$dir/molvane" "$dir/molvane_startup_twin" "$@")
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1600x1000x24" "${run[@]}"
fi
exec "${run[@]}"
