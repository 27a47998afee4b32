// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include <gtest/gtest.h>

#include <string>

#include "document/Matematiques.h"
#include "document/NombresCatalans.h"
#include "document/Notacio.h"

namespace tirelo {
namespace {

struct Cas {
  const char* abans;
  const char* despres;
};

TEST(NombresCatalans, TextsWriteADecimalCommaAndAmountsWithCents) {
  const Cas casos[] = {
      {"99.84 \xE2\x82\xAC", "99,84 \xE2\x82\xAC"},          // UTF-8
      {"53.5\x80", "53,50 \x80"},                             // Windows-1252, no blank
      {"119 \xE2\x82\xAC i 22 %", "119,00 \xE2\x82\xAC i 22 %"},
      {"22.5 %", "22,5 %"},
      {"x = 3. Fet.", "x = 3. Fet."},                         // a full stop is no decimal point
      {"3/4 + 2/3", "3/4 + 2/3"},
  };
  for (const Cas& c : casos) EXPECT_EQ(NombresCatalans(c.abans), c.despres) << c.abans;
}

TEST(NombresCatalans, ModelsWriteADecimalCommaAndAmountsWithCents) {
  const Cas casos[] = {
      {"92.82 \x80", "92,82 \xE2\x82\xAC"},
      {"119\x80", "119,00 \xE2\x82\xAC"},
      {"0.75", "0,75"},
  };
  for (const Cas& c : casos) {
    EXPECT_EQ(EscriuNotacio(Expressio(NombresCatalans(LlegeixMatematiques(c.abans)))), c.despres) << c.abans;
  }
}

}  // namespace
}  // namespace tirelo
