// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
// A file of one layer of the core: a header of its own (CAPA_PROPIA) and one of
// another layer (CAPA_ALTRA). Built against the layer's include folder, it builds
// when the other layer is below, and fails when it is above.
#include CAPA_PROPIA
#include CAPA_ALTRA
