// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Equip de Tirelo
#pragma once
// The exercise markup and its translation to RTF. Five characters have a meaning of
// their own (CR, '^', '_', '|', '#'); every other byte, backslashes and braces
// included, stands for itself, so texts may carry raw RTF such as "\tab ".
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tirelo {

// The argument that follows a marker or a command letter: nothing at the end of the
// text, one character, or the text inside a balanced "( ... )". llargada is how many
// characters it spans, parentheses included. A "(" that is never closed takes the
// rest of the text.
//   LlargadaArgument("(n+1)x") -> {5, "n+1"}     LlargadaArgument("2x") -> {1, "2"}
struct Argument {
  std::size_t llargada = 0;
  std::string_view text;  // a view into the text passed in
};
Argument LlargadaArgument(std::string_view resta);
// A script's argument as the screen shows it: like any other argument, except that a
// "(" never closed gives an empty one. Reading goes on where the shared rule says.
Argument ArgumentIndex(std::string_view resta);

// Where the ")" that closes the "(" at the start of s stands, by the argument rule;
// npos when s does not start with "(" or nothing closes it.
//   ParentesiQueTanca("(a(b))c") -> 5
std::size_t ParentesiQueTanca(std::string_view s);

// The command letter of "#x" as the command table reads it: lower case as upper case.
char LletraOrdre(char c);

// The RTF escape "\'hh" that a text may embed, given the text after the backslash:
// the byte it stands for; nullopt when the text does not start with one.
//   CaracterEscapat("'e9s") -> '\xE9'
std::optional<char> CaracterEscapat(std::string_view resta);

// One markup text as an RTF fragment, read into its model and written out for a document in the ANSI character set.
// Every group it opens it closes; braces of the text itself are raw RTF and pass on.
//   TradueixMarcat("x^(n+1)") -> "x{\super n+1}"
std::string TradueixMarcat(std::string_view text);
// The same for a text already read into its model (document/Model.h).
struct Model;
std::string EscriuRtf(const Model& m);

// A stacked fraction: three lines (numerator, bar, denominator), each ended by CR,
// each starting with `tabs` tab stops. The parts are measured as written and then
// translated. Inside TradueixMarcat ("#F") the lines are broken with "\line " instead.
std::string DisposaFraccio(int tabs, std::string_view numerador, std::string_view denominador);
// A root on a new line: a bar of underscores above the radical sign and the radicand.
std::string DisposaArrel(std::string_view radicand);
// A block framed by vertical bars, one line per CR of the content (copied, not translated).
std::string DisposaBloc(std::string_view contingut);
// Centimetres to twips, rounded half to even, in decimal.
std::string TwipsDeCm(double cm);

}  // namespace tirelo
