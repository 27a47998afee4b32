#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Equip de Tirelo
# Checks the manual page: it renders without a warning, names every command of
# `tirelo --help` and every option of `tirelo genera --help`, and holds the README's
# examples. Usage: manual.sh path/to/tirelo path/to/tirelo.1 path/to/README.md
set -u
tirelo="$1"
pagina="$2"
readme="$3"
fallades=0
dir=$(mktemp -d) || exit 1
trap 'rm -rf "$dir"' EXIT

falla() {
  echo "FALLA: $*"
  fallades=$((fallades + 1))
}

# Rendered as a reader sees it, with groff's warnings kept apart.
MANWIDTH=200 LC_ALL=C.UTF-8 man --warnings -E UTF-8 -l "$pagina" >"$dir/text" 2>"$dir/avisos" ||
  falla "man -l fails"
[ -s "$dir/avisos" ] && falla "man -l warns: $(cat "$dir/avisos")"
# Hyphens come out as hyphens, so the names can be looked for as they are typed.
sed 's/\xe2\x80\x90/-/g' "$dir/text" >"$dir/net"

"$tirelo" --help | sed -n 's/^  tirelo \([a-z-]*\).*/\1/p' >"$dir/ordres"
"$tirelo" genera --help | grep -o -- '--[a-z][a-z]*' | sort -u >"$dir/opcions"
{ [ -s "$dir/ordres" ] && [ -s "$dir/opcions" ]; } || falla "the help lists no commands or options"
while read -r nom; do
  grep -q -- "tirelo $nom" "$dir/net" || falla "the manual page does not name 'tirelo $nom'"
done <"$dir/ordres"
while read -r opcio; do
  grep -q -- "^ *$opcio\\b" "$dir/net" || falla "the manual page does not describe $opcio"
done <"$dir/opcions"

# The README's command lines, without their build folder and comments.
sed -n 's/^build\/\(tirelo [^#]*[^# ]\) *\(#.*\)\{0,1\}$/\1/p' "$readme" >"$dir/exemples"
[ -s "$dir/exemples" ] || falla "no example found in the README"
while read -r exemple; do
  grep -qF -- "$exemple" "$dir/net" || falla "the manual page lacks the README's example: $exemple"
done <"$dir/exemples"

[ "$fallades" -eq 0 ] || exit 1
echo "manual page: $(wc -l <"$dir/opcions") options, $(wc -l <"$dir/exemples") examples"
