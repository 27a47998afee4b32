#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Equip de Tirelo
# Checks `tirelo genera` from the outside: the same arguments and seed give the same
# bytes, a sheet's code and its versions make it again, JSON output parses for every
# subtype of every topic, and every bad input names its problem on one line, exits
# with 2 and writes nothing.
# Usage: genera.sh path/to/tirelo
. "$(dirname "$0")/comu.sh"

# The example sheet: written, and written again byte for byte.
"$tirelo" genera --serie fraccions:2 --serie 8:4:3:2 --llavor 7 --sortida full.rtf || falla "the example sheet"
"$tirelo" genera --serie fraccions:2 --serie 8:4:3:2 --llavor 7 --sortida full2.rtf || falla "the example sheet again"
cmp -s full.rtf full2.rtf || falla "the same seed gives different documents"
# The header declares the code page (mended from a bare \\ansi)
head -c 30 full.rtf | grep -q '{\\rtf\\ansi\\ansicpg1252 \\deff2' || falla "not an RTF document"
"$tirelo" genera --serie fraccions:2 --serie 8:4:3:2 --llavor 8 --sortida full3.rtf || falla "another seed"
cmp -s full.rtf full3.rtf && falla "another seed gives the same document"

# Without a seed, the one taken from the clock is told, and makes the sheet again.
"$tirelo" genera --serie 3:1:4 --json >a.json 2>llavor.txt || falla "a sheet without seed"
llavor=$(sed -n 's/^llavor: \([0-9][0-9]*\)$/\1/p' llavor.txt)
if [ -z "$llavor" ]; then
  falla "no 'llavor: N' line on standard error"
else
  "$tirelo" genera --serie 3:1:4 --json --llavor "$llavor" >b.json 2>/dev/null
  cmp -s a.json b.json || falla "the told seed does not make the same sheet"
fi

