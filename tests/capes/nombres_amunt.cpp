// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
// The numbers and terms layer reaching up to the markup: must not build.
#include "mathtext/Text.h"
#include "document/Marcat.h"
