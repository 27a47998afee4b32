// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
// Codes printed on sheets by the first format: each still makes the RTF document it
// made when it was printed, byte for byte. The fingerprints were taken from the
// program of that time; they are never to be re-recorded.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <variant>

#include <unistd.h>

#include "shell/CodiFull.h"
#include "support/Suport.h"

namespace tirelo {
namespace {

namespace fs = std::filesystem;

// FNV-1a, 64 bits.
uint64_t Empremta(const std::string& bytes) {
  uint64_t h = 0xcbf29ce484222325ull;
  for (unsigned char c : bytes) {
    h ^= c;
    h *= 0x100000001b3ull;
  }
  return h;
}

// The RTF document a code makes.
std::string Document(const std::string& codi) {
  const auto llegit = LlegeixCodi(codi);
  EXPECT_TRUE(std::holds_alternative<FullCodificat>(llegit)) << codi;
  if (!std::holds_alternative<FullCodificat>(llegit)) return {};
  const FullCodificat& f = std::get<FullCodificat>(llegit);
  const LotGenerat g = GeneraSeries(OpcionsDelCodi(f), f.llavor);
  // A name of this process's own: other runs of the suite may share the folder.
  const fs::path cami = fs::path(testing::TempDir()) / ("codi_versio1_" + std::to_string(getpid()) + ".rtf");
  EXPECT_FALSE(EscriuFull(g.exercicis, OpcionsFull{"Full", 1, false, 0, "", ""}, cami.string(), {}));
  std::string bytes = prova::LlegeixFitxer(cami.string());
  fs::remove(cami);
  return bytes;
}

struct CodiImpres {
  const char* nom;
  const char* codi;
  uint64_t empremta;
};

class CodiVersio1 : public testing::TestWithParam<CodiImpres> {};

TEST_P(CodiVersio1, MakesTheSameDocumentAsWhenItWasPrinted) {
  EXPECT_EQ(Empremta(Document(GetParam().codi)), GetParam().empremta) << GetParam().codi;
}

INSTANTIATE_TEST_SUITE_P(Impresos, CodiVersio1, testing::Values(
    CodiImpres{"FraccionsSuma", "HFP8", 0x862324d500509d9aull},
    CodiImpres{"DivisorsIIgualtatsAmbCasos", "8UBDPYEAWZK8KF5", 0xc8f0dd7fa09aa96full},
    CodiImpres{"EquacionsAmbFormes", "47SB96YHY9B9S8", 0x184298861bd16cb0ull},
    CodiImpres{"CincSeriesUsuals", "4AERBTKPPFBMNRWJP", 0xe75d7a48c117f069ull},
    CodiImpres{"PercentatgesMateixaVisita", "NQ9JP52F3ZB", 0x2f30ec0a83ff7c9cull},
    CodiImpres{"CasosIExercicisGrans", "54FHQTX2CQCJPRGT63VJZ", 0x2c1551855f5c9727ull},
    CodiImpres{"TotsElsTemes", "DTWYKBKGCBE5JX7XHPGMHVYNUG8W", 0xb04cb8b9694b2916ull},
    CodiImpres{"LlavorZero", "RHCRR", 0x1d1d8956d3ba517cull}),
    [](const auto& info) { return std::string(info.param.nom); });

}  // namespace
}  // namespace tirelo
