# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Equip de Tirelo
# Builds the manual page tirelo.1 from its template: the version and the list of
# topics and subtypes, taken from `tirelo genera --help` so that the page and the
# program never disagree.
# Variables: TIRELO (the program), PLANTILLA (template), SORTIDA (page), VERSIO.
cmake_minimum_required(VERSION 3.25)
execute_process(COMMAND ${TIRELO} genera --help
                OUTPUT_VARIABLE ajuda RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "tirelo genera --help failed: ${rc}")
endif()

# A text as roff: backslashes and hyphens kept literal, no line taken for a request.
function(text_roff text out)
  string(REPLACE "\\" "\\e" text "${text}")
  string(REPLACE "-" "\\-" text "${text}")
  set(${out} "\\&${text}" PARENT_SCOPE)
endfunction()

# The lines between "Temes i subtipus:" and the next empty line: "  N nom" starts a
# topic, "      S[*] nom" is one of its subtypes, "           nivell 1: …" the words of its
# levels.
string(REGEX MATCH "Temes i subtipus:\n(([^\n]+\n)+)" bloc "${ajuda}")
if(NOT CMAKE_MATCH_1)
  message(FATAL_ERROR "tirelo genera --help lists no topics")
endif()
string(REPLACE "\n" ";" linies "${CMAKE_MATCH_1}")
set(temes "")
foreach(linia IN LISTS linies)
  if(linia MATCHES "^  ([0-9]+) (.+)$")
    text_roff("${CMAKE_MATCH_2}" nom)
    string(APPEND temes ".TP\n.B ${CMAKE_MATCH_1}\n${nom}\n")
  elseif(linia MATCHES "^      ([0-9]+)(\\*?) +(.+)$")
    # The star of a subtype that takes cases, or a space in its place.
    set(marca "\\ ")
    if(CMAKE_MATCH_2)
      set(marca "*")
    endif()
    text_roff("${CMAKE_MATCH_3}" nom)
    string(APPEND temes ".br\n\\fI${CMAKE_MATCH_1}${marca}\\fP\\ \\ ${nom}\n")
  elseif(linia MATCHES "^           (nivell .+)$")
    # The easier and the harder level of the subtype above, in words.
    text_roff("${CMAKE_MATCH_1}" nivells)
    string(APPEND temes ".br\n\\ \\ \\ \\ ${nivells}\n")
  elseif(NOT linia STREQUAL "")
    message(FATAL_ERROR "unexpected line in the topic list: ${linia}")
  endif()
endforeach()
string(REGEX REPLACE "\n$" "" temes "${temes}")

file(READ ${PLANTILLA} pagina)
string(REPLACE "@TEMES@" "${temes}" pagina "${pagina}")
string(REPLACE "@VERSIO@" "${VERSIO}" pagina "${pagina}")
file(WRITE ${SORTIDA} "${pagina}")
