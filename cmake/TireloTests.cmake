# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Equip de Tirelo
# tirelo_test(NAME SOURCE [LIBS ...] [LABELS ...] [SHARDS N])
# Registers one test executable. Every test of the project goes through here, so the
# environment (offscreen Qt platform, a timeout) is set in one place.
# With SHARDS N (N > 1) the executable is registered as N tests NAME_1 … NAME_N, each
# running one GoogleTest shard of its cases: a long proof then runs on every core.
function(tirelo_test name source)
  cmake_parse_arguments(T "" "SHARDS" "LIBS;LABELS" ${ARGN})
  add_executable(${name} ${source})
  target_link_libraries(${name} PRIVATE ${T_LIBS})
  set(entorn "QT_QPA_PLATFORM=offscreen;TIRELO_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
  if(NOT T_SHARDS OR T_SHARDS LESS 2)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${entorn}" TIMEOUT 300 LABELS "${T_LABELS}")
    return()
  endif()
  math(EXPR darrera "${T_SHARDS} - 1")
  foreach(i RANGE ${darrera})
    math(EXPR n "${i} + 1")
    add_test(NAME ${name}_${n} COMMAND ${name})
    set_tests_properties(${name}_${n} PROPERTIES
      ENVIRONMENT "${entorn};GTEST_TOTAL_SHARDS=${T_SHARDS};GTEST_SHARD_INDEX=${i}"
      TIMEOUT 300
      LABELS "${T_LABELS}")
  endforeach()
endfunction()
