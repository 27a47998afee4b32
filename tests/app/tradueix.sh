#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Equip de Tirelo
# Checks `tirelo tradueix` from the outside: bytes in on standard input, RTF out on
# standard output, nothing added or lost. Usage: tradueix.sh path/to/tirelo
set -u
tirelo="$1"
fallades=0

# comprova DESCRIPCIO ENTRADA SORTIDA_ESPERADA (both as printf formats)
comprova() {
  printf "$3" >"$esperat"
  printf "$2" | "$tirelo" tradueix >"$obtingut"
  estat=$?
  if [ "$estat" -ne 0 ] || ! cmp -s "$esperat" "$obtingut"; then
    echo "FALLA: $1 (sortida $estat)"
    od -c "$obtingut" | head -5
    fallades=$((fallades + 1))
  fi
}

esperat=$(mktemp) && obtingut=$(mktemp) || exit 1
trap 'rm -f "$esperat" "$obtingut"' EXIT

comprova "superscript" 'x^(n+1)' 'x{\\super n+1}'
comprova "empty input" '' ''
comprova "NUL, LF and high bytes pass" 'a\000b\nQu\350' 'a\000b\nQu\350'
comprova "CR becomes a paragraph" 'a\r\nb' 'a\\par \nb'

if "$tirelo" tradueix sobrant </dev/null >/dev/null 2>&1; then
  echo "FALLA: an unexpected argument is accepted"
  fallades=$((fallades + 1))
fi
if ! "$tirelo" --help | grep -q '^  tirelo tradueix'; then
  echo "FALLA: --help does not list tradueix"
  fallades=$((fallades + 1))
fi

[ "$fallades" -eq 0 ]
