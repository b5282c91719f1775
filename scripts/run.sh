#!/usr/bin/env bash
# Installs what is missing, builds Tockwell and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh
# shellcheck disable=SC2086
install_missing $BUILD_PACKAGES
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release -j"$JOBS" --target tockwell
exec build/release/tockwell