# Every subtype of every topic, as JSON that parses, with the asked number of exercises.
series=$("$tirelo" genera --help | awk '
  /^  [0-9] /            { tema = $1 }
  /^      [0-9]+\*? /    { s = $1; sub(/\*/, "", s); c = ($1 ~ /\*/) ? 3 : 1; printf "--serie %s:%s:%s ", tema, s, c }')
[ -n "$series" ] || falla "genera --help lists no subtypes"
# shellcheck disable=SC2086
"$tirelo" genera $series --forma 3 --pista 2 --llavor 5 --json >tots.json || falla "every subtype"
python3 - "$series" tots.json <<'PY' || falla "JSON of every subtype"
import json, sys
esperats = sys.argv[1].split().count("--serie")
with open(sys.argv[2], encoding="utf-8") as f:
    lot = json.load(f)
assert len(lot) == esperats, (len(lot), esperats)
for e in lot:
    assert set(e) == {"tema", "subtipus", "enunciat", "resposta", "pista", "posicio_pista",
                      "enunciat_text", "resposta_text", "pista_text", "apartats"}, e
    # Its cases, in the linear notation: labelled a), b), c) when three were asked, no
    # label for one; a statement and an answer each, with no markup left.
    apartats = e["apartats"]
    assert len(apartats) in (1, 3), e
    etiquetes = [a["etiqueta"] for a in apartats]
    assert etiquetes == ([""] if len(apartats) == 1 else ["a)", "b)", "c)"]), e
    for a in apartats:
        assert set(a) == {"etiqueta", "enunciat", "resposta", "resposta_simple", "passos"}, a
        for camp in ("enunciat", "resposta", "resposta_simple"):
            assert a[camp].strip(), e
            assert not any(s in a[camp] for s in ("\\", "#", "R_", "\r", "\n", "{", "---", "\t")), e
        # Its worked solution: steps in the notation, each with its reason.
        assert a["passos"], a
        for p in a["passos"]:
            assert set(p) == {"expressio", "justificacio"}, p
            assert p["expressio"].strip() and "\r" not in p["expressio"], p
    # Beside each text, its readable line: no markup codes, embedded RTF or line breaks.
    for camp in ("enunciat", "resposta", "pista"):
        llegible = e[camp + "_text"]
        assert not any(s in llegible for s in ("\\", "#", "R_", "\r", "\n", "{", "---")), e
        assert bool(llegible) == bool(e[camp].strip()), e
    assert e["enunciat"] and e["posicio_pista"] == 2, e
PY

# Thirty simplifications do not fit in one exercise, four do: one line on standard
# error for the first only, the sheet still made, and its JSON gives both counts.
"$tirelo" genera --serie 3:1:30 --serie 3:1:4 --llavor 3 --json >casos.json 2>casos.txt ||
  falla "cases that do not fit: failure"
[ "$(wc -l <casos.txt)" -eq 1 ] || falla "cases that do not fit: not one line: $(cat casos.txt)"
grep -qx 'tirelo genera: Exercici 1: hi caben [0-9]* casos dels 30 demanats\.' casos.txt ||
  falla "cases that do not fit: not told: $(cat casos.txt)"
python3 - casos.json casos.txt <<'PY' || falla "cases that do not fit: JSON"
import json, re, sys
with open(sys.argv[1], encoding="utf-8") as f:
    lot = json.load(f)
with open(sys.argv[2], encoding="utf-8") as f:
    dits = int(re.search(r"hi caben (\d+) casos", f.read()).group(1))
etiquetes = len(re.findall(r"(?:^|\s)[a-z]{1,2}\) ", lot[0]["enunciat"]))
assert lot[0]["casos_demanats"] == 30 and lot[0]["casos"] == etiquetes == dits < 30, (lot[0], dits)
assert "casos_demanats" not in lot[1] and "casos" not in lot[1], lot[1]
PY
# A batch file keeps the sheet: written with --sortida F.tirelo, it becomes the same
# document again with --lot, and further series join it.
"$tirelo" genera --serie fraccions:2 --serie 8:4:3:2 --llavor 7 --titol "Full 1" --disposicio 0 \
  --sortida full.tirelo || falla "a batch file"
"$tirelo" genera --serie fraccions:2 --serie 8:4:3:2 --llavor 7 --titol "Full 1" --disposicio 0 \
  --sortida titol.rtf || falla "the sheet with a title"
"$tirelo" genera --lot full.tirelo --sortida lot.rtf || falla "a document from a batch file"
cmp -s titol.rtf lot.rtf || falla "the batch file does not give the same document"
ls | grep -q 'tirelo-' && falla "a temporary file was left behind"
"$tirelo" genera --lot full.tirelo --serie 3:1 --llavor 9 --json >mes.json || falla "a batch file and a series"
python3 -c 'import json,sys; assert len(json.load(open(sys.argv[1]))) == 4' mes.json || falla "the series joins the batch file"

# A sheet's code, told on standard error, makes the sheet again byte for byte, in any
# case and with separators; the code alone, as a batch file too.
"$tirelo" genera --serie 2:1:4:3 --serie 7:1:1:2 --serie 8:2:3:2 --llavor 31 --pista 2 --forma 3 --titol "Full 1" \
  --sortida codi.rtf 2>codi.txt || falla "a sheet with a code"
codi=$(sed -n 's/^codi: \([2-9A-Z]*\)$/\1/p' codi.txt)
[ -n "$codi" ] || falla "no 'codi: ...' line on standard error: $(cat codi.txt)"
[ "${#codi}" -le 24 ] || falla "a code longer than 24 characters: $codi"
minuscules=$(printf '%s' "$codi" | tr 'A-Z' 'a-z' | sed 's/\(....\)/\1-/g')
"$tirelo" genera --codi "$minuscules" --titol "Full 1" --sortida codi2.rtf 2>/dev/null || falla "a sheet from its code"
cmp -s codi.rtf codi2.rtf || falla "the code does not make the same document"
"$tirelo" genera --codi "$codi" --sortida codi.tirelo 2>/dev/null || falla "a batch file from a code"
"$tirelo" genera --lot codi.tirelo --titol "Full 1" --sortida codi3.rtf 2>/dev/null || falla "the code's batch file"
cmp -s codi.rtf codi3.rtf || falla "the code's batch file does not make the same document"

# Versions: one file per letter, each with its letter in the title and its own code
# that makes it again.
"$tirelo" genera --codi "$codi" --versions 3 --titol "Full 1" --sortida versio.rtf 2>versions.txt ||
  falla "three versions"
for lletra in A B C; do
  [ -s "versio-$lletra.rtf" ] || falla "no version $lletra"
  grep -q "Full 1 ($lletra)" "versio-$lletra.rtf" || falla "no letter in the title of version $lletra"
  codiv=$(sed -n "s/^codi: \([2-9A-Z]*\) ($lletra)\$/\1/p" versions.txt)
  "$tirelo" genera --codi "$codiv" --titol "Full 1 ($lletra)" --sortida v.rtf 2>/dev/null
  cmp -s "versio-$lletra.rtf" v.rtf || falla "the code of version $lletra does not make it again"
done
[ -e versio-D.rtf ] && falla "a fourth version"
cmp -s versio-A.rtf versio-B.rtf && falla "two versions alike"
# A sheet with an exercise edited by hand has no code.
sed '0,/"editat": false/s//"editat": true/' codi.tirelo >ma.tirelo
"$tirelo" genera --lot ma.tirelo --sortida ma.rtf 2>ma.txt || falla "a hand-made batch"
grep -q '^codi:' ma.txt && falla "a hand-made sheet with a code"

# The typeset sheet writes its answers in simplest form unless asked for them as drawn;
# a batch file keeps the choice.
"$tirelo" genera --serie 6:4 --llavor 3 --sortida simple.tex 2>/dev/null || falla "a sheet in LaTeX"
grep -qF '2x^{2}-5x+3' simple.tex || falla "the answer key is not in simplest form"
"$tirelo" genera --serie 6:4 --llavor 3 --respostes tal-qual --sortida talqual.tex 2>/dev/null || falla "--respostes tal-qual"
grep -qF '2x^{2}-5x+3' talqual.tex && falla "--respostes tal-qual simplified the answer key"
"$tirelo" genera --serie 6:4 --llavor 3 --respostes tal-qual --sortida talqual.tirelo 2>/dev/null || falla "a batch file"
grep -q '"respostes": "tal-qual"' talqual.tirelo || falla "the batch file does not keep --respostes tal-qual"
"$tirelo" genera --lot talqual.tirelo --sortida lot.tex 2>/dev/null || falla "a sheet from the batch file"
cmp -s talqual.tex lot.tex || falla "the batch file's sheet does not keep its answers as drawn"

# Bad input: one line naming the problem, exit code 2, no file.
dolenta() {
  descripcio="$1"
  shift
  rm -f out.rtf err.txt
  "$tirelo" genera "$@" >/dev/null 2>err.txt
  estat=$?
  [ "$estat" -eq 2 ] || falla "$descripcio: exit code $estat"
  [ -e out.rtf ] && falla "$descripcio: a file was written"
  [ "$(wc -l <err.txt)" -eq 1 ] || falla "$descripcio: not one line: $(cat err.txt)"
}
dolenta "unknown option" --serie 3:1 --sortida out.rtf --colors
dolenta "unknown topic" --serie geometria:1 --sortida out.rtf
dolenta "topic number out of range" --serie 10:1 --sortida out.rtf
dolenta "unknown answer key form" --serie 3:1 --respostes totes --sortida out.rtf
dolenta "subtype out of range" --serie 3:6 --sortida out.rtf
dolenta "cases out of range" --serie 3:1:256 --sortida out.rtf
dolenta "cases for a subtype without cases" --serie 3:2:2 --sortida out.rtf
dolenta "more than 50 exercises" --serie 3:1:1:30 --serie 1:1:1:21 --sortida out.rtf
dolenta "no output" --serie 3:1
dolenta "unwritable output" --serie 3:1 --sortida no/such/folder/out.rtf
echo '{"format": "altre"}' >altre.tirelo
dolenta "not a batch file" --lot altre.tirelo --sortida out.rtf
dolenta "a missing batch file" --lot cap.tirelo --sortida out.rtf
dolenta "a batch file and too many exercises" --lot full.tirelo --serie 3:1:1:48 --sortida out.rtf
mal=$(printf '%s' "$codi" | sed 's/^\(.\)\(.\)/\2\1/')
[ "$mal" != "$codi" ] && dolenta "a mistyped code" --codi "$mal" --sortida out.rtf
dolenta "a code with an O" --codi "O$codi" --sortida out.rtf
dolenta "a code with a series" --codi "$codi" --serie 3:1 --sortida out.rtf
dolenta "a code with a seed" --codi "$codi" --llavor 3 --sortida out.rtf
dolenta "one version" --codi "$codi" --versions 1 --sortida out.rtf
dolenta "27 versions" --serie 3:1 --versions 27 --sortida out.rtf
dolenta "versions without output" --serie 3:1 --versions 2 --json
[ -e out-A.rtf ] && falla "bad versions: a file was written"
[ -e no ] && falla "unwritable output: a folder was made"

# A standard output that cannot take the JSON or the help (a full disk) is a failure.
if [ -w /dev/full ]; then
  "$tirelo" genera --serie 3:1 --llavor 1 --json >/dev/full 2>err.txt && falla "JSON into a full disk: success"
  grep -q JSON err.txt || falla "JSON into a full disk: not told: $(cat err.txt)"
  "$tirelo" genera --help >/dev/full 2>/dev/null && falla "help into a full disk: success"
fi

[ "$fallades" -eq 0 ] && echo "genera: all checks passed"
exit "$fallades"
