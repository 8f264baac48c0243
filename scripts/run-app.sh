#!/usr/bin/env bash
# Builds and starts the application. Without a display it runs under xvfb-run.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/build.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x1024x24" ./build/bin/quorvel "$@"
fi
exec ./build/bin/quorvel "$@"
