#!/usr/bin/env bash
# Installs what the tests need, builds warning-free, and runs every test twice through CTest:
# once in a plain build, once under AddressSanitizer and UndefinedBehaviorSanitizer. Where clang
# is installed, the session reader is fuzzed for a minute between the two.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh
# shellcheck disable=SC2086
install_missing $BUILD_PACKAGES $TEST_PACKAGES

echo "== Format check"
files=$(git ls-files '*.cpp' '*.h' 2>/dev/null || find src tests tools -name '*.cpp' -o -name '*.h')
# shellcheck disable=SC2086
clang-format --dry-run -Werror $files

echo "== Build and test"
cmake -S . -B build/check -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOCKWELL_WERROR=ON >/dev/null
cmake --build build/check -j"$JOBS"
ctest --test-dir build/check --output-on-failure -j"$JOBS"

echo "== Fuzz the session reader (60 s)"
if command -v clang++ >/dev/null 2>&1; then
    cmake -S . -B build/fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOCKWELL_WERROR=ON \
        -DTOCKWELL_FUZZ=ON >/dev/null
    cmake --build build/fuzz -j"$JOBS" --target tockwell_fuzz_session
    # What it learns is kept in build/fuzz/corpus for the next run; a failing input lands in build/fuzz/.
    mkdir -p build/fuzz/corpus
    build/fuzz/fuzz/tockwell_fuzz_session -max_total_time=60 -dict=fuzz/session.dict -max_len=16384 \
        -artifact_prefix=build/fuzz/ build/fuzz/corpus fuzz/corpus
else
    echo "clang++ is not installed: no fuzzing"
fi

echo "== Sanitizer build and test"
cmake -S . -B build/sanitize -DCMAKE_BUILD_TYPE=Debug -DTOCKWELL_WERROR=ON -DTOCKWELL_SANITIZE=ON >/dev/null
cmake --build build/sanitize -j"$JOBS"
# Leaks fail a test; scripts/lsan.supp lists what third-party libraries leave behind.
ASAN_OPTIONS=detect_leaks=1:verify_asan_link_order=0 UBSAN_OPTIONS=print_stacktrace=1 \
    LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0" \
    ctest --test-dir build/sanitize --output-on-failure -j"$JOBS"
