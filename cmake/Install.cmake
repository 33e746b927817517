# What ships with the program besides its binaries: the help, the example collection,
# the lookup site list and the desktop integration; where a build keeps them so that an
# uninstalled vinaxo finds them too, and where `cmake --install` puts them.
include(GNUInstallDirs)
# Folders readable by all whatever the installing user's umask (a package needs 0755).
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
    GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

add_subdirectory(examples)

# Build tree: doc/ and examples/sample.DAT beside the vinaxo binary (AppFiles looks there
# first). The site list is copied there by src/lookup.
file(GLOB_RECURSE VINAXO_DOC_FILES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/doc/*)
set(VINAXO_SAMPLE ${PROJECT_SOURCE_DIR}/examples/sample.DAT)
set(_vinaxo_app_files_stamp ${CMAKE_CURRENT_BINARY_DIR}/vinaxo_app_files.stamp)
add_custom_command(OUTPUT ${_vinaxo_app_files_stamp}
  COMMAND ${CMAKE_COMMAND} -E rm -rf $<TARGET_FILE_DIR:vinaxo>/doc
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${PROJECT_SOURCE_DIR}/doc $<TARGET_FILE_DIR:vinaxo>/doc
  COMMAND ${CMAKE_COMMAND} -E make_directory $<TARGET_FILE_DIR:vinaxo>/examples
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${VINAXO_SAMPLE} $<TARGET_FILE_DIR:vinaxo>/examples/sample.DAT
  COMMAND ${CMAKE_COMMAND} -E touch ${_vinaxo_app_files_stamp}
  DEPENDS ${VINAXO_DOC_FILES} ${VINAXO_SAMPLE}
  COMMENT "Copying the help and the example collection beside vinaxo"
  VERBATIM)
add_custom_target(vinaxo_app_files ALL DEPENDS ${_vinaxo_app_files_stamp})
add_dependencies(vinaxo vinaxo_app_files)

# Installed layout (GNUInstallDirs):
#   bin/vinaxo, bin/vinaxo-cli
#   share/vinaxo/doc/...           the help (index.htm)
#   share/vinaxo/examples/sample.DAT
#   share/vinaxo/CDInfosite.txt    the default lookup site list
#   share/applications/vinaxo.desktop
#   share/icons/hicolor/scalable/apps/vinaxo.svg
#   share/metainfo/com.tremalik.vinaxo.metainfo.xml
#   share/mime/packages/vinaxo.xml
#   share/man/man1/vinaxo.1.gz, vinaxo-cli.1.gz
#   share/bash-completion/completions/vinaxo-cli
install(TARGETS vinaxo vinaxo-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/doc/ DESTINATION ${CMAKE_INSTALL_DATADIR}/vinaxo/doc)
install(FILES ${VINAXO_SAMPLE} DESTINATION ${CMAKE_INSTALL_DATADIR}/vinaxo/examples)
install(FILES ${PROJECT_SOURCE_DIR}/src/lookup/CDInfosite.txt DESTINATION ${CMAKE_INSTALL_DATADIR}/vinaxo)
install(FILES ${PROJECT_SOURCE_DIR}/data/vinaxo.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/data/vinaxo.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_SOURCE_DIR}/data/com.tremalik.vinaxo.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/data/vinaxo-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME vinaxo.xml)

# Manual pages, compressed as man and the Debian policy want them.
set(_vinaxo_man_pages "")
foreach(page vinaxo.1 vinaxo-cli.1)
  set(_gz ${CMAKE_CURRENT_BINARY_DIR}/man/${page}.gz)
  add_custom_command(OUTPUT ${_gz}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/man
    COMMAND gzip -9n -c ${PROJECT_SOURCE_DIR}/man/${page} > ${_gz}
    DEPENDS ${PROJECT_SOURCE_DIR}/man/${page})
  list(APPEND _vinaxo_man_pages ${_gz})
endforeach()
add_custom_target(vinaxo_man_pages ALL DEPENDS ${_vinaxo_man_pages})
install(FILES ${_vinaxo_man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/completion/vinaxo-cli
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
