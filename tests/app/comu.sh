# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Equip de Tirelo
# Shared by the command-line checks: run from a fresh temporary folder, count the
# failed checks. Sourced with the program's path as $1; sets $tirelo.
set -u
tirelo="$1"
fallades=0
dir=$(mktemp -d) || exit 1
trap 'rm -rf "$dir"' EXIT
cd "$dir" || exit 1

falla() {
  echo "FALLA: $*"
  fallades=$((fallades + 1))
}

# Starts the program with the given arguments under a virtual display and waits, up to
# 30 s, for a window whose caption holds the text; then ends it. Fails (status 1) when
# no such window shows.  Usage: te_finestra TEXT ARGUMENTS...
te_finestra() {
  text="$1"
  shift
  cat >finestra.sh <<'SH'
text="$1"
shift
"$@" &
programa=$!
trobat=1
i=0
while [ $i -lt 300 ]; do
  if xwininfo -root -tree | grep -qF -- "$text"; then
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
  env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY xvfb-run --auto-servernum sh finestra.sh "$text" "$tirelo" "$@"
}
