// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
// The model and markup layer reaching up to the batch: must not build.
#include "document/Model.h"
#include "batch/Lot.h"
