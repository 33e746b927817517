# The Debian package (scripts/package): CPack's DEB generator over the install rules.
# Its summary, description and release date come from the metainfo, so that the
# software centre and apt show the same texts; the dependencies are computed from the
# binaries by dpkg-shlibdeps.
set(VINAXO_METAINFO ${PROJECT_SOURCE_DIR}/data/com.tremalik.vinaxo.metainfo.xml)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${VINAXO_METAINFO})
file(READ ${VINAXO_METAINFO} _metainfo)
string(REGEX MATCH "<summary>([^<]*)</summary>" _found "${_metainfo}")
set(_summary "${CMAKE_MATCH_1}")
string(REGEX MATCH "<p>([^<]*)</p>" _found "${_metainfo}")
string(REGEX REPLACE "[ \t\r\n]+" " " _about "${CMAKE_MATCH_1}")
string(STRIP "${_about}" _about)
# apt shows the description as it stands: lines of at most 72 characters.
string(REPLACE " " ";" _words "${_about}")
set(_about "")
set(_line "")
foreach(_word IN LISTS _words)
  string(LENGTH "${_line} ${_word}" _length)
  if(_line AND _length GREATER 72)
    string(APPEND _about "${_line}\n")
    set(_line "${_word}")
  elseif(_line)
    string(APPEND _line " ${_word}")
  else()
    set(_line "${_word}")
  endif()
endforeach()
string(APPEND _about "${_line}")
string(REGEX MATCH "<release version=\"([^\"]*)\" date=\"([0-9]+)-([0-9]+)-([0-9]+)\"" _found "${_metainfo}")
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "The newest release in ${VINAXO_METAINFO} is '${CMAKE_MATCH_1}', "
                      "the project's version is ${PROJECT_VERSION}: add the release there.")
endif()

# The release date as a changelog wants it ("Mon, 07 Dec 2026 00:00:00 +0000"); the
# weekday by Zeller's congruence, so that the package does not depend on the build's date.
set(_y ${CMAKE_MATCH_2})
math(EXPR _m "${CMAKE_MATCH_3}")
math(EXPR _d "${CMAKE_MATCH_4}")
if(_m LESS 3)
  math(EXPR _zm "${_m} + 12")
  math(EXPR _zy "${_y} - 1")
else()
  set(_zm ${_m})
  set(_zy ${_y})
endif()
math(EXPR _wd "(${_d} + (13 * (${_zm} + 1)) / 5 + ${_zy} + ${_zy} / 4 - ${_zy} / 100 + ${_zy} / 400) % 7")
set(_days Sat Sun Mon Tue Wed Thu Fri)
set(_months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(GET _days ${_wd} _dayname)
math(EXPR _mi "${_m} - 1")
list(GET _months ${_mi} _monthname)
set(VINAXO_RELEASE_DATE "${_dayname}, ${CMAKE_MATCH_4} ${_monthname} ${_y} 00:00:00 +0000")
set(VINAXO_MAINTAINER "Tremalik <vinaxo@tremalik.example>")

# The package's own documents, in every install: the copyright and a changelog.
configure_file(${PROJECT_SOURCE_DIR}/data/changelog.in ${CMAKE_CURRENT_BINARY_DIR}/changelog @ONLY)
set(_changelog_gz ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
add_custom_command(OUTPUT ${_changelog_gz}
  COMMAND gzip -9n -c ${CMAKE_CURRENT_BINARY_DIR}/changelog > ${_changelog_gz}
  DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/changelog)
add_custom_target(vinaxo_changelog ALL DEPENDS ${_changelog_gz})
install(FILES ${PROJECT_SOURCE_DIR}/data/copyright ${_changelog_gz}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vinaxo)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vinaxo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Tremalik)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${_summary}")
set(CPACK_PACKAGE_DESCRIPTION "${_about}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES TRUE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${VINAXO_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's screen plugins (X11) are only recommended by Qt itself; without them the window
# cannot open. The help opens in the desktop's browser through xdg-open.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# Qt's own German (and other) texts for the standard buttons and dialogs: without them
# those stay English in a translated window, nothing else is lost.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)

# Everything the install rules take from the build tree, so that scripts/package builds
# only what ships, not the tests and benchmarks.
add_custom_target(package_files DEPENDS vinaxo vinaxo-cli vinaxo_app_files vinaxo_man_pages vinaxo_changelog)
