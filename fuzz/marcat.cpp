// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
// Fuzzes the markup translator, the argument rule and the writer's passes over a
// translated line with arbitrary bytes. Besides crashes, leaks and undefined
// behaviour, it checks properties that any correct translation has: groups it opens
// are closed, no raw CR leaks into the RTF, plain text is unchanged, a text translates
// the same alone and as a nested argument, the unbreakable characters only stand in
// for minus signs and blanks, and escaped bytes are all below 0x80.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "Propietat.h"
#include "document/Document.h"
#include "document/Marcat.h"

namespace {

using tirelo::Argument;
using tirelo::LlargadaArgument;
using tirelo::TradueixMarcat;

// How many `obre` stay open at the end of s, or -1 as soon as a `tanca` closes one
// more than were open.
long Saldo(std::string_view s, char obre = '(', char tanca = ')') {
  long profunditat = 0;
  for (char c : s) {
    if (c == obre) ++profunditat;
    if (c == tanca && --profunditat < 0) return -1;
  }
  return profunditat;
}

bool Equilibrat(std::string_view s) { return Saldo(s) == 0; }

void ComprovaArgument(std::string_view resta) {
  const Argument a = LlargadaArgument(resta);
  Comprova(a.llargada <= resta.size(), "the argument spans no more than the text");
  if (resta.empty()) {
    Comprova(a.llargada == 0 && a.text.empty(), "empty text, empty argument");
  } else if (resta.front() != '(') {
    Comprova(a.llargada == 1 && a.text == resta.substr(0, 1), "one character argument");
  } else {
    Comprova(a.text.data() == resta.data() + 1, "the argument starts after '('");
    Comprova(Saldo(a.text) >= 0, "no ')' closes the argument early");
    if (a.llargada == a.text.size() + 2) {
      Comprova(resta[a.llargada - 1] == ')' && Equilibrat(a.text), "closed by its matching ')'");
    } else {
      Comprova(a.llargada == resta.size() && a.text == resta.substr(1), "unclosed: the rest of the text");
    }
  }
}

std::string LiniesRtf(std::string s) {
  std::string r;
  for (char c : s) {
    if (c == '\r') {
      r += "\\line ";
    } else {
      r += c;
    }
  }
  return r;
}

std::string Substitueix(std::string s, std::string_view que, std::string_view per) {
  for (auto p = s.find(que); p != std::string::npos; p = s.find(que, p + per.size())) s.replace(p, que.size(), per);
  return s;
}

// The passes the writer makes over a translated line before it reaches the file.
void ComprovaEscriptura(const std::string& rtf) {
  const std::string fix = tirelo::SenseSaltsDinsExpressions(rtf);
  const std::string desfet =
      Substitueix(Substitueix(Substitueix(fix, "{\\uc0\\u8288 }", ""), "\\u8209\\'2d", "-"), "\\u160\\'a0", " ");
  if (rtf.find("\\u") == std::string::npos) Comprova(desfet == rtf, "only minus signs, blanks and joiners change");
  Comprova(Saldo(fix, '{', '}') == Saldo(rtf, '{', '}'), "the groups stay as they were");
  const std::string escapat = tirelo::AmbBytesEscapats(fix);
  std::size_t alts = 0;
  for (const char c : fix) alts += static_cast<unsigned char>(c) >= 0x80;
  Comprova(escapat.size() == fix.size() + 3 * alts, "every high byte takes four characters");
  for (const char c : escapat) Comprova(static_cast<unsigned char>(c) < 0x80, "no byte from 0x80 up is left");
}

void ComprovaTraduccio(std::string_view text) {
  const std::string rtf = TradueixMarcat(text);
  ComprovaEscriptura(rtf);
  if (text.find_first_of("{}") == std::string_view::npos) {
    Comprova(Saldo(rtf, '{', '}') == 0, "every group opened is closed");
  }
  if (text.find('\r') == std::string_view::npos) {
    Comprova(rtf.find('\r') == std::string::npos, "no raw CR in the RTF");
  }
  if (text.find_first_of("\r^_|#") == std::string_view::npos) {
    Comprova(rtf == text, "text without markup is unchanged");
  }
  if (!Equilibrat(text)) return;
  // As a whole argument the text is translated exactly as alone.
  const std::string t(text);
  Comprova(TradueixMarcat("#B(" + t + ")") == "{\\b " + rtf + "}", "nested style group");
  Comprova(TradueixMarcat("#R(" + t + ")") == tirelo::DisposaArrel(text), "nested root");
  const bool tabs = !text.empty() && text.front() >= 1 && text.front() <= 9;
  if (!tabs && text.find('\r') == std::string_view::npos) {
    const std::size_t barra = text.find('/');
    const std::string n = barra == std::string_view::npos ? "" : t.substr(0, barra);
    const std::string d = barra == std::string_view::npos ? t : t.substr(barra + 1);
    Comprova(TradueixMarcat("#F(" + t + ")") == LiniesRtf(tirelo::DisposaFraccio(0, n, d)),
             "nested fraction, split at the first '/'");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  ComprovaArgument(text);
  if (!text.empty()) ComprovaArgument(text.substr(1));
  ComprovaTraduccio(text);
  return 0;
}
