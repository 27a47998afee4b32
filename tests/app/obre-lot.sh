#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Equip de Tirelo
# The desktop program started on a batch file, as the desktop entry starts it (%f):
# under a virtual display, its main window's caption shows the batch's count.
# Usage: obre-lot.sh path/to/tirelo
. "$(dirname "$0")/comu.sh"
"$tirelo" genera --serie 3:1:1:3 --llavor 1 --sortida full.tirelo || { echo "FALLA: no batch file"; exit 1; }
te_finestra 'exercicis: 3"' full.tirelo || { echo "FALLA: no window captioned with the batch's count"; exit 1; }
echo "obre-lot: the program opened the batch file"
