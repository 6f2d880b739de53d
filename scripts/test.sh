#!/usr/bin/env bash
# Installs what is missing, builds and runs every test: a plain build (g++), a
# clang build with the address and undefined-behaviour sanitizers, and the fuzz
# targets for a while.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
jobs="$(nproc)"
fuzz_seconds="${FUZZ_SECONDS:-60}"
export QT_QPA_PLATFORM=offscreen
# Every test has its own time limit (tests/CMakeLists.txt); this one stands
# for any without. A run that finds no tests fails.
ctest_args=(--output-on-failure --no-tests=error --timeout 600 -j "$jobs")

bash "$here/scripts/setup.sh"

echo "== Plain build and tests"
bash "$here/scripts/build.sh" "$here/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
ctest --test-dir "$here/build" "${ctest_args[@]}"

# Built with clang, so that one run also proves that the sources build with
# clang, with address, undefined-behaviour and float-to-integer overflow checks.
echo "== Sanitizer build (clang) and tests"
bash "$here/scripts/build.sh" "$here/build-asan-clang" -DCMAKE_BUILD_TYPE=Debug -DSITMERA_SANITIZE=ON -DSITMERA_BENCH=OFF \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir "$here/build-asan-clang" "${ctest_args[@]}"

if ls "$here"/fuzz/*_fuzz.cpp >/dev/null 2>&1; then
  echo "== Fuzz targets, ${fuzz_seconds} s each"
  bash "$here/scripts/build.sh" "$here/build-fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSITMERA_FUZZ=ON \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
  # Every sanitizer report stops the target (the build does not let them
  # recover either) and is a finding, even should a target go on after it.
  export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
  report='ERROR: [A-Za-z]*Sanitizer|WARNING: [A-Za-z]*Sanitizer|runtime error:|deadly signal'
  pids=()
  for src in "$here"/fuzz/*_fuzz.cpp; do
    name="$(basename "$src" .cpp)"
    corpus="$here/build-fuzz/corpus-$name"
    mkdir -p "$corpus"
    seeds="$here/fuzz/seeds/${name%_fuzz}"
    args=("$corpus")
    [ -d "$seeds" ] && args+=("$seeds")
    "$here/build-fuzz/fuzz/$name" -max_total_time="$fuzz_seconds" -rss_limit_mb=2048 \
      -artifact_prefix="$here/build-fuzz/$name-" "${args[@]}" >"$here/build-fuzz/$name.log" 2>&1 &
    pids+=("$!:$name")
  done
  failed=0
  for entry in "${pids[@]}"; do
    pid="${entry%%:*}"; name="${entry#*:}"
    log="$here/build-fuzz/$name.log"
    if wait "$pid" && ! grep -qE "$report" "$log"; then
      echo "fuzz $name: no finding ($(grep -c '' "$log") log lines)"
    else
      echo "fuzz $name: FINDING"
      # The report from its first line, else the end of the log.
      first="$(grep -nE "$report" "$log" | head -n 1 | cut -d: -f1)"
      if [ -n "$first" ]; then tail -n "+$first" "$log" | head -n 150; else tail -n 60 "$log"; fi
      failed=1
    fi
  done
  [ "$failed" -eq 0 ] || exit 1
fi
echo "All tests passed."
