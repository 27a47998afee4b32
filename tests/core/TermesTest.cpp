// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "mathtext/Termes.h"

#include <gtest/gtest.h>

#include "mathtext/Nombres.h"
#include "support/Suport.h"

namespace tirelo {
namespace {

TEST(Termes, CoefficientsAsATextbookWritesThem) {
  EXPECT_EQ(TxtCoef(3, "x"), "3x");
  EXPECT_EQ(TxtCoef(1, "x"), "x");
  EXPECT_EQ(TxtCoef(-1, "x"), "-x");
  EXPECT_EQ(TxtCoef(1, ""), "1");
  EXPECT_EQ(TxtCoef(-1, ""), "-1");
  EXPECT_EQ(TxtCoef(1, "/3"), "1/3");
  EXPECT_EQ(TxtCoef(-1, "/3"), "-1/3");
  EXPECT_EQ(TxtCoef(5, "1"), "5");
  EXPECT_EQ(TxtCoef(5, ""), "5");
  EXPECT_EQ(TxtCoef(1, "1"), "1");
  EXPECT_EQ(TxtCoef(-1, "1"), "-1");
  EXPECT_EQ(TxtCoef(0, "x"), "");
}

TEST(Termes, SignedCoefficientsAndPolynomials) {
  EXPECT_EQ(TxtCoefSig(2, "y"), "+2y");
  EXPECT_EQ(TxtCoefSig(-2, "y"), "-2y");
  EXPECT_EQ(TxtCoefSig(1, ""), "+1");
  EXPECT_EQ(TxtCoefSig(0, "y"), "");
  EXPECT_EQ(TxtCoef(3, "x") + TxtCoefSig(-2, "y") + TxtCoefSig(0, "z") + TxtCoefSig(1, ""), "3x-2y+1");
}

TEST(Termes, PowersParenthesiseOnlyCompoundBases) {
  EXPECT_EQ(TxtPotencia("x", 3), "x^3");
  EXPECT_EQ(TxtPotencia("x", 0), "1");
  EXPECT_EQ(TxtPotencia("x", 1), "x");
  EXPECT_EQ(TxtPotencia("x", -2), "x^-2");
  EXPECT_EQ(TxtPotencia("2x", 2), "2x^2");
  EXPECT_EQ(TxtPotencia("x+1", 2), "(x+1)^2");
  EXPECT_EQ(TxtPotencia("-x", 2), "(-x)^2");
  EXPECT_EQ(Parentitza("a*b"), "(a*b)");
  EXPECT_EQ(Parentitza("ab"), "ab");
}

TEST(Termes, SquaresAndProducts) {
  EXPECT_EQ(Quadrat(""), "");
  EXPECT_EQ(Quadrat("x"), "x\xB2");
  EXPECT_EQ(ProducteLletres("x", "y"), "xy");
  EXPECT_EQ(ProducteLletres("x", "x"), "x\xB2");
  EXPECT_EQ(ProducteLletres("x", ""), "x");
  EXPECT_EQ(ProducteLletres("", "x"), "x");
  EXPECT_EQ(ProducteLletres("", ""), "");
}

TEST(Termes, DrawsFollowTheirRanges) {
  prova::AleatoriGuionat guio({0, 6, 4, 1, 4, 2, 9, 5, 4, 2});
  EXPECT_EQ(LletraAleat(guio), "a");
  EXPECT_EQ(LletraAleat(guio), "z");
  EXPECT_EQ(AleatNoNul(guio, 9), -5);   // w = 5, Random(9) = 1: negative
  EXPECT_EQ(AleatNoNul(guio, 9), 5);    // w = 5, Random(9) = 2: positive
  EXPECT_EQ(AleatNoNulMeitat(guio, 10), 10);  // w = 10, Random(10) = 5
  EXPECT_EQ(AleatNoNulMeitat(guio, 10), -5);  // w = 5, Random(10) = 2: negative
}

TEST(Termes, AleatNoNulNeverZeroOverManyDraws) {
  GeneradorAleatori rnd(3);
  bool negatiu = false, positiu = false;
  bool minim = false, maxim = false;
  for (int i = 0; i < 5000; ++i) {
    const int v = AleatNoNul(rnd, 9);
    ASSERT_NE(v, 0);
    ASSERT_GE(v, -9);
    ASSERT_LE(v, 9);
    negatiu |= v < 0;
    positiu |= v > 0;
    const int c = AleatCar(rnd, -3, 5);  // the function generators' negative ranges
    ASSERT_TRUE(c >= -3 && c <= 5);
    minim |= c == -3;
    maxim |= c == 5;
  }
  EXPECT_TRUE(negatiu && positiu);
  EXPECT_TRUE(minim && maxim);
}

TEST(Termes, AleatBinomiRedrawsPairs) {
  // Coefficients 2 and -2 share a factor: the pair is drawn again as 1 and 3.
  // Parts x and x are equal: the pair is drawn again as a constant and 'c'.
  prova::AleatoriGuionat guio({1, 0, 1, 9, 0, 0, 2, 0, 0, 0, 9, 5, 2});
  const Binomi b = AleatBinomi(guio);
  EXPECT_EQ(b.k1, 1);
  EXPECT_EQ(b.k2, 3);
  EXPECT_EQ(b.p1, "");
  EXPECT_EQ(b.p2, "c");
  EXPECT_EQ(TxtCoef(b.k1, b.p1) + TxtCoefSig(b.k2, b.p2), "1+3c");
}

TEST(Termes, AleatBinomiNeverGivesLikeTermsOrCommonFactors) {
  GeneradorAleatori rnd(11);
  for (int i = 0; i < 5000; ++i) {
    const Binomi b = AleatBinomi(rnd);
    ASSERT_NE(b.p1, b.p2);
    ASSERT_EQ(Mcd(b.k1, b.k2), 1);
    ASSERT_TRUE(b.k1 != 0 && b.k2 != 0 && b.k1 >= -3 && b.k1 <= 3 && b.k2 >= -3 && b.k2 <= 3);
  }
}

}  // namespace
}  // namespace tirelo
