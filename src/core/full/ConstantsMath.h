// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// The constants a mathematics face gives for setting formulas, read from its OpenType
// MATH table with HarfBuzz: how far scripts move and their limits, the gaps and rule
// of a fraction, the gap and rule of a radical, the height of the maths axis. All are
// in ems of the face (a fraction of its size in points), percentages as fractions.
// A face without the table keeps the defaults, which are Latin Modern Math's.
//
//   ConstantsMath c = LlegeixConstantsMath([&](std::string_view etiqueta) { return Taula(etiqueta); });
//   double puja = c.superindexPuja * punts;  // an exponent's baseline above the base's
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tirelo {

// A glyph of the face by its number, with the bounds of its ink from its origin (ems,
// y upwards: `dalt` the top, `baix` the bottom, negative below the baseline) and its
// advance width.
struct GlifMath {
  unsigned id = 0;
  double dalt = 0, baix = 0, dreta = 0, avanc = 0;
  bool operator==(const GlifMath&) const = default;
};

// A part of a glyph assembled from pieces, bottom to top: its glyph (its ink starts at
// its baseline), its height, how much of it may overlap the part below (`inici`) and
// the part above (`final`), and whether it is the extender repeated to reach a height.
struct PecaMuntatge {
  GlifMath glif;
  double alcada = 0, inici = 0, final = 0;
  bool extensor = false;
  bool operator==(const PecaMuntatge&) const = default;
};

// A sign's taller forms, from the table's vertical variants of its glyph: sizes taller
// than the sign itself, shortest first; then the parts it is built from beyond the
// tallest, bottom to top.
struct FormesAltes {
  std::vector<GlifMath> variants;
  std::vector<PecaMuntatge> muntatge;
  bool operator==(const FormesAltes&) const = default;
};

struct ConstantsMath {
  double eix = 0.25;                // AxisHeight: the middle of a fraction's rule, of "−" and "·"
  double escalaScript = 0.70;       // ScriptPercentScaleDown: a script's size to its base's
  double escalaScriptScript = 0.50;  // ScriptScriptPercentScaleDown: a script's script, a root's index
  double superindexPuja = 0.363;    // SuperscriptShiftUp
  double superindexBaixMin = 0.108;  // SuperscriptBottomMin: the least height of an exponent's bottom
  double superindexCaigudaMax = 0.250;  // SuperscriptBaselineDropMax: below a compound base's top
  double subindexBaixa = 0.247;     // SubscriptShiftDown
  double subindexDaltMax = 0.344;   // SubscriptTopMax: the greatest height of a subscript's top
  double subindexCaigudaMin = 0.200;  // SubscriptBaselineDropMin: below a compound base's bottom
  double espaiScript = 0.056;       // SpaceAfterScript
  double numeradorPuja = 0.677;     // FractionNumeratorDisplayStyleShiftUp
  double denominadorBaixa = 0.686;  // FractionDenominatorDisplayStyleShiftDown
  double numeradorBuit = 0.120;     // FractionNumDisplayStyleGapMin
  double denominadorBuit = 0.120;   // FractionDenomDisplayStyleGapMin
  double reglaFraccio = 0.040;      // FractionRuleThickness
  double arrelBuit = 0.148;         // RadicalDisplayStyleVerticalGap
  double reglaArrel = 0.040;        // RadicalRuleThickness
  double arrelSobre = 0.040;        // RadicalExtraAscender
  double arrelAbansIndex = 0.278;   // RadicalKernBeforeDegree
  double arrelDespresIndex = -0.556;  // RadicalKernAfterDegree
  double arrelIndexPuja = 0.60;     // RadicalDegreeBottomRaisePercent
  // The taller forms of the radical sign and of the round brackets (see FormesAltes);
  // the least overlap between two parts of an assembly. None without a table.
  FormesAltes arrel{}, obre{}, tanca{};
  double solapamentMin = 0;         // MinConnectorOverlap
  bool operator==(const ConstantsMath&) const = default;
};

// The constants of the face whose tables `taula` gives by their four-letter tag ("MATH",
// "head"; empty when the face has none). A face without a MATH table, or with one
// HarfBuzz cannot read, gives the defaults.
ConstantsMath LlegeixConstantsMath(const std::function<std::string(std::string_view etiqueta)>& taula);

}  // namespace tirelo
