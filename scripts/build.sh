#!/usr/bin/env bash
# Builds one preset (default: windows). Usage: scripts/build.sh [native|asan|tsan|linux|windows]
set -euo pipefail
cd "$(dirname "$0")/.."
preset=${1:-windows}
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" -j"$(nproc)"
