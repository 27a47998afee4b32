#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Equip de Tirelo
# Installs what is missing, builds into build/ and starts the program (arguments pass on).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
# The program and its help document (opened by "&Ajuda" from beside the program).
cmake --build build --target tirelo tirelo_ajuda
exec build/tirelo "$@"
