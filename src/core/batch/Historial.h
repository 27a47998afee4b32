// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// The batch's history: every change (add, delete, move, reset, edit, open) can be
// undone and redone, and the program knows whether the batch as it stands is kept in
// a document or a batch file.
#include <cstddef>
#include <vector>

#include "batch/Lot.h"

namespace tirelo {

class Historial {
 public:
  static constexpr std::size_t MaximPassos = 50;

  // Called before a change to the batch: keeps the batch as it is for undoing.
  void AbansDeCanviar(const Lot& lot);
  // Undo and redo exchange the batch with the kept one; false when there is none.
  bool Desfes(Lot& lot);
  bool Refes(Lot& lot);
  bool PotDesfer() const { return !desfer_.empty(); }
  bool PotRefer() const { return !refer_.empty(); }

  // The batch as it stands was written to a document or a batch file, or read from one.
  void MarcaDesat() { desat_ = actual_; }
  // Changes since the last save or open (an empty batch is never unkept).
  bool CanvisSenseDesar() const { return actual_ != desat_; }

 private:
  struct Pas {
    Lot lot;
    unsigned long id;
  };
  // Moves the batch onto one stack and takes the other's last one.
  static bool Intercanvia(std::vector<Pas>& de, std::vector<Pas>& a, Lot& lot, unsigned long& actual);
  std::vector<Pas> desfer_, refer_;
  unsigned long actual_ = 0, seguent_ = 1, desat_ = 0;
};

}  // namespace tirelo
