# Translations of the window program. Debian's Qt tools package ships lupdate and
# lrelease but not Qt's CMake commands for them, so the two are called directly.
# translations/vinaxo_<lang>.ts are kept complete by the translations_complete test
# (tests/i18n), which also tells how to update them.
find_program(VINAXO_LRELEASE lrelease PATHS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS} NO_DEFAULT_PATH)
find_program(VINAXO_LRELEASE lrelease)
find_program(VINAXO_LUPDATE lupdate PATHS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS} NO_DEFAULT_PATH)
find_program(VINAXO_LUPDATE lupdate)
if(NOT VINAXO_LRELEASE OR NOT VINAXO_LUPDATE)
  message(FATAL_ERROR "lupdate and lrelease of Qt 6 are needed (Debian: qt6-l10n-tools)")
endif()

# Compiles each .ts into a .qm and puts them into target's resources under /i18n.
function(vinaxo_add_translations target)
  set(qms "")
  foreach(ts IN LISTS ARGN)
    get_filename_component(name ${ts} NAME_WE)
    set(qm ${CMAKE_CURRENT_BINARY_DIR}/i18n/${name}.qm)
    add_custom_command(OUTPUT ${qm}
      COMMAND ${VINAXO_LRELEASE} -silent ${ts} -qm ${qm}
      DEPENDS ${ts}
      VERBATIM)
    set_source_files_properties(${qm} PROPERTIES QT_RESOURCE_ALIAS ${name}.qm)
    list(APPEND qms ${qm})
  endforeach()
  qt_add_resources(${target} ${target}_translations PREFIX /i18n FILES ${qms})
endfunction()
