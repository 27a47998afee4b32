#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Equip de Tirelo
# Measures what the program costs over the floor it stands on. Builds a Release build
# with the benchmarks into build-bench/, runs the benchmarks of the core and of the
# windows (Google Benchmark; arguments are passed to them, e.g.
# --benchmark_filter=Genera), then times side by side
# with hyperfine, each command TIRELO_BENCH_RUNS times (default 20, at least 10):
#   - the desktop program's start until its main window is first painted, under Xvfb,
#     against an empty Qt window and an empty Qt window with one line of text;
#   - `tirelo genera` writing a 50-exercise document against `tirelo --help`.
# Prints the medians and the ratios, checks them against the targets, and, where
# valgrind is installed, the instructions each command executes (callgrind), which
# stay the same on a busy machine when times do not.
# Not run by CI: times on a shared machine say little.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

runs="${TIRELO_BENCH_RUNS:-20}"
if [ "$runs" -lt 10 ]; then runs=10; fi
dir=build-bench
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTIRELO_BENCH=ON -DTIRELO_TESTS=OFF >/dev/null
cmake --build "$dir" -j2

tirelo="$dir/tirelo"
buida="$dir/bench/finestra_buida"
feina="$(mktemp -d)"
xvfb=""
acaba() {
  if [ -n "$xvfb" ]; then kill "$xvfb" 2>/dev/null || true; fi
  rm -rf "$feina"
}
trap acaba EXIT
# Qt wants a private runtime folder; one of our own keeps it from warning.
export XDG_RUNTIME_DIR="$feina/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

echo "== core benchmarks =="
"$dir/bench/tirelo_bench" "$@"
echo
echo "== windows (Qt offscreen) =="
QT_QPA_PLATFORM=offscreen "$dir/bench/tirelo_bench_gui" "$@"

# A display of our own: Xvfb picks a free number and writes it to fd 3.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$feina/pantalla" 2>/dev/null &
xvfb=$!
for _ in $(seq 50); do
  [ -s "$feina/pantalla" ] && break
  sleep 0.1
done
export DISPLAY=":$(cat "$feina/pantalla")"
export QT_QPA_PLATFORM=xcb
# Both programs end as soon as their window has been painted once.
export TIRELO_SURT_EN_MOSTRAR=1

# Fifty exercises from five topics, every one with several cases where it takes them.
genera=("$tirelo" genera --serie 3:2:1:10 --serie 6:1:4:10 --serie 7:1:1:10 --serie 8:4:3:10
        --serie 9:5:2:10 --llavor 1 --titol Prova --sortida "$feina/lot.rtf")
"${genera[@]}"  # fails here, not inside the timing, if the command line refuses the series
# The same batch as the typeset sheet in PDF.
generaPdf=("${genera[@]}")
generaPdf[${#generaPdf[@]}-1]="$feina/lot.pdf"
"${generaPdf[@]}"

echo
echo "== start until the main window is shown (Xvfb $DISPLAY), $runs runs each =="
hyperfine -N --warmup 3 --runs "$runs" --export-csv "$feina/arrencada.csv" \
  -n "finestra buida" "$buida" \
  -n "finestra buida amb text" "$buida --amb-text" \
  -n "tirelo" "$tirelo"

echo
echo "== tirelo genera (50 exercises, RTF and PDF) against tirelo --help, $runs runs each =="
hyperfine -N --warmup 3 --runs "$runs" --export-csv "$feina/genera.csv" \
  -n "tirelo --help" "$tirelo --help" \
  -n "tirelo genera 50" "${genera[*]}" \
  -n "tirelo genera 50 pdf" "${generaPdf[*]}"

# The median of the named command, in milliseconds.
mediana() { awk -F, -v nom="$2" '$1 == nom { printf "%.2f", $4 * 1000 }' "$1"; }
buit="$(mediana "$feina/arrencada.csv" "finestra buida")"
ambtext="$(mediana "$feina/arrencada.csv" "finestra buida amb text")"
escriptori="$(mediana "$feina/arrencada.csv" "tirelo")"
ajuda="$(mediana "$feina/genera.csv" "tirelo --help")"
lot="$(mediana "$feina/genera.csv" "tirelo genera 50")"
pdf="$(mediana "$feina/genera.csv" "tirelo genera 50 pdf")"

echo
echo "== medians =="
awk -v b="$buit" -v t="$ambtext" -v e="$escriptori" -v a="$ajuda" -v l="$lot" -v p="$pdf" 'BEGIN {
  printf "empty Qt window                %8.2f ms\n", b
  printf "empty Qt window with text      %8.2f ms\n", t
  printf "tirelo (desktop start)         %8.2f ms   %.2fx the empty window (target 1.30x), %.2fx the window with text (target 1.20x)\n", e, e / b, e / t
  printf "tirelo --help                  %8.2f ms\n", a
  printf "tirelo genera (50 exercises)   %8.2f ms   %+.2f ms over --help (target under 5 ms)\n", l, l - a
  printf "tirelo genera (50, PDF)        %8.2f ms   %+.2f ms over --help (target under 50 ms)\n", p, p - a
}'

if command -v valgrind >/dev/null; then
  # Instructions of the process itself; a child it forks reports a part of it, so
  # the largest count is the process's.
  instruccions() {
    rm -f "$feina"/cg.*
    valgrind --tool=callgrind --callgrind-out-file="$feina/cg.%p" "$@" >/dev/null 2>&1
    for f in "$feina"/cg.*; do awk '/^summary:/ { print $2 }' "$f"; done | sort -n | tail -1
  }
  echo
  echo "== instructions (callgrind; steady on a busy machine) =="
  ib="$(instruccions "$buida")"
  it="$(instruccions "$buida" --amb-text)"
  ie="$(instruccions "$tirelo")"
  ia="$(instruccions "$tirelo" --help)"
  il="$(instruccions "${genera[@]}")"
  awk -v b="$ib" -v t="$it" -v e="$ie" -v a="$ia" -v l="$il" 'BEGIN {
    printf "empty Qt window                %8.1f M\n", b / 1e6
    printf "empty Qt window with text      %8.1f M\n", t / 1e6
    printf "tirelo (desktop start)         %8.1f M   %.2fx the empty window, %.2fx the window with text\n", e / 1e6, e / b, e / t
    printf "tirelo --help                  %8.1f M\n", a / 1e6
    printf "tirelo genera (50 exercises)   %8.1f M   %+.1f M over --help\n", l / 1e6, (l - a) / 1e6
  }'
fi
