# Installs the build in BUILD_DIR into PREFIX and checks that every shipped file is there.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${rc}):\n${out}\n${err}")
endif()

include(GNUInstallDirs)
set(expected
  ${CMAKE_INSTALL_BINDIR}/vinaxo
  ${CMAKE_INSTALL_BINDIR}/vinaxo-cli
  ${CMAKE_INSTALL_DATADIR}/vinaxo/doc/index.htm
  ${CMAKE_INSTALL_DATADIR}/vinaxo/doc/style.css
  ${CMAKE_INSTALL_DATADIR}/vinaxo/examples/sample.DAT
  ${CMAKE_INSTALL_DATADIR}/vinaxo/CDInfosite.txt
  ${CMAKE_INSTALL_DATADIR}/applications/vinaxo.desktop
  ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps/vinaxo.svg
  ${CMAKE_INSTALL_DATADIR}/metainfo/com.tremalik.vinaxo.metainfo.xml
  ${CMAKE_INSTALL_DATADIR}/mime/packages/vinaxo.xml)
foreach(f IN LISTS expected)
  if(NOT EXISTS ${PREFIX}/${f})
    message(FATAL_ERROR "not installed: ${f}")
  endif()
endforeach()

# Every page of the help is installed.
get_filename_component(source_doc ${CMAKE_CURRENT_LIST_DIR}/../../../doc ABSOLUTE)
file(GLOB_RECURSE pages RELATIVE ${source_doc} ${source_doc}/*)
foreach(p IN LISTS pages)
  if(NOT EXISTS ${PREFIX}/${CMAKE_INSTALL_DATADIR}/vinaxo/doc/${p})
    message(FATAL_ERROR "help page not installed: ${p}")
  endif()
endforeach()

# The installed mime package is one the database accepts.
find_program(UPDATE_MIME update-mime-database)
if(UPDATE_MIME)
  execute_process(COMMAND ${UPDATE_MIME} ${PREFIX}/${CMAKE_INSTALL_DATADIR}/mime
    RESULT_VARIABLE rc ERROR_VARIABLE err)
  if(NOT rc EQUAL 0 OR err MATCHES "[Ee]rror|[Ww]arning")
    message(FATAL_ERROR "update-mime-database: ${err}")
  endif()
endif()
message(STATUS "installed layout complete under ${PREFIX}")
