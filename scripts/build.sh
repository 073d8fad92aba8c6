#!/usr/bin/env bash
# Configures (once) and builds Molvane. Usage: scripts/build.sh BUILD_DIR [cmake options...]
set -euo pipefail
cd "$(dirname "$0")/.."
dir=$1
shift
if [ ! -f "$dir/build.ninja" ]; then
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
elif [ $# -gt 0 ]; then
    cmake "$dir" "$@" >/dev/null
fi
cmake --build "$dir" -- -j"$(nproc)" | grep -v '^\[' || true
# ninja's own status lines are dropped above; a failed build must still fail.
cmake --build "$dir" -- -j"$(nproc)" >/dev/null
