// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include "topics/Percentatges.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "support/Guio.h"
#include "support/Llavors.h"
#include "support/Suport.h"
#include "shell/ExecutaTema.h"

namespace tirelo {
namespace {

// The problem of the subtype from the data, put into the program's exercise (nothing
// for an unknown subtype).
void Escriu(Programa& prg, int subtipus, const DadesPct& d) {
  if (auto g = GenPercentatge(subtipus, d)) PosaGenerat(prg, *g);
}

const Exercici& Genera(prova::Escena& p, int subtipus) {
  Escriu(*p.prg, subtipus, DadesPercentatge(*p.prg->aleatori, subtipus));
  return p.e();
}

TEST(Percentatges, DiscountedFinalPrice) {
  prova::Escena p({30, 60});  // q = 80, P = 150
  const Exercici& e = Genera(p, 1);
  EXPECT_EQ(e.enunciat, "Un vestit que valia 150\x80 est\xE0 rebaixat un 20 %\r\n Quant haur\xE0s de pagar per ell?");
  EXPECT_EQ(e.resposta, "  120 \x80");
  EXPECT_EQ(e.pista, "");
  EXPECT_TRUE(e.llest);
}

TEST(Percentatges, NetAmountOfAnInvoiceWithTaxes) {
  prova::Escena p({21, 33});  // q = 121, P = 123, F = 148.83
  const Exercici& e = Genera(p, 5);
  // "Quant seria", mended from the misspelt "Quuan seria" printed before.
  EXPECT_EQ(e.enunciat,
            "Una factura puja 148.83\x80 amb un 21 % d'impostos inclosos\r\n Quant seria \"en negre\"?");
  EXPECT_EQ(e.resposta, " 123 \x80");
}

TEST(Percentatges, EverySubtypeWithTheSameData) {
  // q = 64 (or 114 for increases), P = 135: F = 86.4 and 153.9.
  const DadesPct rebaixa{64, 135, 135.0 * 64 / 100, -36};
  const DadesPct increment{114, 135, 135.0 * 114 / 100, 14};
  struct Cas {
    int subtipus;
    std::string enunciat, resposta;
  };
  const std::vector<Cas> casos = {
      {2, "Un vestit val 86.4\x80 despr\xE9s d'haver-lo rebaixat un 36 %\r\n Quin era el preu original?", " 135 \x80"},
      {3, "Un vestit que valia 135\x80 ara costa 86.4 \x80\r\n Quin ha estat el % de rebaixa?", "  36 %"},
      {4, "Un servei que abans d'impostos val 135\x80 est\xE0 sotm\xE8s a un impost del 14 %\r\n Quant et tocar\xE0 pagar?",
       "  153.9 \x80"},
      {6, "Un b\xE9 que val 135\x80, amb garantia addicional ens costar\xE0 153.9 \x80\r\n"
          " Quin \xE9s el % d'augment respecte el preu original?",
       "  14 %"},
  };
  for (const Cas& c : casos) {
    prova::Escena p({});
    Escriu(*p.prg, c.subtipus, c.subtipus <= 3 ? rebaixa : increment);
    EXPECT_EQ(p.prg->exercici.enunciat, c.enunciat) << c.subtipus;
    EXPECT_EQ(p.prg->exercici.resposta, c.resposta) << c.subtipus;
  }
}

TEST(Percentatges, AnIncreaseOfNothingKeepsTheAmount) {
  prova::Escena p({0, 10});  // q = 100, P = 100
  const DadesPct d = DadesPercentatge(*p.prg->aleatori, 4);
  EXPECT_EQ(d.q, 100);
  EXPECT_EQ(d.D, 0);
  Escriu(*p.prg, 4, d);
  EXPECT_EQ(p.prg->exercici.resposta, "  100 \x80");
}

TEST(Percentatges, DrawRangesBySubtype) {
  prova::Escena baix({0, 0});
  const DadesPct min = DadesPercentatge(*baix.prg->aleatori, 3);
  EXPECT_EQ(min.q, 50);
  EXPECT_EQ(min.P, 90);
  prova::Escena alt({39, 99});
  const DadesPct max = DadesPercentatge(*alt.prg->aleatori, 6);
  EXPECT_EQ(max.q, 139);
  EXPECT_EQ(max.P, 189);
  EXPECT_DOUBLE_EQ(max.F, 262.71);
  EXPECT_EQ(max.D, 39);
}

TEST(Percentatges, UnknownSubtypeWritesNothing) {
  prova::Escena p({});
  p.prg->exercici.enunciat = "abans";
  Escriu(*p.prg, 7, DadesPct{80, 150, 120, -20});
  EXPECT_EQ(p.prg->exercici.enunciat, "abans");
  EXPECT_FALSE(p.prg->exercici.llest);
}

// The numbers of a text in order: amounts with '.' as decimal point, and whole numbers.
std::vector<std::string> Nombres(const std::string& s) {
  std::vector<std::string> r;
  for (std::size_t i = 0; i < s.size();) {
    if (!std::isdigit(static_cast<unsigned char>(s[i]))) {
      ++i;
      continue;
    }
    std::size_t fi = i;
    while (fi < s.size() && (std::isdigit(static_cast<unsigned char>(s[fi])) || s[fi] == '.')) ++fi;
    r.push_back(s.substr(i, fi - i));
    i = fi;
  }
  return r;
}

// An amount as written: at most two decimals, no trailing zero after the point.
void ComprovaImport(const std::string& t) {
  const auto punt = t.find('.');
  if (punt == std::string::npos) return;
  EXPECT_TRUE(t.size() - punt == 2 || t.size() - punt == 3) << t;
  EXPECT_NE(t.back(), '0') << t;
}

TEST(Percentatges, FinalIsInitialTimesPercentageOverSeeds) {
  for (int subtipus = 1; subtipus <= 6; ++subtipus) {
    for (uint64_t llavor = 1; llavor <= prova::Llavors(2000); ++llavor) {
      prova::InterficieFalsa ui;
      Programa prg(ui, llavor);
      Escriu(prg, subtipus, DadesPercentatge(*prg.aleatori, subtipus));
      const Exercici& e = prg.exercici;
      ASSERT_TRUE(e.llest);
      ASSERT_LE(e.enunciat.size(), 255u);
      ASSERT_NE(e.enunciat.find("\r\n "), std::string::npos);
      const auto dades = Nombres(e.enunciat);
      const auto resposta = Nombres(e.resposta);
      ASSERT_EQ(dades.size(), 2u) << e.enunciat;
      ASSERT_EQ(resposta.size(), 1u) << e.resposta;
      std::string P, F, pct;
      switch (subtipus) {
        case 1: case 4: P = dades[0]; pct = dades[1]; F = resposta[0]; break;
        case 2: case 5: F = dades[0]; pct = dades[1]; P = resposta[0]; break;
        default: P = dades[0]; F = dades[1]; pct = resposta[0]; break;
      }
      ComprovaImport(F);
      ASSERT_EQ(P.find('.'), std::string::npos) << "initial amounts are whole: " << P;
      const int inicial = std::stoi(P), percentatge = std::stoi(pct);
      ASSERT_TRUE(inicial >= 90 && inicial <= 189) << P;
      if (subtipus <= 3) {
        ASSERT_TRUE(percentatge >= 11 && percentatge <= 50) << pct;
      } else {
        ASSERT_TRUE(percentatge >= 0 && percentatge <= 39) << pct;
      }
      const int q = subtipus <= 3 ? 100 - percentatge : 100 + percentatge;
      EXPECT_NEAR(std::stod(F), inicial * q / 100.0, 0.005 + 1e-9) << e.enunciat << " / " << e.resposta;
    }
  }
}

TEST(Percentatges, TopicRunsThroughTheDispatch) {
  prova::InterficieFalsa ui;
  auto font = std::make_unique<prova::AleatoriGuionat>(std::vector<int32_t>{}, 5);
  const auto* guio = font.get();
  Programa prg(ui, std::move(font));
  for (int s = 1; s <= 6; ++s) ui.Tria(s);
  ui.Surt();
  ExecutaTema(prg, 7);
  ASSERT_EQ(ui.peticionsSubtipus.size(), 7u);
  ASSERT_EQ(prg.lot.Nombre(), 6);
  EXPECT_EQ(prg.lot[1].enunciat.rfind("Un vestit que valia ", 0), 0u);
  EXPECT_EQ(prg.lot[5].enunciat.rfind("Una factura puja ", 0), 0u);
  // Two draws per closing of the series window, the closing that ends the topic included.
  EXPECT_EQ(guio->Demanats().size(), 14u);
}

TEST(Percentatges, LeavingAddsNothing) {
  prova::InterficieFalsa ui;
  Programa prg(ui, 3);
  ui.Surt();
  ExecutaTema(prg, 7);
  EXPECT_EQ(ui.peticionsSubtipus.size(), 1u);
  EXPECT_EQ(prg.lot.Nombre(), 0);
  EXPECT_FALSE(prg.exercici.llest);
}

}  // namespace
}  // namespace tirelo
