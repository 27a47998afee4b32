// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
// The model and markup layer with the layer below it: builds.
#include "document/Model.h"
#include "mathtext/Text.h"
