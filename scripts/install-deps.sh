#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Equip de Tirelo
# Installs every Debian/Ubuntu package that building, running and testing Tirelo needs.
# Packages already present are skipped; sudo is used only when not running as root.
set -euo pipefail

packages=(
  # toolchain
  build-essential cmake ninja-build pkg-config git ccache clang libclang-rt-dev
  # Qt 6 Widgets, its platform plugins (xcb, offscreen) and its Catalan translations
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-translations-l10n qt6-svg-dev libgl-dev
  # JSON of the batch files (.tirelo)
  nlohmann-json3-dev
  # the mathematics engine that judges answers (GiNaC, with CLN)
  libginac-dev
  # tests and benchmarks
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  # headless windows, screenshots, a real RTF reader for end-to-end checks
  xvfb xauth x11-utils libreoffice-writer-nogui poppler-utils fonts-liberation fonts-dejavu-core
  # two other RTF readers, that must read back every character of a document
  pandoc unrtf
  # a face like Comic Sans for the About window
  fonts-comic-neue
  # the faces of the typeset sheet (PDF, printing): DejaVu Serif with its italic and
  # bold, and DejaVu Math TeX Gyre for mathematics; TrueType, so the PDF embeds them
  fonts-dejavu-extra
  # HarfBuzz, which reads the mathematics face's MATH table (script shifts, fraction
  # and radical gaps, the axis) for the typesetter
  libharfbuzz-dev
  # installation checks: desktop entry, metainfo, the Debian package (lintian), the
  # manual page (man, groff), the bash completion, and gzip for the page and changelog
  desktop-file-utils appstream lintian man-db groff-base bash-completion gzip
  # timing
  hyperfine valgrind
  # checks of the command line's JSON
  python3
  # compiling the LaTeX sheets in the tests: LaTeX with amsmath, geometry and inputenc,
  # and Latin Modern, whose T1 faces keep accented letters and the euro sign as text
  texlive-latex-base lmodern
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  SUDO="sudo"
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
