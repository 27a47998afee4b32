#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Equip de Tirelo
# Checks `tirelo comprova` from the outside: a right answer, an equivalent one in the
# asked form, an unsimplified one, a wrong one and an unreadable one each get their
# verdict in one JSON object with exit status 0; a code judges the sheet it makes; a
# bad call exits 2 with one line and prints nothing on standard output.
# Usage: comprova.sh path/to/tirelo
. "$(dirname "$0")/comu.sh"

# The first case's answer, as the JSON of the same sheet gives it.
"$tirelo" genera --serie fraccions:1:3 --llavor 6 --json >full.json || falla "the sheet's JSON"
resposta=$(python3 -c 'import json,sys; print(json.load(open(sys.argv[1]))[0]["apartats"][0]["resposta"])' full.json)
[ -n "$resposta" ] || falla "no answer in the JSON"
num=${resposta%/*}
den=${resposta#*/}

veredicte() {  # answer, expected verdict
  "$tirelo" comprova --serie fraccions:1:3 --llavor 6 --cas a --resposta "$1" >v.json 2>err.txt ||
    falla "comprova \"$1\" exits non-zero"
  [ -s err.txt ] && falla "comprova \"$1\" writes on standard error"
  python3 - "$2" v.json <<'PY' || falla "comprova \"$1\": not the verdict $2"
import json, sys
v = json.load(open(sys.argv[2], encoding="utf-8"))
assert list(v) == ["veredicte", "llegit", "missatge"], v
assert v["veredicte"] == sys.argv[1], v
assert v["missatge"], v
if sys.argv[1] == "forma":
    assert v["missatge"].startswith("Correcte, però"), v
PY
}
veredicte "$resposta" correcte
veredicte "$((num * 3))/$((den * 3))" forma
veredicte "$((num + 1))/$den" incorrecte
veredicte "$num/(" illegible

# A sheet's code judges that sheet.
codi=$("$tirelo" genera --serie fraccions:1:3 --llavor 6 --sortida f.rtf 2>&1 | sed -n 's/^codi: //p')
[ -n "$codi" ] || falla "the sheet has no code"
"$tirelo" comprova --codi "$codi" --cas a --resposta "$resposta" | grep -q '"correcte"' || falla "the code's sheet"

# Bad calls: one line on standard error, exit 2, nothing on standard output.
dolenta() {
  motiu=$1
  shift
  "$tirelo" comprova "$@" >sortida.txt 2>err.txt
  [ $? -eq 2 ] || falla "$motiu: exit status is not 2"
  [ -s sortida.txt ] && falla "$motiu: something on standard output"
  [ "$(wc -l <err.txt)" -eq 1 ] || falla "$motiu: not one line on standard error"
}
dolenta "no seed" --serie 3:1 --resposta 1
dolenta "no answer" --serie 3:1 --llavor 1
dolenta "no such exercise" --serie 3:1 --llavor 1 --exercici 2 --resposta 1
dolenta "no such case" --serie 3:1:2 --llavor 1 --cas c --resposta 1
dolenta "a sheet's output" --serie 3:1 --llavor 1 --resposta 1 --sortida f.pdf
dolenta "a bad code" --codi 2222222 --resposta 1
"$tirelo" comprova --help | grep -q "tirelo comprova" || falla "no help"
[ "$fallades" -eq 0 ] && echo "comprova: all checks passed"
exit "$fallades"
