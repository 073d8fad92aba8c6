#!/usr/bin/env bash
# Sets up what is missing, builds Molvane in Release and starts the editor. Arguments go to molvane.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/ensure_packages.sh
./scripts/build.sh build
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No display found: run it under a desktop session, or without one as: xvfb-run -a ./run.sh" >&2
    exit 1
fi
exec build/molvane "$@"
