// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "support/Notacio.h"

#include <gtest/gtest.h>

#include "document/Notacio.h"
#include "motor/Motor.h"

namespace tirelo::prova {

Expressio N(const std::string& notacio) {
  const LecturaNotacio l = LlegeixNotacio(notacio);
  EXPECT_TRUE(l.Llegida()) << notacio << ": " << (l.error ? l.error->missatge : "");
  return l.expressio;
}

bool Iguals(const std::string& a, const std::string& b) { return Equivalents(N(a), N(b)); }

std::vector<std::string> Parts(const std::string& s, const std::string& sep) {
  std::vector<std::string> r;
  std::size_t i = 0;
  for (std::size_t p; (p = s.find(sep, i)) != std::string::npos; i = p + sep.size()) r.push_back(s.substr(i, p - i));
  r.push_back(s.substr(i));
  return r;
}

}  // namespace tirelo::prova
