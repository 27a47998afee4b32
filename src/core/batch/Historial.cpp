// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "batch/Historial.h"

#include <utility>

namespace tirelo {

void Historial::AbansDeCanviar(const Lot& lot) {
  desfer_.push_back({lot, actual_});
  if (desfer_.size() > MaximPassos) desfer_.erase(desfer_.begin());
  refer_.clear();
  actual_ = seguent_++;
}

bool Historial::Intercanvia(std::vector<Pas>& de, std::vector<Pas>& a, Lot& lot, unsigned long& actual) {
  if (de.empty()) return false;
  a.push_back({std::move(lot), actual});
  lot = std::move(de.back().lot);
  actual = de.back().id;
  de.pop_back();
  return true;
}

bool Historial::Desfes(Lot& lot) { return Intercanvia(desfer_, refer_, lot, actual_); }
bool Historial::Refes(Lot& lot) { return Intercanvia(refer_, desfer_, lot, actual_); }

}  // namespace tirelo
