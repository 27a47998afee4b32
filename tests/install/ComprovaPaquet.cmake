# Builds the Debian package of the build tree into a scratch folder and checks it with
# lintian: no errors and no warnings. Without lintian the check is skipped.
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
execute_process(COMMAND ${LINTIAN} --fail-on error,warning ${paquet}
                RESULT_VARIABLE rc OUTPUT_VARIABLE informe ERROR_QUIET)
message(STATUS "lintian ${paquet}:\n${informe}")
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "lintian reports errors or warnings")
endif()
file(REMOVE_RECURSE ${DIR})
