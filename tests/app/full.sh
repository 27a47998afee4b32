#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Equip de Tirelo
# Checks the typeset sheet that `tirelo genera` writes, from the outside: the
# extension of --sortida picks the format, the PDF is A4 with every font embedded and
# the title in its metadata, its text holds the exercises' words and no markup, two
# writes differ only in the creation date, a sheet's code and its versions work in the
# typeset formats, and bad sheet options are refused.
# Usage: full.sh path/to/tirelo
. "$(dirname "$0")/comu.sh"

for eina in pdfinfo pdffonts pdftotext; do
  command -v "$eina" >/dev/null || { echo "$eina is not installed: skipped"; exit 77; }
done

series="--serie fraccions:2 --serie 8:4:3:2 --serie arrels:1:2 --serie 2:1:3 --llavor 7"
# shellcheck disable=SC2086
"$tirelo" genera $series --titol "Full 1" --capcalera --espai 3 --sortida full.pdf 2>err.txt ||
  falla "a PDF sheet: $(cat err.txt)"
# Only the sheet's code on standard error.
grep -qv '^codi: [2-9A-Z]*$' err.txt && falla "a PDF sheet: something on standard error: $(cat err.txt)"
grep -q '^codi: ' err.txt || falla "a PDF sheet of generated exercises without its code"
head -c 5 full.pdf | grep -q '%PDF-' || falla "full.pdf is not a PDF"

# A4 portrait, the title in the metadata.
pdfinfo full.pdf >info.txt 2>&1 || falla "pdfinfo cannot read the sheet"
grep -q '^Page size: *595\(\.[0-9]*\)\{0,1\} x 841\.8[0-9]* pts (A4)$' info.txt ||
  grep -q '^Page size: *595 x 842 pts (A4)$' info.txt || falla "not A4: $(grep 'Page size' info.txt)"
grep -q '^Title: *Full 1$' info.txt || falla "no title in the metadata: $(grep Title info.txt)"

# Every font embedded (the column "emb" says yes), and at least one font.
pdffonts full.pdf | awk 'NR > 2 { n++; if ($(NF-4) != "yes") bad = bad " " $1 }
  END { if (n == 0) { print "no font"; exit 1 } if (bad != "") { print "not embedded:" bad; exit 1 } }' ||
  falla "fonts: $(pdffonts full.pdf)"

# The text: the header lines, the words of every statement and answer, no markup.
pdftotext -enc UTF-8 full.pdf full.txt || falla "pdftotext cannot read the sheet"
for linia in "Nom:" "Curs:" "Data:" "Full 1" "Respostes"; do
  grep -q "$linia" full.txt || falla "the sheet's text lacks \"$linia\""
done
# shellcheck disable=SC2086
"$tirelo" genera $series --json >full.json || falla "the same batch as JSON"
python3 - full.json full.txt <<'PY' || falla "the sheet's text"
import json, re, sys
lot = json.load(open(sys.argv[1], encoding="utf-8"))
text = open(sys.argv[2], encoding="utf-8").read()
paraules = set(text.split())
for e in lot:
    for camp in ("enunciat_text", "resposta_text"):
        # Words of prose: a typesetter may set the mathematics apart, but not the words.
        # The roots topic's note on "R_n()" goes: the sheet shows a real radical.
        prosa = re.sub(r"\(Nota: [^)]*=arrel enèssima\)", "", e[camp])
        for p in re.findall(r"[A-Za-zÀ-ÿ·]{4,}", prosa):
            assert any(p in q for q in paraules), (p, e[camp])
for marca in ("#", "^", "_", "\\", "{", "}", "R_"):
    assert marca not in text, marca
PY

# The same batch and options again: the same bytes apart from the creation date.
sleep 1
# shellcheck disable=SC2086
"$tirelo" genera $series --titol "Full 1" --capcalera --espai 3 --sortida full2.pdf || falla "the sheet again"
LC_ALL=C sed 's/CreationDate *([^)]*)//' full.pdf >a.sense-data
LC_ALL=C sed 's/CreationDate *([^)]*)//' full2.pdf >b.sense-data
cmp -s a.sense-data b.sense-data || falla "two writes of the same sheet differ beyond the creation date"
# Without the header lines there is no "Nom:".
# shellcheck disable=SC2086
"$tirelo" genera $series --sortida sense.pdf || falla "a sheet without header lines"
pdftotext sense.pdf - | grep -q "Nom:" && falla "\"Nom:\" without --capcalera"

# Each extension makes its format, in any case.
# shellcheck disable=SC2086
"$tirelo" genera $series --sortida full.tex || falla "a LaTeX sheet"
grep -q '^\\documentclass' full.tex && grep -q '\\end{document}' full.tex || falla "full.tex is not a LaTeX document"
# shellcheck disable=SC2086
"$tirelo" genera $series --sortida full.RTF || falla "an RTF document by .RTF"
head -c 6 full.RTF | grep -q '{\\rtf' || falla "full.RTF is not an RTF document"
# shellcheck disable=SC2086
"$tirelo" genera $series --sortida full.tirelo || falla "a batch file"
grep -q '"tirelo-lot"' full.tirelo || falla "full.tirelo is not a batch file"
ls | grep -q 'tirelo-' && falla "a temporary file was left behind"

