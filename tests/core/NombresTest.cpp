// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "mathtext/Nombres.h"

#include <gtest/gtest.h>

#include "support/Suport.h"

namespace tirelo {
namespace {

TEST(Nombres, McdWorksOnAbsoluteValues) {
  EXPECT_EQ(Mcd(-12, 18), 6);
  EXPECT_EQ(Mcd(18, -12), 6);
  EXPECT_EQ(Mcd(7, 0), 7);
  EXPECT_EQ(Mcd(0, -7), 7);
  EXPECT_EQ(Mcd(0, 0), 0);
  EXPECT_EQ(Mcd(17, 5), 1);
}

TEST(Nombres, McmOfSignedValuesAndZero) {
  EXPECT_EQ(Mcm(4, 6), 12);
  EXPECT_EQ(Mcm(-4, 6), 12);
  EXPECT_EQ(Mcm(6, 4), 12);
  EXPECT_EQ(Mcm(9, 0), 0);
  EXPECT_EQ(Mcm(0, 0), 0);  // no common multiple: answered without dividing by zero
}

TEST(Nombres, SimplificaKeepsSignsWhereTheyWere) {
  int32_t n = 6, d = -4;
  Simplifica(n, d);
  EXPECT_EQ(n, 3);
  EXPECT_EQ(d, -2);
  n = -4, d = 6;
  Simplifica(n, d);
  EXPECT_EQ(n, -2);
  EXPECT_EQ(d, 3);
  n = 0, d = 5;
  Simplifica(n, d);
  EXPECT_EQ(n, 0);
  EXPECT_EQ(d, 1);
  n = 0, d = 0;
  Simplifica(n, d);  // must not divide by zero
  EXPECT_EQ(d, 0);
}

TEST(Nombres, PowersSquaresAndOperations) {
  EXPECT_EQ(PotEntera(-2, 3), -8);
  EXPECT_EQ(PotEntera(5, 0), 1);
  EXPECT_EQ(PotEntera(0, 0), 1);
  EXPECT_FALSE(EsQuadratPerfecte(0));
  EXPECT_FALSE(EsQuadratPerfecte(1));
  EXPECT_TRUE(EsQuadratPerfecte(4));
  EXPECT_FALSE(EsQuadratPerfecte(8));
  EXPECT_TRUE(EsQuadratPerfecte(49));
  EXPECT_TRUE(EsQuadratPerfecte(46340 * 46340));
  EXPECT_FALSE(EsQuadratPerfecte(-4));
  EXPECT_EQ(Opera(0, 7, 2), 9);
  EXPECT_EQ(Opera(1, 7, 2), 5);
  EXPECT_EQ(Opera(2, 7, 2), 14);
  EXPECT_EQ(Opera(3, 7, 2), 3);
  EXPECT_EQ(Opera(3, -7, 2), -3);
  EXPECT_EQ(Opera(4, 3, 4), 81);
  // Results wrap as 32-bit integers; the one quotient that overflows must not trap.
  EXPECT_EQ(Opera(3, INT32_MIN, -1), INT32_MIN);
  EXPECT_EQ(Opera(3, 7, -1), -7);
}

TEST(Nombres, TxtEnterIsPlainDecimal) {
  EXPECT_EQ(TxtEnter(-15), "-15");
  EXPECT_EQ(TxtEnter(0), "0");
  EXPECT_EQ(TxtEnter(2147483647), "2147483647");
}

TEST(Nombres, FraccioAleatKeepsReducedNumeratorAfterRejection) {
  // 4/2 reduces to 2/1 and is rejected; the next denominator is drawn for 2: 2/3.
  prova::AleatoriGuionat rnd({3, 0, 1});
  int32_t n = 0, d = 0;
  FraccioAleat(rnd, n, d);
  EXPECT_EQ(n, 2);
  EXPECT_EQ(d, 3);
  EXPECT_EQ(rnd.Demanats(), (std::vector<int32_t>{9, 8, 8}));
}

TEST(Nombres, FraccioAleatIsAlwaysReducedAndNeverWhole) {
  GeneradorAleatori rnd(7);
  for (int i = 0; i < 5000; ++i) {
    int32_t n = 0, d = 0;
    FraccioAleat(rnd, n, d);
    ASSERT_GE(n, 1);
    ASSERT_LE(n, 9);
    ASSERT_GE(d, 2);
    ASSERT_LE(d, 9);
    ASSERT_EQ(Mcd(n, d), 1);
  }
}

}  // namespace
}  // namespace tirelo
