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
