#!/usr/bin/env bash
# Builds the benchmarks in Release (build-bench/), runs every case beside its plain public-API twin with
# repetitions, and prints one table of medians and ratios. The repetitions of all the cases of a binary
# run in random order, so a case and its twin are measured over the same stretch of time: a machine
# slowed for a while by its neighbours slows both.
#   ./bench.sh                  15 short repetitions of every case (a few minutes)
#   ./bench.sh --quick          1 repetition, short runs: a check that everything runs
#   ./bench.sh --time cpu       compare the CPU time of the benchmark thread instead of wall-clock time
set -euo pipefail
cd "$(dirname "$0")"

repetitions=15
min_time=0.2
report=()
while [ $# -gt 0 ]; do
    case "$1" in
        --quick) repetitions=1; min_time=0.05 ;;
        --time) report+=(--time "$2"); shift ;;
        *) echo "unknown option: $1" >&2; exit 2 ;;
    esac
    shift
done

./scripts/ensure_packages.sh python3
dir=build-bench
nice -n 10 ./scripts/build.sh "$dir" -DMOLVANE_BUILD_BENCH=ON -DMOLVANE_BUILD_TESTS=OFF

export QT_QPA_PLATFORM=offscreen
export MOLVANE_DATA_DIR="$PWD/$dir/bench-data"
args=(--benchmark_repetitions="$repetitions" --benchmark_report_aggregates_only=true
      --benchmark_enable_random_interleaving=true
      --benchmark_min_time="$min_time" --benchmark_out_format=json)
for exe in molvane_bench molvane_bench_view; do
    echo "Running $exe ..." >&2
    "$dir/$exe" "${args[@]}" --benchmark_out="$dir/$exe.json" >/dev/null
done
python3 bench/report.py "${report[@]}" "$dir/molvane_bench.json" "$dir/molvane_bench_view.json"
