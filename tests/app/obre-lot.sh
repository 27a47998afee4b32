#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Equip de Tirelo
# The desktop program started on a batch file, as the desktop entry starts it (%f):
# under a virtual display, its main window's caption shows the batch's count.
# Usage: obre-lot.sh path/to/tirelo
set -u
tirelo="$1"
dir=$(mktemp -d) || exit 1
trap 'rm -rf "$dir"' EXIT
cd "$dir" || exit 1
"$tirelo" genera --serie 3:1:1:3 --llavor 1 --sortida full.tirelo || { echo "FALLA: no batch file"; exit 1; }

# Runs inside the virtual display: starts the program, waits for its caption, ends it.
cat >prova.sh <<'SH'
"$1" full.tirelo &
programa=$!
trobat=1
i=0
while [ $i -lt 100 ]; do
  if xwininfo -root -tree | grep -q 'exercicis: 3"'; then
    trobat=0
    break
  fi
  sleep 0.1
  i=$((i + 1))
done
kill "$programa"
wait "$programa" 2>/dev/null
exit $trobat
SH
env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY xvfb-run --auto-servernum sh prova.sh "$tirelo" \
  || { echo "FALLA: no window captioned with the batch's count"; exit 1; }
echo "obre-lot: the program opened the batch file"
