// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "full/ConstantsMath.h"

#include <hb-ot.h>
#include <hb.h>

#include <memory>

namespace tirelo {
namespace {

using Taula = std::function<std::string(std::string_view)>;

// HarfBuzz asks for a face's tables one by one; each is copied into its blob.
hb_blob_t* TaulaDeLaCara(hb_face_t*, hb_tag_t etiqueta, void* dades) {
  const char nom[4] = {static_cast<char>(etiqueta >> 24), static_cast<char>(etiqueta >> 16),
                       static_cast<char>(etiqueta >> 8), static_cast<char>(etiqueta)};
  const std::string bytes = (*static_cast<const Taula*>(dades))(std::string_view(nom, 4));
  if (bytes.empty()) return nullptr;
  return hb_blob_create(bytes.data(), static_cast<unsigned>(bytes.size()), HB_MEMORY_MODE_DUPLICATE, nullptr, nullptr);
}

GlifMath Glif(hb_font_t* lletra, hb_codepoint_t id, double em) {
  hb_glyph_extents_t e{};
  hb_font_get_glyph_extents(lletra, id, &e);
  return {id, e.y_bearing / em, (e.y_bearing + e.height) / em, (e.x_bearing + e.width) / em,
          hb_font_get_glyph_h_advance(lletra, id) / em};
}

// The vertical variants of the face's glyph for `caracter` taller than it, and its
// assembly.
FormesAltes Altes(hb_font_t* lletra, double em, hb_codepoint_t caracter) {
  FormesAltes f;
  hb_codepoint_t glif = 0;
  if (!hb_font_get_nominal_glyph(lletra, caracter, &glif)) return f;
  hb_ot_math_glyph_variant_t variants[32];
  unsigned n = 32;
  hb_ot_math_get_glyph_variants(lletra, glif, HB_DIRECTION_BTT, 0, &n, variants);
  for (unsigned k = 0; k < n; ++k) {
    if (variants[k].glyph != glif) f.variants.push_back(Glif(lletra, variants[k].glyph, em));
  }
  hb_ot_math_glyph_part_t peces[16];
  unsigned np = 16;
  hb_position_t correccio = 0;
  hb_ot_math_get_glyph_assembly(lletra, glif, HB_DIRECTION_BTT, 0, &np, peces, &correccio);
  for (unsigned k = 0; k < np; ++k) {
    f.muntatge.push_back({Glif(lletra, peces[k].glyph, em), peces[k].full_advance / em,
                          peces[k].start_connector_length / em, peces[k].end_connector_length / em,
                          (peces[k].flags & HB_OT_MATH_GLYPH_PART_FLAG_EXTENDER) != 0});
  }
  return f;
}

}  // namespace

ConstantsMath LlegeixConstantsMath(const Taula& taula) {
  ConstantsMath c;
  const std::unique_ptr<hb_face_t, decltype(&hb_face_destroy)> cara(
      hb_face_create_for_tables(TaulaDeLaCara, const_cast<Taula*>(&taula), nullptr), hb_face_destroy);
  if (!hb_ot_math_has_data(cara.get())) return c;
  const double em = hb_face_get_upem(cara.get());
  const std::unique_ptr<hb_font_t, decltype(&hb_font_destroy)> lletra(hb_font_create(cara.get()), hb_font_destroy);
  hb_font_set_scale(lletra.get(), static_cast<int>(em), static_cast<int>(em));
  auto Em = [&](hb_ot_math_constant_t k) { return hb_ot_math_get_constant(lletra.get(), k) / em; };
  auto Percent = [&](hb_ot_math_constant_t k) { return hb_ot_math_get_constant(lletra.get(), k) / 100.0; };
  c.eix = Em(HB_OT_MATH_CONSTANT_AXIS_HEIGHT);
  c.escalaScript = Percent(HB_OT_MATH_CONSTANT_SCRIPT_PERCENT_SCALE_DOWN);
  c.escalaScriptScript = Percent(HB_OT_MATH_CONSTANT_SCRIPT_SCRIPT_PERCENT_SCALE_DOWN);
  c.superindexPuja = Em(HB_OT_MATH_CONSTANT_SUPERSCRIPT_SHIFT_UP);
  c.superindexBaixMin = Em(HB_OT_MATH_CONSTANT_SUPERSCRIPT_BOTTOM_MIN);
  c.superindexCaigudaMax = Em(HB_OT_MATH_CONSTANT_SUPERSCRIPT_BASELINE_DROP_MAX);
  c.subindexBaixa = Em(HB_OT_MATH_CONSTANT_SUBSCRIPT_SHIFT_DOWN);
  c.subindexDaltMax = Em(HB_OT_MATH_CONSTANT_SUBSCRIPT_TOP_MAX);
  c.subindexCaigudaMin = Em(HB_OT_MATH_CONSTANT_SUBSCRIPT_BASELINE_DROP_MIN);
  c.espaiScript = Em(HB_OT_MATH_CONSTANT_SPACE_AFTER_SCRIPT);
  c.numeradorPuja = Em(HB_OT_MATH_CONSTANT_FRACTION_NUMERATOR_DISPLAY_STYLE_SHIFT_UP);
  c.denominadorBaixa = Em(HB_OT_MATH_CONSTANT_FRACTION_DENOMINATOR_DISPLAY_STYLE_SHIFT_DOWN);
  c.numeradorBuit = Em(HB_OT_MATH_CONSTANT_FRACTION_NUM_DISPLAY_STYLE_GAP_MIN);
  c.denominadorBuit = Em(HB_OT_MATH_CONSTANT_FRACTION_DENOM_DISPLAY_STYLE_GAP_MIN);
  c.reglaFraccio = Em(HB_OT_MATH_CONSTANT_FRACTION_RULE_THICKNESS);
  c.arrelBuit = Em(HB_OT_MATH_CONSTANT_RADICAL_DISPLAY_STYLE_VERTICAL_GAP);
  c.reglaArrel = Em(HB_OT_MATH_CONSTANT_RADICAL_RULE_THICKNESS);
  c.arrelSobre = Em(HB_OT_MATH_CONSTANT_RADICAL_EXTRA_ASCENDER);
  c.arrelAbansIndex = Em(HB_OT_MATH_CONSTANT_RADICAL_KERN_BEFORE_DEGREE);
  c.arrelDespresIndex = Em(HB_OT_MATH_CONSTANT_RADICAL_KERN_AFTER_DEGREE);
  c.arrelIndexPuja = Percent(HB_OT_MATH_CONSTANT_RADICAL_DEGREE_BOTTOM_RAISE_PERCENT);
  c.arrel = Altes(lletra.get(), em, 0x221A);
  c.obre = Altes(lletra.get(), em, '(');
  c.tanca = Altes(lletra.get(), em, ')');
  c.solapamentMin = hb_ot_math_get_min_connector_overlap(lletra.get(), HB_DIRECTION_BTT) / em;
  // a face that states no script sizes keeps the usual ones
  if (c.escalaScript <= 0 || c.escalaScript > 1) c.escalaScript = ConstantsMath{}.escalaScript;
  if (c.escalaScriptScript <= 0 || c.escalaScriptScript > 1) c.escalaScriptScript = ConstantsMath{}.escalaScriptScript;
  return c;
}

}  // namespace tirelo
