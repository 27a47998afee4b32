#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Equip de Tirelo
# `tirelo practica` and the pupils' desktop entry: the help, a bad call refused in one
# line with status 2, and, under a virtual display, the practice window of a sheet's
# code opened with the code in its caption, as the launcher "Tirelo: pràctica" starts it.
# Usage: practica.sh path/to/tirelo path/to/cat.tirelo.Tirelo.Practica.desktop
. "$(dirname "$0")/comu.sh"
entrada="$2"

"$tirelo" --help | grep -q '^  tirelo practica ' || falla "tirelo --help does not list practica"
"$tirelo" practica --help >ajuda.txt || falla "practica --help fails"
grep -q -- '--codi CODI' ajuda.txt || falla "practica --help does not describe --codi"

for dolent in "--codi 1O!" "--res" "--codi"; do
  # shellcheck disable=SC2086
  "$tirelo" practica $dolent >sortida.txt 2>error.txt
  codi=$?
  [ "$codi" -eq 2 ] || falla "practica $dolent: status $codi, not 2"
  [ "$(wc -l <error.txt)" -eq 1 ] || falla "practica $dolent: not one line: $(cat error.txt)"
  [ -s sortida.txt ] && falla "practica $dolent writes to the standard output"
done

# The launcher runs the practice and validates.
grep -qx 'Exec=tirelo practica' "$entrada" || falla "the launcher does not run tirelo practica"
grep -qx 'Name=Tirelo: pràctica' "$entrada" || falla "the launcher is not named 'Tirelo: pràctica'"
if command -v desktop-file-validate >/dev/null 2>&1; then
  desktop-file-validate "$entrada" || falla "desktop-file-validate rejects the launcher"
fi

# A sheet's code, then its practice under a virtual display.
"$tirelo" genera --serie 3:1:3 --llavor 12345 --sortida full.rtf 2>codi.txt || falla "no sheet"
codi=$(sed -n 's/^codi: //p' codi.txt)
[ -n "$codi" ] || falla "the sheet has no code"
if [ -n "$codi" ] && command -v xvfb-run >/dev/null 2>&1 && command -v xwininfo >/dev/null 2>&1; then
  te_finestra "codi $codi\"" practica --codi "$codi" ||
    falla "no practice window captioned with the code $codi"
fi

[ "$fallades" -eq 0 ] || exit 1
echo "practica: help, bad calls, launcher and the window of a code"
