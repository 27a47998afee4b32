# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Equip de Tirelo
# Installs the build into a scratch prefix and checks that every file lands where a
# Linux desktop looks for it, and that the desktop entry and metainfo validate.
# Variables: BUILD (build folder), PREFIX (scratch prefix).
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX}
                RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${rc}")
endif()
foreach(f
    bin/tirelo
    share/tirelo/PrTirelo.pdf
    share/applications/cat.tirelo.Tirelo.desktop
    share/applications/cat.tirelo.Tirelo.Practica.desktop
    share/metainfo/cat.tirelo.Tirelo.metainfo.xml
    share/mime/packages/cat.tirelo.Tirelo.xml
    share/icons/hicolor/scalable/apps/tirelo.svg
    share/icons/hicolor/32x32/apps/tirelo.png
    share/icons/hicolor/16x16/apps/tirelo.png
    share/icons/hicolor/256x256/apps/tirelo.png
    share/man/man1/tirelo.1.gz
    share/bash-completion/completions/tirelo
    share/doc/tirelo/copyright
    share/doc/tirelo/changelog.gz)
  if(NOT EXISTS ${PREFIX}/${f})
    message(FATAL_ERROR "not installed: ${f}")
  endif()
endforeach()
foreach(entrada cat.tirelo.Tirelo cat.tirelo.Tirelo.Practica)
  execute_process(COMMAND desktop-file-validate ${PREFIX}/share/applications/${entrada}.desktop
                  RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "desktop-file-validate failed: ${entrada}")
  endif()
endforeach()
# The pupils' launcher opens the practice, and the program installed knows the command.
file(STRINGS ${PREFIX}/share/applications/cat.tirelo.Tirelo.Practica.desktop exec REGEX "^Exec=")
if(NOT exec STREQUAL "Exec=tirelo practica")
  message(FATAL_ERROR "the practice launcher runs '${exec}'")
endif()
execute_process(COMMAND ${PREFIX}/bin/tirelo practica --help RESULT_VARIABLE rc OUTPUT_VARIABLE ajuda)
if(NOT rc EQUAL 0 OR NOT ajuda MATCHES "--codi CODI")
  message(FATAL_ERROR "tirelo practica --help failed: ${rc}")
endif()
execute_process(COMMAND appstreamcli validate --no-net ${PREFIX}/share/metainfo/cat.tirelo.Tirelo.metainfo.xml
                RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "appstreamcli validate failed")
endif()
message(STATUS "installation complete and valid")
