#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Equip de Tirelo
# Saves a PNG of every window of the desktop program under build/screenshots/, drawn
# under a virtual X display (Xvfb), so that the windows can be seen without a desktop.
# Usage: scripts/screenshots.sh [build-dir]
set -euo pipefail
cd "$(dirname "$0")/.."
dir="${1:-build}"
if [ ! -f "$dir/build.ninja" ]; then
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$dir" --target tirelo_captures
out="$dir/screenshots"
rm -rf "$out"
mkdir -p "$out"
# The xcb platform on the virtual display, whatever the caller's environment says.
env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY \
  xvfb-run --auto-servernum --server-args="-screen 0 1280x800x24" \
  "$dir/tirelo_captures" "$out"
