# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Equip de Tirelo
# tirelo_test(NAME SOURCE [LIBS ...] [LABELS ...])
# Registers one test executable. Every test of the project goes through here, so the
# environment (offscreen Qt platform, a timeout) is set in one place.
function(tirelo_test name source)
  cmake_parse_arguments(T "" "" "LIBS;LABELS" ${ARGN})
  add_executable(${name} ${source})
  target_link_libraries(${name} PRIVATE ${T_LIBS})
  add_test(NAME ${name} COMMAND ${name})
  set(labels ${T_LABELS})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;TIRELO_SOURCE_DIR=${PROJECT_SOURCE_DIR}"
    TIMEOUT 300
    LABELS "${labels}")
endfunction()
