#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Equip de Tirelo
# Builds the libFuzzer targets with clang into build-fuzz/ and runs every one of them
# (fuzz/<name>.cpp, seeded from fuzz/corpus/<name>/) for a fixed time.
# Each target runs 6 s, the markup translator (the richest grammar) 20 s: a short run
# on every change, which finds regressions against the seeds; give longer runs by hand
# when a reader changes. TIRELO_FUZZ_SECONDS sets one time for every target.
# Exits non-zero when a target crashes or breaks one of its checks; the input is kept
# in build-fuzz/artifacts/ (fix the fault, then add the input to fuzz/corpus/<name>/).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

# Seconds for one target.
seconds_for() {
  if [ -n "${TIRELO_FUZZ_SECONDS:-}" ]; then
    echo "$TIRELO_FUZZ_SECONDS"
  elif [ "$1" = marcat ]; then
    echo 20
  else
    echo 6
  fi
}
dir=build-fuzz
CC=clang CXX=clang++ cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTIRELO_FUZZ=ON -DTIRELO_GUI=OFF -DTIRELO_TESTS=OFF >/dev/null
cmake --build "$dir" -j2

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}"
# CLN and GiNaC keep what they allocate at load for good: not leaks of ours.
export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$PWD/scripts/lsan.supp:print_suppressions=0}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
failed=()
for src in fuzz/*.cpp; do
  name="$(basename "$src" .cpp)"
  # The fuzzer adds what it finds to its first corpus folder: a working copy in the
  # build tree, so that the seeds in the source tree stay as they are.
  work="$dir/corpus/$name"
  mkdir -p "$work" "$dir/artifacts"
  seeds=()
  [ -d "fuzz/corpus/$name" ] && seeds=("fuzz/corpus/$name")
  # The targets that read markup share a dictionary of its tokens and of raw RTF.
  dict=()
  case "$name" in marcat | model | text_llegible | dibuixa_marcat) dict=(-dict=fuzz/markup.dict) ;; esac
  seconds="$(seconds_for "$name")"
  echo "== fuzz_$name: ${seconds}s =="
  if ! "$dir/fuzz/fuzz_$name" -max_total_time="$seconds" -timeout=20 -print_final_stats=1 "${dict[@]}" \
      -artifact_prefix="$dir/artifacts/$name-" "$work" "${seeds[@]}"; then
    failed+=("$name")
  fi
done

total=$(ls fuzz/*.cpp | wc -l)
echo "fuzz: $((total - ${#failed[@]})) passed, ${#failed[@]} failed"
if [ ${#failed[@]} -ne 0 ]; then
  echo "Fuzz targets that failed: ${failed[*]}" >&2
  exit 1
fi
