#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Equip de Tirelo
# Reads a saved document back through two other RTF readers, pandoc and unrtf, and
# checks that every character of the title and of the exercises survives: the
# accented letters, "€", "²", "·" and the minus signs of the expressions.
# Usage: lectors.sh path/to/tirelo
. "$(dirname "$0")/comu.sh"

for eina in pandoc unrtf; do
  command -v "$eina" >/dev/null || { echo "FALLA: $eina is needed: scripts/install-deps.sh"; exit 1; }
done

caracters="€ ² · à è é í ò ó ú ç"
# Notable identities (x²+6x+9 and x²-25) and factorisations (2²·3·7) in both layouts.
for disposicio in 0 1; do
  "$tirelo" genera --serie 2:1:3 --serie 2:3:3 --serie 1:1:4 --llavor 2 --titol "$caracters" \
    --disposicio "$disposicio" --sortida full.rtf || falla "the sheet in layout $disposicio"
  pandoc -f rtf -t plain full.rtf >pandoc.txt || falla "pandoc cannot read layout $disposicio"
  # unrtf writes its text in Latin-1, which has no "€": its HTML names every character.
  unrtf --html full.rtf 2>/dev/null |
    python3 -c 'import html, re, sys; print(html.unescape(re.sub("<[^>]*>", "", sys.stdin.read())))' \
    >unrtf.txt || falla "unrtf cannot read layout $disposicio"
  for lector in pandoc unrtf; do
    grep -qF "$caracters" $lector.txt || falla "$lector loses characters of the title in layout $disposicio"
    grep -q "x²‑[0-9]" $lector.txt || falla "$lector loses the minus sign of x²-n in layout $disposicio"
    grep -q "[0-9]·[0-9]" $lector.txt || falla "$lector loses the product sign in layout $disposicio"
    grep -q "x²+[0-9]*x+[0-9]" $lector.txt || falla "$lector loses the square of x²+bx+c in layout $disposicio"
  done
done

if [ "$fallades" -ne 0 ]; then
  echo "$fallades checks failed"
  exit 1
fi
echo "lectors: every check passed"
