#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, AddressSanitizer and UndefinedBehaviorSanitizer
# (build-fuzz/), writes fresh seeds with the program's own writers and runs every target for a while.
#   ./fuzz.sh [seconds-per-target]    default 20
# Prints one line per target (executions, findings) and exits non-zero when any target found a crash,
# a leak, a timeout or ran out of memory. What a target found is in build-fuzz/findings/<target>/,
# its output in build-fuzz/findings/<target>.log.
set -euo pipefail
cd "$(dirname "$0")"

seconds=${1:-20}
if ! [[ $seconds =~ ^[0-9]+$ ]] || [ "$seconds" -eq 0 ]; then
    echo "usage: $0 [seconds-per-target]" >&2
    exit 2
fi

./scripts/ensure_packages.sh clang libclang-rt-14-dev

dir=build-fuzz
if [ ! -f "$dir/build.ninja" ]; then
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
        -DMOLVANE_BUILD_FUZZ=ON -DMOLVANE_BUILD_TESTS=OFF >/dev/null
fi
# Only the targets and what they link: the window library is not needed here.
cmake --build "$dir" --target molvane_fuzz -- -j"$(nproc)" | grep -v '^\[' || true
cmake --build "$dir" --target molvane_fuzz -- -j"$(nproc)" >/dev/null

mapfile -t targets < "$dir/fuzz/targets.txt"
rm -rf "$dir/corpus" "$dir/findings"
ASAN_OPTIONS=detect_leaks=0 "$dir/fuzz/make_seeds" "$dir/corpus" >/dev/null

# AddressSanitizer keeps the stack of every allocation, and its fast unwinder follows frame pointers,
# which Qt is built without: past the first frame inside Qt it reads whatever the stack holds, so the
# stacks come out different on almost every input and the store of unique stacks (never freed) grows
# until the target runs out of memory after a few hundred thousand inputs. Two frames (the allocator
# and its caller) keep it bounded; the stack of an error itself is unwound in full. To see where a
# finding's memory was allocated or freed, run its artifact again with fast_unwind_on_malloc=0.
export ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=0:malloc_context_size=2
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
failed=0
printf '%-28s %14s  %s\n' target executions findings
for target in "${targets[@]}"; do
    [ -n "$target" ] || continue
    findings="$dir/findings/$target"
    mkdir -p "$findings" "$dir/corpus/$target"
    status=0
    "$dir/fuzz/$target" "$dir/corpus/$target" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 \
        -print_final_stats=1 -artifact_prefix="$findings/" >"$findings.log" 2>&1 || status=$?
    executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$findings.log" | tail -n 1)
    found=$(find "$findings" -type f \( -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' \
        -o -name 'oom-*' \) | wc -l)
    note=""
    if [ "$found" -eq 0 ] && [ "$status" -ne 0 ]; then
        note="  (exited with $status, see $findings.log)"
        found=1
    fi
    [ "$found" -eq 0 ] || failed=1
    printf '%-28s %14s  %s%s\n' "$target" "${executions:-0}" "$found" "$note"
done
exit "$failed"