# A sheet's code and its versions in the typeset formats. The same code gives the same
# PDF bytes apart from the creation date; every version is its own sheet, with its code
# on standard error, and (once the composer prints them) its letter and code in its text.
codi=$(sed -n 's/^codi: \([2-9A-Z]*\)$/\1/p' err.txt)
[ -n "$codi" ] || falla "no code for the PDF sheet: $(cat err.txt)"
"$tirelo" genera --codi "$codi" --titol "Full 1" --capcalera --espai 3 --sortida codi.pdf 2>/dev/null ||
  falla "a PDF sheet from its code"
LC_ALL=C sed 's/CreationDate *([^)]*)//' codi.pdf >c.sense-data
cmp -s a.sense-data c.sense-data || falla "the code does not make the same PDF"
"$tirelo" genera --codi "$codi" --titol "Full 1" --sortida codi.tex 2>/dev/null || falla "a LaTeX sheet from its code"
# shellcheck disable=SC2086
"$tirelo" genera $series --titol "Full 1" --sortida serie.tex 2>/dev/null || falla "the LaTeX sheet of the series"
cmp -s codi.tex serie.tex || falla "the code does not make the same LaTeX sheet"
for extensio in pdf tex; do
  rm -f versio-*
  "$tirelo" genera --codi "$codi" --versions 3 --titol "Full 1" --capcalera --sortida "versio.$extensio" 2>versions.txt ||
    falla "three versions as .$extensio: $(cat versions.txt)"
  [ -e "versio.$extensio" ] && falla "versions as .$extensio: the plain sheet was written too"
  for lletra in A B C; do
    fitxer="versio-$lletra.$extensio"
    [ -s "$fitxer" ] || { falla "no $fitxer"; continue; }
    codiv=$(sed -n "s/^codi: \([2-9A-Z]*\) ($lletra)\$/\1/p" versions.txt)
    [ -n "$codiv" ] || falla "no code for version $lletra of .$extensio: $(cat versions.txt)"
    if [ "$extensio" = pdf ]; then
      pdftotext -enc UTF-8 "$fitxer" text.txt || falla "pdftotext cannot read $fitxer"
      grep -q "Nom:" text.txt || falla "$fitxer lacks the header lines of --capcalera"
      tr -d " " <text.txt | grep -q "$codiv" || falla "$fitxer lacks its code $codiv"
      grep -q "Versió $lletra" text.txt || falla "$fitxer lacks its letter"
    fi
  done
  cmp -s "versio-A.$extensio" "versio-B.$extensio" && falla "two versions alike as .$extensio"
done

# Roots: a radicand taller than the sign gets one of the face's taller signs, drawn by
# its glyph, and the sheet's text still holds one "√" for each root.
cat >arrels.tirelo <<'LOT'
{"format": "tirelo-lot", "versio": 2, "titol": "", "disposicio": 1, "exercicis": [
 {"enunciat": "Calcula: a) R_2(5)   b) #R(#F(2/3))", "resposta": "1", "pista": "", "posicio_pista": 0, "editat": true}]}
LOT
"$tirelo" genera --lot arrels.tirelo --sortida arrels.pdf 2>/dev/null || falla "a sheet of roots"
pdftotext -enc UTF-8 arrels.pdf arrels.txt || falla "pdftotext cannot read the sheet of roots"
[ "$(grep -o '√' arrels.txt | wc -l)" -eq 2 ] || falla "two roots, not two \"√\" in the text: $(cat arrels.txt)"

# Bad input: one line naming the problem, exit code 2, nothing written.
dolenta() {
  descripcio="$1"
  sortida="$2"
  shift 2
  rm -f "$sortida" err.txt
  "$tirelo" genera "$@" >/dev/null 2>err.txt
  estat=$?
  [ "$estat" -eq 2 ] || falla "$descripcio: exit code $estat"
  [ -e "$sortida" ] && falla "$descripcio: a file was written"
  [ "$(wc -l <err.txt)" -eq 1 ] || falla "$descripcio: not one line: $(cat err.txt)"
}
dolenta "an unknown extension" full.doc --serie 3:1 --sortida full.doc
dolenta "no extension" full --serie 3:1 --sortida full
dolenta "answer space above 20" out.pdf --serie 3:1 --espai 21 --sortida out.pdf
dolenta "negative answer space" out.pdf --serie 3:1 --espai -1 --sortida out.pdf
dolenta "answer space that is no number" out.pdf --serie 3:1 --espai molt --sortida out.pdf
dolenta "answer space without value" out.pdf --serie 3:1 --sortida out.pdf --espai
dolenta "a PDF into a missing folder" no/such/out.pdf --serie 3:1 --sortida no/such/out.pdf

[ "$fallades" -eq 0 ] && echo "full: all checks passed"
exit "$fallades"
