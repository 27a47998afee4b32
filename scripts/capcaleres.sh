#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Equip de Tirelo
# Puts the licence header (an SPDX identifier and the copyright line) at the top of
# every source file that lacks it, in that file's comment syntax; files that have it
# are left alone, so the script can run again at any time.
# Usage: scripts/capcaleres.sh            add the header where it is missing
#        scripts/capcaleres.sh --comprova  list the files without it; fail if any
set -euo pipefail
cd "$(dirname "$0")/.."

LLICENCIA="SPDX-License-Identifier: GPL-3.0-or-later"
COPYRIGHT="Copyright (C) 2026 Equip de Tirelo"

# The source files: those git tracks, or every file outside build folders when this
# is not a git checkout.
fitxers() {
  if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git ls-files
  else
    find . -type f ! -path './build*' ! -path './.git/*' | sed 's|^\./||'
  fi
}

# The comment a file takes its header in ("//", "#", ".\\\"", "<!--"); nothing for
# files that are not source (data, corpus, images, the licence, Debian's formats).
comentari() {
  case "$1" in
    fuzz/corpus/* | resources/debian/* | LICENSE) ;;
    *.cpp | *.h | *.hpp | *.cc) echo "//" ;;
    CMakeLists.txt | */CMakeLists.txt | *.cmake | *.sh | *.py | resources/completion/*) echo "#" ;;
    *.1.in) echo '.\"' ;;
    *.html) echo "<!--" ;;
    *) if head -c 2 "$1" | grep -q '^#!'; then echo "#"; fi ;;
  esac
}

# The two header lines in the given comment syntax.
capcalera() {
  if [ "$1" = "<!--" ]; then
    printf '<!-- %s -->\n<!-- %s -->\n' "$LLICENCIA" "$COPYRIGHT"
  else
    printf '%s %s\n%s %s\n' "$1" "$LLICENCIA" "$1" "$COPYRIGHT"
  fi
}

# The files (NUL-separated names on stdin) whose first five lines lack the licence
# line, in one pass: one awk for hundreds of files rather than a few processes each.
sense_capcalera() {
  xargs -0 -r awk -v llicencia="$LLICENCIA" '
    FNR == 1 { if (nom != "" && !te) print nom; nom = FILENAME; te = 0 }
    FNR <= 5 && index($0, llicencia) { te = 1; nextfile }
    FNR > 5 { nextfile }
    END { if (nom != "" && !te) print nom }'
}

# Lines that must stay first: an interpreter line, a roff preprocessor line, a doctype.
linies_primeres() {
  case "$(head -n 1 "$1")" in
    '#!'* | "'\\\""* | '<!DOCTYPE'*) echo 1 ;;
    *) echo 0 ;;
  esac
}

posa_capcalera() {
  local fitxer=$1 c=$2 temporal n
  temporal=$(mktemp)
  n=$(linies_primeres "$fitxer")
  {
    head -n "$n" "$fitxer"
    capcalera "$c"
    tail -n +"$((n + 1))" "$fitxer"
  } >"$temporal"
  # The file keeps its permissions (scripts stay executable).
  cat "$temporal" >"$fitxer"
  rm -f "$temporal"
}

# The whole work in one function, called and followed by exit on one line: bash has
# read all of it before the script may rewrite its own file.
main() {
  local comprova=false falten=0 fitxer c
  [ "${1:-}" = "--comprova" ] && comprova=true
  while IFS= read -r fitxer; do
    c=$(comentari "$fitxer")
    [ -n "$c" ] || continue
    if $comprova; then
      echo "no licence header: $fitxer"
      falten=$((falten + 1))
    else
      posa_capcalera "$fitxer" "$c"
      echo "header added: $fitxer"
    fi
  done < <(fitxers | while IFS= read -r f; do [ -f "$f" ] && [ -s "$f" ] && printf '%s\0' "$f"; done | sense_capcalera)
  [ "$falten" -eq 0 ]
}

main "$@"; exit
