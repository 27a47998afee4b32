// Fuzzes the preview layout with arbitrary bytes: one markup text drawn alone, and a
// whole exercise (statement, answer and hint split at NUL bytes, the first byte
// choosing where the hint goes) drawn as the exercise editor does. Besides crashes,
// leaks and undefined behaviour, it checks that the font in force afterwards is the
// one before (styles and scripts always end), that nothing is drawn left of the
// text's margin or above the frame's top, that the drawing grows no faster than the
// text, and that the same text always draws the same.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "batch/Exercici.h"
#include "render/DibuixaMarcat.h"
#include "render/Pantalla.h"
#include "render/VistaPrevia.h"
#include "support/LlencGravador.h"

namespace {

using namespace tirelo;
using prova::LlencGravador;
using prova::Traca;

void Comprova(bool condicio, const char* que) {
  if (!condicio) {
    std::fprintf(stderr, "property broken: %s\n", que);
    std::abort();
  }
}

bool Iguals(const std::vector<Traca>& a, const std::vector<Traca>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i].tipus != b[i].tipus || a[i].punts != b[i].punts || a[i].text != b[i].text ||
        !(a[i].lletra == b[i].lletra))
      return false;
  }
  return true;
}

// What every drawing must keep, whatever the text: x of the text's left margin, y
// the highest any mark may reach, n the bytes of markup drawn.
void ComprovaTraces(const LlencGravador& llenc, int x, int y, std::size_t n) {
  std::size_t bytes = 0;
  for (const Traca& t : llenc.traces) {
    Comprova(t.lletra.alcada > 0 && t.lletra.amplada >= 0, "every font drawn with has a size");
    for (const Punt& p : t.punts) {
      Comprova(p.x >= x, "nothing is drawn left of the margin");
      Comprova(p.y >= y, "nothing is drawn above the top");
    }
    if (t.tipus == Traca::Tipus::Text) {
      Comprova(!t.text.empty(), "no empty text is drawn");
      bytes += t.text.size();
    }
  }
  // "\tab" (4 bytes) becomes 8 spaces; every other byte draws at most two.
  Comprova(llenc.traces.size() <= 4 * n + 16, "the drawing calls grow with the text");
  Comprova(bytes <= 2 * n + 64, "the drawn text grows with the text");
}

// One text drawn alone, from the editor's text margin.
void ComprovaMarcat(std::string_view text) {
  constexpr int X = 16, Y = 40;
  LlencGravador llenc;
  Pantalla p;
  p.LligaFinestra(llenc);
  const DescripcioLletra abans = p.Descripcio();
  DibuixaMarcat(p, X, Y, text);
  Comprova(p.Descripcio() == abans, "the font in force is restored after the text");
  Comprova(p.PosY() >= Y, "the pen never ends above where the text started");
  // Fraction numerators sit 10 px above the line, superscripts never above it.
  ComprovaTraces(llenc, X, Y - 10, text.size());

  LlencGravador altre;
  Pantalla q;
  q.LligaFinestra(altre);
  DibuixaMarcat(q, X, Y, text);
  Comprova(Iguals(llenc.traces, altre.traces), "the same text always draws the same");
}

// The first byte places the hint; the rest is statement, answer and hint split at NUL.
Exercici ExerciciDe(std::string_view dades) {
  Exercici e;
  if (dades.empty()) return e;
  e.posicioPista = static_cast<unsigned char>(dades[0]) % 3;
  dades.remove_prefix(1);
  std::string* camps[] = {&e.enunciat, &e.resposta, &e.pista};
  std::size_t k = 0;
  for (const char c : dades) {
    if (c == '\0' && k < 2) {
      ++k;
    } else {
      *camps[k] += c;
    }
  }
  e.Limita();  // the editor's fields hold no more than this
  return e;
}

void ComprovaVistaPrevia(std::string_view dades) {
  const Exercici e = ExerciciDe(dades);
  LlencGravador llenc;
  Pantalla p;
  p.LligaFinestra(llenc);
  const DescripcioLletra abans = p.Descripcio();
  DibuixaVistaPrevia(p, e);
  Comprova(!llenc.traces.empty() && llenc.traces[0].tipus == Traca::Tipus::Rectangle, "the frame is cleared first");
  Comprova(p.Descripcio().cursiva == abans.cursiva && p.Descripcio().subratllada == abans.subratllada &&
               p.Descripcio().alcada == abans.alcada,
           "the preview leaves no style or script in force");
  const std::size_t n = e.enunciat.size() + e.resposta.size() + e.pista.size() + 32;
  ComprovaTraces(llenc, MarcVistaPrevia::Esquerra, MarcVistaPrevia::Dalt, n);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string_view dades(reinterpret_cast<const char*>(data), size);
  ComprovaMarcat(dades);
  ComprovaVistaPrevia(dades);
  return 0;
}
