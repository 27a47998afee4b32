#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Equip de Tirelo
# Checks the bash completion as bash-completion runs it: commands, the options of
# `tirelo genera`, their values, and topics and subtypes for --serie. Skipped (77)
# without bash-completion. Usage: complecio.sh path/to/tirelo path/to/completion
set -u
tirelo="$1"
[ -r /usr/share/bash-completion/bash_completion ] || exit 77
# shellcheck disable=SC1091
source /usr/share/bash-completion/bash_completion
# shellcheck disable=SC1090
source "$2"
fallades=0
# File names are completed from a scratch folder of its own.
dir=$(mktemp -d) || exit 1
trap 'rm -rf "$dir"' EXIT
cd "$dir" || exit 1

# completa "EXPECTED" WORD...: completes the last word and compares the candidates,
# one per line, sorted and joined by spaces.
completa() {
  local esperat=$1
  shift
  COMP_WORDS=("$tirelo" "$@")
  COMP_CWORD=$#
  COMP_LINE="${COMP_WORDS[*]}"
  COMP_POINT=${#COMP_LINE}
  COMPREPLY=()
  _tirelo
  local obtingut
  obtingut=$(printf '%s\n' "${COMPREPLY[@]}" | sort | tr '\n' ' ' | sed 's/ $//')
  if [ "$obtingut" != "$esperat" ]; then
    echo "FALLA: tirelo $* -> [$obtingut], expected [$esperat]"
    fallades=$((fallades + 1))
  fi
}

export LC_ALL=C.UTF-8
completa "--help -h comprova genera practica tradueix" ""
completa "--codi --help" practica --
completa "" practica --codi ""
completa "genera" "ge"
completa "--capcalera --codi --disposicio --espai --forma --json --llavor --lot --nivell --pista --resolucio --respostes --serie --sortida --titol --versions" genera --
completa "1 2 3" genera --nivell ""
completa "--serie --sortida" genera --s
completa "0 1 2 3" genera --forma ""
completa "0 1 2" genera --pista ""
completa "0 1" genera --disposicio ""
completa "2 20" genera --espai 2
completa "simplificades tal-qual" genera --respostes ""
completa "tal-qual" genera --respostes t
completa "" genera --llavor ""
completa "" genera --codi ""
completa "" genera --versions ""
completa "igualtats\\ notables:" genera --serie igu
completa "8:" genera --serie 8
completa "potències:" genera --serie POT
completa "1 2 3 4" genera --serie 8:
completa "1 2 3 4 5" genera --serie fraccions:
completa "" genera --serie nocal:
completa "--cas --codi --exercici --forma --help --llavor --nivell --resposta --serie" comprova --
completa "" tradueix ""
: >full.tirelo
: >full.rtf
: >full.pdf
: >full.tex
: >full.txt
completa "full.tirelo" ful
completa "full.tirelo" genera --lot ful
completa "full.pdf full.rtf full.tex full.tirelo" genera --sortida ful

# Every topic number offers exactly the subtypes `genera --help` lists for it.
for tema in $("$tirelo" genera --help | sed -n 's/^  \([0-9][0-9]*\) .*/\1/p'); do
  esperat=$("$tirelo" genera --help | awk -v t="$tema" '/^  [0-9]+ / { a = $1 }
    /^      [0-9]+/ && a == t { s = $1; sub(/\*/, "", s); print s }' | sort | tr '\n' ' ' | sed 's/ $//')
  completa "$esperat" genera --serie "$tema:"
done

[ "$fallades" -eq 0 ] || exit 1
echo "completion: all cases pass"
