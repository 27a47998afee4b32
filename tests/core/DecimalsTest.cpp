// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "mathtext/Decimals.h"

#include <gtest/gtest.h>

namespace tirelo {
namespace {

TEST(Decimals, TrailingZerosAndPointAreDropped) {
  EXPECT_EQ(TxtReal(107.01), "107.01");
  EXPECT_EQ(TxtReal(107.5), "107.5");
  EXPECT_EQ(TxtReal(107.50), "107.5");
  EXPECT_EQ(TxtReal(120), "120");
  EXPECT_EQ(TxtReal(0), "0");
  EXPECT_EQ(TxtReal(0.05), "0.05");
}

TEST(Decimals, RoundsToTwoDecimals) {
  EXPECT_EQ(TxtReal(123.0 * 121 / 100), "148.83");  // stored just below 148.83
  EXPECT_EQ(TxtReal(1.999), "2");
  EXPECT_EQ(TxtReal(0.125), "0.13");               // exact half: away from zero
  EXPECT_EQ(TxtReal(-3.5), "-3.5");
  EXPECT_EQ(TxtReal(-0.004), "0");                 // no "-0"
}

TEST(Decimals, EveryPercentageAmountIsExact) {
  // Every amount the percentage exercises can show: initial 90..189 euros times 50..139 %.
  for (int p = 90; p <= 189; ++p) {
    for (int q = 50; q <= 139; ++q) {
      const int centims = p * q;  // the final amount in cents, exactly
      std::string esperat = std::to_string(centims / 100);
      if (centims % 100 != 0) {
        esperat += '.' + std::to_string(centims % 100 / 10);
        if (centims % 10 != 0) esperat += std::to_string(centims % 10);
      }
      ASSERT_EQ(TxtReal(static_cast<double>(p) * q / 100), esperat) << p << " x " << q;
    }
  }
}

}  // namespace
}  // namespace tirelo
