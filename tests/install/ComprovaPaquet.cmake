# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Equip de Tirelo
# Builds the Debian package of the build tree into a scratch folder and checks its
# dependencies and its lintian report: no errors and no warnings. Without lintian the
# check is skipped.
# Variables: CPACK (the cpack program), BUILD (build folder), DIR (scratch folder).
find_program(LINTIAN lintian)
if(NOT LINTIAN)
  message(STATUS "lintian is not installed: skipped")
  return()
endif()
file(REMOVE_RECURSE ${DIR})
execute_process(COMMAND ${CPACK} -G DEB --config ${BUILD}/CPackConfig.cmake -B ${DIR}
                RESULT_VARIABLE rc OUTPUT_VARIABLE sortida ERROR_VARIABLE sortida)
file(GLOB paquet ${DIR}/tirelo_*.deb)
if(NOT rc EQUAL 0 OR NOT paquet)
  message(FATAL_ERROR "cpack -G DEB failed: ${rc}\n${sortida}")
endif()
# Qt's Catalan translations (the standard dialogs' buttons) and the fonts the windows
# draw with are not found from the program's libraries: the package names them.
execute_process(COMMAND dpkg-deb -f ${paquet} Depends OUTPUT_VARIABLE depen)
foreach(paquet_necessari qt6-translations-l10n qt6-qpa-plugins fonts-liberation fonts-comic-neue)
  if(NOT depen MATCHES "(^|, )${paquet_necessari}( |,|$)")
    message(FATAL_ERROR "the package does not depend on ${paquet_necessari}: ${depen}")
  endif()
endforeach()
execute_process(COMMAND ${LINTIAN} --fail-on error,warning ${paquet}
                RESULT_VARIABLE rc OUTPUT_VARIABLE informe ERROR_QUIET)
message(STATUS "lintian ${paquet}:\n${informe}")
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "lintian reports errors or warnings")
endif()
file(REMOVE_RECURSE ${DIR})
