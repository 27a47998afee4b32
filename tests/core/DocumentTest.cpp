// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <functional>

#include "document/Document.h"
#include "support/Suport.h"

namespace tirelo {
namespace {

namespace fs = std::filesystem;

const std::string& Capcalera = prova::CapcaleraRtf;

// Keeps the bytes in memory and fails the operation it is told to.
class CapaMemoria final : public CapaFitxer {
 public:
  struct Estat {
    std::string bytes;
    bool fallaCrear = false, fallaTancar = false;
    int fallaEscriptura = 0;  // the n-th write fails (1-based); 0 never
    int escriptures = 0, tancaments = 0;
  };
  explicit CapaMemoria(Estat& e) : e_(e) {}
  std::string Crea(const fs::path&) override { return e_.fallaCrear ? "Permission denied" : ""; }
  std::string Escriu(std::string_view b) override {
    if (++e_.escriptures == e_.fallaEscriptura) return "No space left on device";
    e_.bytes += b;
    return {};
  }
  std::string Tanca() override {
    ++e_.tancaments;
    return e_.fallaTancar ? "Input/output error" : "";
  }

 private:
  Estat& e_;
};

std::string Llegeix(const fs::path& p) {
  return prova::LlegeixFitxer(p.string());
}

class DocumentEnFitxer : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("tirelo-document-" + std::to_string(::getpid()));
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  fs::path dir_;
};

// Mended: 180 bytes where 101 were, the header now declaring the code page and an A4
// page with 2 cm margins.
TEST_F(DocumentEnFitxer, OpeningAndClosingAtOnceGivesTheEmptyDocument) {
  Document doc;
  doc.ObreDocument(dir_ / "buit.rtf");
  doc.TancaDocument();
  EXPECT_FALSE(doc.Fallada());
  const std::string s = Llegeix(dir_ / "buit.rtf");
  EXPECT_EQ(s, Capcalera + "}\r\n");
  EXPECT_EQ(s.size(), 180u);
}

TEST_F(DocumentEnFitxer, OpeningAnExistingFileReplacesItsContent) {
  std::ofstream(dir_ / "vell.rtf") << std::string(5000, 'x');
  Document doc;
  doc.ObreDocument(dir_ / "vell.rtf");
  doc.EscriuText("a");
  doc.TancaDocument();
  EXPECT_EQ(Llegeix(dir_ / "vell.rtf"), Capcalera + "a}\r\n");
}

TEST_F(DocumentEnFitxer, CreatingInAMissingFolderFailsWithTheSystemsReason) {
  Document doc;
  doc.ObreDocument(dir_ / "no-hi-es" / "a.rtf");
  doc.EscriuText("a");
  doc.TancaDocument();
  ASSERT_TRUE(doc.Fallada());
  EXPECT_EQ(doc.Fallada()->operacio, OperacioFitxer::Crear);
  EXPECT_EQ(doc.Fallada()->motiu, std::strerror(ENOENT));
}

TEST(Document, AFullDiskIsReportedWithTheSystemsReason) {
  // The header stays in the buffer: the failure shows at the close.
  Document petit;
  petit.ObreDocument("/dev/full");
  petit.TancaDocument();
  ASSERT_TRUE(petit.Fallada());
  EXPECT_EQ(petit.Fallada()->operacio, OperacioFitxer::Tancar);
  EXPECT_EQ(petit.Fallada()->motiu, std::strerror(ENOSPC));

  // More than a buffer's worth: a write fails, and nothing after it is attempted.
  Document gran;
  gran.ObreDocument("/dev/full");
  for (int i = 0; i < 2000; ++i) gran.EscriuText(std::string(200, 'a'));
  gran.TancaDocument();
  ASSERT_TRUE(gran.Fallada());
  EXPECT_EQ(gran.Fallada()->operacio, OperacioFitxer::Escriure);
  EXPECT_EQ(gran.Fallada()->motiu, std::strerror(ENOSPC));
}

std::string Escriu(const std::function<void(Document&)>& cos) {
  CapaMemoria::Estat e;
  Document doc(std::make_unique<CapaMemoria>(e));
  doc.ObreDocument("x.rtf");
  cos(doc);
  doc.TancaDocument();
  EXPECT_FALSE(doc.Fallada());
  EXPECT_EQ(e.bytes.substr(0, Capcalera.size()), Capcalera);
  EXPECT_EQ(e.bytes.substr(e.bytes.size() - 3), "}\r\n");
  return e.bytes.substr(Capcalera.size(), e.bytes.size() - Capcalera.size() - 3);
}

TEST(Document, PiecesAreWrittenUnchangedInCallOrder) {
  EXPECT_EQ(Negreta(""), "{\\b }");
  EXPECT_EQ(Negreta("Respostes"), "{\\b Respostes}");
  EXPECT_EQ(Escriu([](Document& d) { d.EscriuTextSalt(Negreta("Respostes")); }), "{\\b Respostes}\\line ");
  EXPECT_EQ(Escriu([](Document& d) {
              d.EscriuText("{\\qc");
              d.Salt();
              d.FiParagraf();
              d.EscriuText("a\\tab {b}\\}");
            }),
            "{\\qc\\line \\par a\\tab {b}\\}");
}

// An exercise line ends its paragraph ("\par "), not only its line: an indent set or
// reset after text in the line then holds from the next paragraph in every reader.
TEST(Document, AMarkupLineIsTranslatedAndEndsItsParagraph) {
  EXPECT_EQ(Escriu([](Document& d) { d.EscriuMarcatSalt("x^2"); }), "x{\\super 2}\\par ");
  EXPECT_EQ(Escriu([](Document& d) { d.EscriuMarcatSalt("a^{m+n}"); }), "a{\\super {}m+n}\\par ");
  EXPECT_EQ(Escriu([](Document& d) { d.EscriuMarcatSalt("{\\b 1) }S1"); }), "{\\b 1) }S1\\par ");
}

// A line cut to its length, or a brace typed by hand, cannot end the document early
// nor leave a group open over the rest of it.
TEST(Document, AMarkupLineIsAlwaysABalancedPieceOfRtf) {
  EXPECT_EQ(Escriu([](Document& d) { d.EscriuMarcatSalt("a}b"); }), "ab\\par ");
  EXPECT_EQ(Escriu([](Document& d) { d.EscriuMarcatSalt("a{\\i b"); }), "a{\\i b}\\par ");
  EXPECT_EQ(Escriu([](Document& d) { d.EscriuMarcatSalt("\\{x\\}"); }), "\\{x\\}\\par ");
  EXPECT_EQ(Escriu([](Document& d) { d.EscriuMarcatSalt("{a\\"); }), "{a}\\par ");
  EXPECT_EQ(Escriu([](Document& d) { d.EscriuMarcatSalt("a\\\\"); }), "a\\\\\\par ");
}

// Lines may break between cases and between words, never at a minus sign nor right
// after a case label: minus signs become non-breaking hyphens (H), the blanks after a
// label non-breaking blanks (B), and a word joiner holds ")(" together. RTF controls,
// negative parameters included, pass as they are.
const std::string H = "\\u8209\\'2d";
const std::string B = "\\u160\\'a0";

TEST(Document, NoLineBreaksInsideAnExpressionOrAfterALabel) {
  struct Cas {
    std::string rtf, esperat;
  };
  const Cas casos[] = {
      {"x{\\super 2}-25", "x{\\super 2}" + H + "25"},
      {"(-3,23)", "(" + H + "3,23)"},
      {"b{\\super -5}", "b{\\super " + H + "5}"},
      {"a) 9,  b) 3", "a)" + B + "9,  b)" + B + "3"},
      {"a)     y = x", "a)" + B + B + B + B + B + "y = x"},
      {"aa) 1", "aa)" + B + "1"},
      {"{\\b 12) }S", "{\\b 12) }S"},      // the exercise's number stays as it is
      {"(x+6x) 3", "(x+6x) 3"},               // a term, not a label
      {"(Nota) x", "(Nota) x"},
      {"\\fi-360\\li360 x", "\\fi-360\\li360 x"},
      {"\\'e0-\\u8730\\'76 -", "\\'e0" + H + "\\u8730\\'76 " + H},
      {"\\{c) d", "\\{c)" + B + "d"},
      {"(x+3)(x-3)", "(x+3){\\uc0\\u8288 }(x" + H + "3)"},
      {"(x+3) (x", "(x+3) (x"},
  };
  for (const auto& c : casos) EXPECT_EQ(SenseSaltsDinsExpressions(c.rtf), c.esperat) << c.rtf;
}

TEST(Document, BytesFrom0x80UpAreWrittenAsHexEscapes) {
  EXPECT_EQ(AmbBytesEscapats("Calcula:"), "Calcula:");
  EXPECT_EQ(AmbBytesEscapats("\x80 \xB2\xB7\xE0\xFF\x7F"), "\\'80 \\'b2\\'b7\\'e0\\'ff\x7F");
  EXPECT_EQ(Escriu([](Document& d) { d.EscriuText("{\\b t\xEDtol}"); }), "{\\b t\\'edtol}");
  EXPECT_EQ(Escriu([](Document& d) { d.EscriuMarcatSalt("x\xB2-1 \x80"); }), "x\\'b2" + H + "1 \\'80\\par ");
}

TEST(Document, AFailedCreationWritesNothingAndClosesNothing) {
  CapaMemoria::Estat e;
  e.fallaCrear = true;
  Document doc(std::make_unique<CapaMemoria>(e));
  doc.ObreDocument("x.rtf");
  doc.EscriuText("a");
  doc.TancaDocument();
  ASSERT_TRUE(doc.Fallada());
  EXPECT_EQ(doc.Fallada()->operacio, OperacioFitxer::Crear);
  EXPECT_EQ(doc.Fallada()->motiu, "Permission denied");
  EXPECT_EQ(e.escriptures, 0);
  EXPECT_EQ(e.tancaments, 0);
}

TEST(Document, AFailedWriteEndsTheWritingButTheFileIsStillClosed) {
  for (int n = 1; n <= 4; ++n) {
    CapaMemoria::Estat e;
    e.fallaEscriptura = n;
    Document doc(std::make_unique<CapaMemoria>(e));
    doc.ObreDocument("x.rtf");
    doc.EscriuText("A");
    doc.Salt();
    doc.EscriuMarcatSalt("B");
    doc.TancaDocument();
    ASSERT_TRUE(doc.Fallada()) << n;
    EXPECT_EQ(doc.Fallada()->operacio, OperacioFitxer::Escriure);
    EXPECT_EQ(doc.Fallada()->motiu, "No space left on device");
    EXPECT_EQ(e.escriptures, n) << "nothing is written after the failure";
    EXPECT_EQ(e.tancaments, 1);
    const std::string escrit[] = {"", Capcalera, Capcalera + "A", Capcalera + "A\\line "};
    EXPECT_EQ(e.bytes, escrit[n - 1]);
  }
}

TEST(Document, AFailedCloseIsReported) {
  CapaMemoria::Estat e;
  e.fallaTancar = true;
  Document doc(std::make_unique<CapaMemoria>(e));
  doc.ObreDocument("x.rtf");
  doc.TancaDocument();
  doc.TancaDocument();  // a second close does nothing
  ASSERT_TRUE(doc.Fallada());
  EXPECT_EQ(doc.Fallada()->operacio, OperacioFitxer::Tancar);
  EXPECT_EQ(doc.Fallada()->motiu, "Input/output error");
  EXPECT_EQ(e.tancaments, 1);
  EXPECT_EQ(e.bytes, Capcalera + "}\r\n");
}

}  // namespace
}  // namespace tirelo
