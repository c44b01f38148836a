#!/usr/bin/env bash
# Renders every window and box of the trainer to PNG (under Xvfb) for review.
#   bash tools/screenshots.sh [OUTDIR]     (default: build/screenshots)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${DORVIAN_BUILD_DIR:-build}
out=${1:-$build/screenshots}
cmake --build "$build" --target render_windows
"$build/tests/e2e/render_windows" "$out"
