#!/usr/bin/env bash
# Builds with AddressSanitizer and UndefinedBehaviorSanitizer into build-asan/ and runs every test
# case, two at a time. Extra arguments go to CTest (-L core runs one layer).
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build-asan}
BUILD_DIR=$BUILD_DIR ./scripts/build.sh -DQUORVEL_SANITIZE=ON -DQUORVEL_BUILD_BENCH=OFF
export ASAN_OPTIONS=detect_leaks=0
ctest --test-dir "$BUILD_DIR" --output-on-failure -j2 "$@"
